#include "support/skin_engine_client.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "registration.h"

namespace {

using GetClassObjectFunction = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
using CanUnloadFunction = HRESULT(WINAPI*)();
using RegisterFunction = HRESULT(WINAPI*)();

template <typename Function>
Function EngineExport(const char* name)
{
    HMODULE module = ::GetModuleHandleA("TolvrinSkin.dll");
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

class SkinEngineComTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine_ = test_support::CreateSkinEngine();
        ASSERT_TRUE(engine_) << "the engine DLL was not found beside the tests";
    }

    HRESULT Invoke(DISPID id, WORD flags, VARIANT* arguments, UINT count, UINT* argumentError = nullptr)
    {
        base::ComPtr<IDispatch> automation;
        EXPECT_EQ(engine_->GetAutomationObject(automation.Put()), S_OK);
        DISPPARAMS parameters{arguments, nullptr, count, 0};
        return automation->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, nullptr, nullptr,
                                  argumentError);
    }

    test_support::ScopedComApartment com_;
    base::ComPtr<SkinEngine> engine_;
};

TEST_F(SkinEngineComTest, AnswersItsOwnInterfacesOnly)
{
    base::ComPtr<IUnknown> unknown;
    EXPECT_EQ(engine_->QueryInterface(IID_IUnknown, unknown.PutVoid()), S_OK);
    base::ComPtr<IDispatch> dispatch;
    EXPECT_EQ(engine_->QueryInterface(IID_IDispatch, dispatch.PutVoid()), E_NOINTERFACE);
    EXPECT_FALSE(dispatch);
}

TEST(ShippedSkinEngineTest, ExportsNoTestSeam)
{
    HMODULE shipped = ::LoadLibraryA(test_support::BuiltSkinEnginePath().c_str());
    ASSERT_NE(shipped, nullptr);
    EXPECT_NE(::GetProcAddress(shipped, "DllGetClassObject"), nullptr);
    EXPECT_EQ(::GetProcAddress(shipped, "SkinEngineForceHighContrast"), nullptr);
    ::FreeLibrary(shipped);
}

#ifdef NDEBUG
TEST(ShippedSkinEngineTest, StaysSmall)
{
    // The engine links no C++ string or exception runtime: about 35 KB.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(::GetFileAttributesExA(test_support::BuiltSkinEnginePath().c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_LE(data.nFileSizeLow, 120u * 1024u);
}
#endif

TEST_F(SkinEngineComTest, StaysLoadedWhileAnyObjectLives)
{
    const auto canUnload = EngineExport<CanUnloadFunction>("DllCanUnloadNow");
    ASSERT_NE(canUnload, nullptr);
    base::ComPtr<IDispatch> automation;
    ASSERT_EQ(engine_->GetAutomationObject(automation.Put()), S_OK);
    engine_.Reset();
    EXPECT_EQ(canUnload(), S_FALSE);  // the automation object keeps its engine
    automation.Reset();
    EXPECT_EQ(canUnload(), S_OK);
}

TEST_F(SkinEngineComTest, ClassObjectMakesEnginesOfItsOwnClassOnly)
{
    const auto getClassObject = EngineExport<GetClassObjectFunction>("DllGetClassObject");
    ASSERT_NE(getClassObject, nullptr);
    base::ComPtr<IClassFactory> factory;
    EXPECT_EQ(getClassObject(IID_IDispatch, IID_IClassFactory, factory.PutVoid()), CLASS_E_CLASSNOTAVAILABLE);
    ASSERT_EQ(getClassObject(kSkinEngineClsid, IID_IClassFactory, factory.PutVoid()), S_OK);
    base::ComPtr<SkinEngine> engine;
    EXPECT_EQ(factory->CreateInstance(engine_.Get(), kSkinEngineIid, engine.PutVoid()), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, kSkinEngineIid, engine.PutVoid()), S_OK);
    EXPECT_TRUE(engine);
}

TEST_F(SkinEngineComTest, ApplyGammaTakesOneFloat)
{
    VARIANT argument;
    ::VariantInit(&argument);
    argument.vt = VT_R4;
    argument.fltVal = 0.5f;
    EXPECT_EQ(Invoke(kApplyGammaDispId, DISPATCH_METHOD, &argument, 1), S_OK);
}

TEST_F(SkinEngineComTest, ApplyGammaRefusesWrongCalls)
{
    VARIANT arguments[2];
    ::VariantInit(&arguments[0]);
    ::VariantInit(&arguments[1]);
    arguments[0].vt = VT_R4;
    arguments[1].vt = VT_R4;
    EXPECT_EQ(Invoke(52, DISPATCH_METHOD, arguments, 1), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(kApplyGammaDispId, DISPATCH_PROPERTYGET, arguments, 1), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(kApplyGammaDispId, DISPATCH_METHOD, arguments, 0), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Invoke(kApplyGammaDispId, DISPATCH_METHOD, arguments, 2), DISP_E_BADPARAMCOUNT);

    arguments[0].vt = VT_R8;
    arguments[0].dblVal = 0.5;
    UINT argumentError = 99;
    EXPECT_EQ(Invoke(kApplyGammaDispId, DISPATCH_METHOD, arguments, 1, &argumentError), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argumentError, 0u);
}

TEST_F(SkinEngineComTest, ApplyGammaHasNoNamedArguments)
{
    base::ComPtr<IDispatch> automation;
    ASSERT_EQ(engine_->GetAutomationObject(automation.Put()), S_OK);
    VARIANT argument;
    ::VariantInit(&argument);
    argument.vt = VT_R4;
    DISPID named = 0;
    DISPPARAMS parameters{&argument, &named, 1, 1};
    EXPECT_EQ(automation->Invoke(kApplyGammaDispId, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters,
                                 nullptr, nullptr, nullptr),
              DISP_E_NONAMEDARGS);
}

TEST_F(SkinEngineComTest, ApplyGammaIsFoundByName)
{
    base::ComPtr<IDispatch> automation;
    ASSERT_EQ(engine_->GetAutomationObject(automation.Put()), S_OK);
    wchar_t known[] = L"ApplyGamma";
    wchar_t unknown[] = L"SetGamma";
    LPOLESTR names[] = {known};
    DISPID id = 0;
    EXPECT_EQ(automation->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, kApplyGammaDispId);
    names[0] = unknown;
    EXPECT_EQ(automation->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST_F(SkinEngineComTest, RefusesWindowsItCannotTakeOver)
{
    EXPECT_EQ(engine_->AttachWindow(nullptr), E_INVALIDARG);
    EXPECT_EQ(engine_->AttachWindow(reinterpret_cast<HWND>(0x1234)), E_INVALIDARG);
    EXPECT_EQ(engine_->GetAutomationObject(nullptr), E_POINTER);
}

TEST_F(SkinEngineComTest, SkinFileThatCannotBeReadLoadsNoSkin)
{
    test_support::TempFolder folder;
    EXPECT_EQ(test_support::LoadSkin(*engine_.Get(), "", ""), S_FALSE);
    EXPECT_EQ(test_support::LoadSkin(*engine_.Get(), folder.Path(), "absent.ini"), S_FALSE);
    EXPECT_EQ(test_support::LoadSkin(*engine_.Get(), folder.Path(), ""), S_FALSE);
    folder.Write("mine.ini", "[Skin]\r\nBackground=#000000\r\n");
    EXPECT_EQ(test_support::LoadSkin(*engine_.Get(), folder.Path(), "mine.ini"), S_OK);
    EXPECT_EQ(test_support::LoadSkin(*engine_.Get(), "", folder.PathOf("mine.ini")), S_OK);
}

std::wstring RegistryText(const std::wstring& key, const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return L"<absent>";
    }
    return value;
}

TEST_F(SkinEngineComTest, RegistersForTheCurrentUserAndUnregisters)
{
    const auto registerServer = EngineExport<RegisterFunction>("DllRegisterServer");
    const auto unregisterServer = EngineExport<RegisterFunction>("DllUnregisterServer");
    ASSERT_NE(registerServer, nullptr);
    ASSERT_NE(unregisterServer, nullptr);
    wchar_t classKey[skin::kEngineClassKeyCapacity] = {};
    skin::EngineClassKey(classKey);
    const std::wstring serverKey = std::wstring(classKey) + L"\\InprocServer32";
    wchar_t dllPath[MAX_PATH] = {};
    ::GetModuleFileNameW(::GetModuleHandleA("TolvrinSkin.dll"), dllPath, MAX_PATH);

    ASSERT_EQ(registerServer(), S_OK);
    EXPECT_EQ(RegistryText(serverKey, nullptr), dllPath);
    EXPECT_EQ(RegistryText(serverKey, L"ThreadingModel"), L"Apartment");

    EXPECT_EQ(unregisterServer(), S_OK);
    EXPECT_EQ(RegistryText(serverKey, nullptr), L"<absent>");
    EXPECT_EQ(unregisterServer(), S_OK);  // nothing left to remove is no failure
}

}  // namespace
