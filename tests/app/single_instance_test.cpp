#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// A name of this test process's own, so that no copy of the program and no
// other test meets it.
std::string MutexName(const char* what)
{
    return std::string("TolvrinSingleInstanceTest-") + what + "-" + std::to_string(::GetCurrentProcessId());
}

TEST(SingleInstance, FirstCopyHoldsTheMutexAndSecondFindsIt)
{
    const std::string name = MutexName("plain");
    base::UniqueKernelHandle first;
    EXPECT_FALSE(AnotherCopyIsRunning(name.c_str(), first));
    EXPECT_TRUE(first);

    base::UniqueKernelHandle second;
    EXPECT_TRUE(AnotherCopyIsRunning(name.c_str(), second));
}

// What a copy running elevated leaves for a normal one: a mutex whose
// security this copy may not open (here an empty DACL, which grants nothing).
TEST(SingleInstance, MutexThatMayNotBeOpenedMeansAnotherCopyRuns)
{
    const std::string name = MutexName("denied");
    SECURITY_DESCRIPTOR descriptor;
    ASSERT_TRUE(::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    ACL emptyAcl;
    ASSERT_TRUE(::InitializeAcl(&emptyAcl, sizeof emptyAcl, ACL_REVISION));
    ASSERT_TRUE(::SetSecurityDescriptorDacl(&descriptor, TRUE, &emptyAcl, FALSE));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, FALSE};
    const base::UniqueKernelHandle elevated(::CreateMutexA(&attributes, FALSE, name.c_str()));
    ASSERT_TRUE(elevated);

    base::UniqueKernelHandle normal;
    EXPECT_TRUE(AnotherCopyIsRunning(name.c_str(), normal));
    EXPECT_FALSE(normal);
}

// Another program of the session took the name for an object of another
// kind: no mutex can be made under it, and a second countdown must not start.
TEST(SingleInstance, NameTakenByAnEventMeansAnotherCopyRuns)
{
    const std::string name = MutexName("squatted");
    const base::UniqueKernelHandle squatter(::CreateEventA(nullptr, TRUE, FALSE, name.c_str()));
    ASSERT_TRUE(squatter);

    base::UniqueKernelHandle mutex;
    EXPECT_TRUE(AnotherCopyIsRunning(name.c_str(), mutex));
    EXPECT_FALSE(mutex);
}

}  // namespace
