// The label's live setting through a recording property service: Wine's own
// service fails every call, so only a stand-in shows what Windows is asked.
#include "countdown/live_region.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/com_object.h"

namespace {

std::vector<std::string> calls;
int servicesMade = 0;
int servicesAlive = 0;

std::string Describe(HWND window, DWORD object, DWORD child, const MSAAPROPID& property)
{
    static constexpr GUID kLiveSetting = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    char line[96];
    std::snprintf(line, sizeof line, "%s, %ld, %lu, %s", window != nullptr ? "label" : "null",
                  static_cast<long>(object), static_cast<unsigned long>(child),
                  IsEqualGUID(property, kLiveSetting) ? "live setting" : "another property");
    return line;
}

class RecordingServices final : public base::ComObject<RecordingServices, IAccPropServices, IID_IAccPropServices> {
public:
    RecordingServices() { ++servicesAlive; }

    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                                          VARIANT value) override
    {
        calls.push_back("SetHwndProp(" + Describe(window, object, child, property) + ", " +
                        (value.vt == VT_I4 ? std::to_string(value.lVal) : "vt " + std::to_string(value.vt)) + ")");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND window, DWORD object, DWORD child, const MSAAPROPID* properties,
                                             int count) override
    {
        calls.push_back("ClearHwndProps(" + Describe(window, object, child, properties[0]) + ", " +
                        std::to_string(count) + ")");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                            AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND, DWORD, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                                AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                                 AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override
    {
        return E_NOTIMPL;
    }

private:
    friend base::ComObject<RecordingServices, IAccPropServices, IID_IAccPropServices>;
    ~RecordingServices() { --servicesAlive; }
};

HRESULT MakeRecordingServices(IAccPropServices** services)
{
    ++servicesMade;
    return RecordingServices::Create(IID_IAccPropServices, reinterpret_cast<void**>(services));
}

HRESULT FailToMakeServices(IAccPropServices** services)
{
    ++servicesMade;
    *services = nullptr;
    return REGDB_E_CLASSNOTREG;
}

class LiveRegionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        servicesMade = 0;
        label_ = ::CreateWindowExA(0, "STATIC", "0:00:15", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr,
                                   nullptr);
        ASSERT_NE(label_, nullptr);
    }
    void TearDown() override { ::DestroyWindow(label_); }

    HWND label_ = nullptr;
};

TEST_F(LiveRegionTest, UrgencyIsSetOnTheLabelWithTheServiceMadeAtTheFirstAndClearedAtTheEnd)
{
    {
        LiveRegion region(&MakeRecordingServices);
        region.Attach(label_);
        EXPECT_EQ(servicesMade, 0) << "nothing is loaded before the window shows";
        region.SetUrgency(LiveRegion::Urgency::Assertive);
        region.SetUrgency(LiveRegion::Urgency::Assertive);
        region.SetUrgency(LiveRegion::Urgency::Polite);
        region.Detach();
    }
    EXPECT_EQ(calls, (std::vector<std::string>{
                         "SetHwndProp(label, -4, 0, live setting, 2)",
                         "SetHwndProp(label, -4, 0, live setting, 1)",
                         "ClearHwndProps(label, -4, 0, live setting, 1)",
                     }));
    EXPECT_EQ(servicesMade, 1);
    EXPECT_EQ(servicesAlive, 0) << "the service is released with the label";
}

TEST_F(LiveRegionTest, WithoutAServiceItIsTriedOnceAndTheAnnouncementsStillGoOut)
{
    LiveRegion region(&FailToMakeServices);
    EXPECT_FALSE(region.AnnounceIfDue(0)) << "no label yet";
    region.Attach(label_);
    region.SetUrgency(LiveRegion::Urgency::Assertive);
    region.SetUrgency(LiveRegion::Urgency::Polite);
    EXPECT_EQ(servicesMade, 1);
    EXPECT_TRUE(region.AnnounceIfDue(1000));
    EXPECT_FALSE(region.AnnounceIfDue(1500));
    EXPECT_TRUE(region.AnnounceIfDue(6000));
    region.Detach();
    EXPECT_TRUE(calls.empty());
}

}  // namespace
