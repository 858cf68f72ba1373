#include "countdown/information_fit_window.h"

#include "controls/label_format.h"
#include "countdown/information_fit.h"
#include "ui/placement.h"
#include "base/window_dc.h"
#include "text/wide_text.h"

namespace {

SIZE SizeOf(const RECT& rect)
{
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

RECT ChildRect(ui::Window window, ui::Window child)
{
    RECT rect = ui::WindowRect(child);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE MeasureLabelText(const TextLabel& label, LONG width)
{
    RECT rect{0, 0, width, 0};
    const base::WindowDc dc = base::WindowDc::Client(label);
    if (!dc) {
        return SIZE{};
    }
    const HGDIOBJ previous = label.Font() != nullptr ? ::SelectObject(dc.Get(), label.Font()) : nullptr;
    // Measured as the label paints it: as UTF-16.
    const std::wstring text = ToWide(label.Text());
    ::DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &rect,
                LabelDrawFormat(static_cast<LONG>(label.Style())) | DT_CALCRECT);
    if (previous != nullptr) {
        ::SelectObject(dc.Get(), previous);
    }
    return SizeOf(rect);
}

void Place(HWND window, const RECT& rect)
{
    ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

}  // namespace

void GrowToFitInformation(ui::Window window, const TextLabel& label)
{
    if (!window.HasWindow() || !label.IsAttached() || label.Text().empty()) {
        return;
    }
    const RECT labelRect = ChildRect(window, label);
    const RECT windowRect = ui::WindowRect(window);
    const RECT area = ui::WorkArea();
    const SIZE growth = InformationGrowth(SizeOf(labelRect), MeasureLabelText(label, SizeOf(labelRect).cx),
                                          SizeOf(windowRect), SizeOf(area));
    if (growth.cx == 0 && growth.cy == 0) {
        return;
    }
    // The controls first, in the old client area, then the window around them.
    for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        Place(child, MovedControlRect(ChildRect(window, child), labelRect, growth));
    }
    Place(window, GrownWindowRect(windowRect, growth));
}
