// The countdown's information label as a live region for screen readers. The
// countdown window takes no focus when it comes in by itself (nothing may be
// typed into it by accident), and readers speak what gets the focus: so the
// label says how urgent it is, through the UI Automation live setting, and
// tells the readers when to speak it (EVENT_OBJECT_LIVEREGIONCHANGED). What a
// reader speaks is the label's window text.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <cstdint>
#include <optional>

#include "base/com_ptr.h"

class LiveRegion {
public:
    // AutomationLiveSetting: polite waits for the reader to finish what it is
    // saying; assertive interrupts it.
    enum class Urgency : LONG { Polite = 1, Assertive = 2 };

    // Where the label's properties are set: the system's property service,
    // or a test's.
    using ServicesFactory = HRESULT (*)(IAccPropServices** services);
    static HRESULT CreateSystemServices(IAccPropServices** services);

    explicit LiveRegion(ServicesFactory factory = &CreateSystemServices) : factory_(factory) {}
    ~LiveRegion() { Detach(); }
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

    void Attach(HWND label) { label_ = label; }
    // Clears the label's property; before the label is destroyed.
    void Detach();

    // Sets the label's live setting. The property service (oleacc.dll) is
    // made at the first call, not before: a run that never shows the window
    // loads nothing for it. Where the service fails (Wine's, or none), the
    // announcements still go out, with the reader's own default urgency.
    void SetUrgency(Urgency urgency);
    // Tells readers that the label's text changed, unless the last
    // announcement was less than kAnnouncementIntervalMs before `nowMs`;
    // true when it did.
    bool AnnounceIfDue(std::uint32_t nowMs);

private:
    IAccPropServices* Services();

    HWND label_ = nullptr;
    const ServicesFactory factory_;
    base::ComPtr<IAccPropServices> services_;
    bool servicesTried_ = false;
    bool propertySet_ = false;
    std::optional<Urgency> urgency_;
    std::optional<std::uint32_t> lastAnnouncedMs_;
};
