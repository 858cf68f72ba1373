#include "countdown/live_region.h"

#include "countdown/announcement_throttle.h"

namespace {

// Declared here: MinGW's headers lack both. The live setting's property of UI
// Automation ({c12bcd8e-2a8e-4950-8ae7-3625111d58eb}), which the property
// service also takes as an MSAA property, and the WinEvent of Windows 8.
constexpr MSAAPROPID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr DWORD kEventLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

}  // namespace

HRESULT LiveRegion::CreateSystemServices(IAccPropServices** services)
{
    return ::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                              reinterpret_cast<void**>(services));
}

IAccPropServices* LiveRegion::Services()
{
    if (!servicesTried_) {
        servicesTried_ = true;
        if (FAILED(factory_(services_.Put()))) {
            services_.Reset();
        }
    }
    return services_.Get();
}

void LiveRegion::SetUrgency(Urgency urgency)
{
    if (label_ == nullptr || urgency_ == urgency) {
        return;
    }
    urgency_ = urgency;
    IAccPropServices* services = Services();
    if (services == nullptr) {
        return;
    }
    // Zeroed rather than VariantInit: that is OLE Automation's, which a run
    // without a skin never loads.
    VARIANT value{};
    V_VT(&value) = VT_I4;
    V_I4(&value) = static_cast<LONG>(urgency);
    if (SUCCEEDED(services->SetHwndProp(label_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        kLiveSettingProperty, value))) {
        propertySet_ = true;
    }
}

bool LiveRegion::AnnounceIfDue(std::uint32_t nowMs)
{
    if (label_ == nullptr || !IsAnnouncementDue(lastAnnouncedMs_, nowMs)) {
        return false;
    }
    lastAnnouncedMs_ = nowMs;
    // The label's window, as an accessible object of its own: readers ask it
    // for its name, which is the window text.
    ::NotifyWinEvent(kEventLiveRegionChanged, label_, OBJID_CLIENT, CHILDID_SELF);
    return true;
}

void LiveRegion::Detach()
{
    // Annotations belong to the window handle, not to the window: cleared
    // before the label goes, which also frees what the service holds for it.
    if (propertySet_ && services_) {
        services_->ClearHwndProps(label_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &kLiveSettingProperty, 1);
    }
    propertySet_ = false;
    services_.Reset();
    servicesTried_ = false;
    urgency_.reset();
    label_ = nullptr;
}
