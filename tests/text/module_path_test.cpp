#include "text/module_path.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; });
    return text;
}

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& end)
{
    return text.size() >= end.size() && Lower(text.substr(text.size() - end.size())) == Lower(end);
}

TEST(LongPathOf, GivesTheLongNameOfAShortOneAndLeavesTheRestAlone)
{
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
    const std::wstring kernel = std::wstring(system) + L"\\kernel32.dll";
    EXPECT_EQ(Lower(LongPathOf(kernel)), Lower(kernel));
    wchar_t shortName[MAX_PATH] = {};
    if (::GetShortPathNameW(kernel.c_str(), shortName, MAX_PATH) > 0) {
        EXPECT_EQ(Lower(LongPathOf(shortName)), Lower(kernel));
    }
    EXPECT_EQ(LongPathOf(L"C:\\no such folder\\Timer.exe"), L"C:\\no such folder\\Timer.exe");
    EXPECT_EQ(LongPathOf(L""), L"");
}

TEST(ModulePath, NullModuleIsTheExecutable)
{
    const std::wstring path = ModuleFilePath(nullptr);
    EXPECT_TRUE(EndsWithIgnoringCase(path, L"\\tolvrin_tests.exe"));
    EXPECT_EQ(ModuleFolder(nullptr), path.substr(0, path.size() - std::wstring(L"\\tolvrin_tests.exe").size()));
}

TEST(ModulePath, OtherModuleGivesItsOwnFile)
{
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_TRUE(EndsWithIgnoringCase(ModuleFilePath(kernel), L"\\kernel32.dll"));
    EXPECT_EQ(Lower(ModuleFolder(kernel) + L"\\kernel32.dll"), Lower(ModuleFilePath(kernel)));
}

}  // namespace
