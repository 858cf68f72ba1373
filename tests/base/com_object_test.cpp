// The IUnknown base of the COM objects the program, the skin engine and the
// tests make.
#include "base/com_object.h"

#include <gtest/gtest.h>

#include <oaidl.h>

namespace {

int destroyed = 0;

class Counted final : public base::ComObject<Counted, IClassFactory, IID_IClassFactory> {
public:
    explicit Counted(int* created) { ++*created; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    friend base::ComObject<Counted, IClassFactory, IID_IClassFactory>;
    ~Counted() { ++destroyed; }
};

class ComObjectTest : public ::testing::Test {
protected:
    void SetUp() override { destroyed = 0; }
    int created_ = 0;
};

TEST_F(ComObjectTest, CreateHandsTheOneReferenceToTheCallerAndTheLastReleaseDeletes)
{
    IClassFactory* factory = nullptr;
    ASSERT_EQ(Counted::Create(IID_IClassFactory, reinterpret_cast<void**>(&factory), &created_), S_OK);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(created_, 1);
    EXPECT_EQ(factory->AddRef(), 2u);
    EXPECT_EQ(factory->Release(), 1u);
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ComObjectTest, ServesIUnknownAndItsInterfaceOnly)
{
    IClassFactory* factory = nullptr;
    ASSERT_EQ(Counted::Create(IID_IClassFactory, reinterpret_cast<void**>(&factory), &created_), S_OK);
    IUnknown* unknown = nullptr;
    EXPECT_EQ(factory->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(static_cast<void*>(unknown), static_cast<void*>(factory));
    unknown->Release();

    IDispatch* dispatch = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(factory->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), E_NOINTERFACE);
    EXPECT_EQ(dispatch, nullptr);
    EXPECT_EQ(factory->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    factory->Release();
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ComObjectTest, CreateForAnInterfaceNotServedLeavesNothingBehind)
{
    IDispatch* dispatch = nullptr;
    EXPECT_EQ(Counted::Create(IID_IDispatch, reinterpret_cast<void**>(&dispatch), &created_), E_NOINTERFACE);
    EXPECT_EQ(dispatch, nullptr);
    EXPECT_EQ(created_, 1);
    EXPECT_EQ(destroyed, 1);
}

}  // namespace
