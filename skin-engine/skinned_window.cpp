#include "skinned_window.h"

#include <commctrl.h>

#include <new>

#include "app_mode.h"
#include "base/label_colour_message.h"
#include "base/window_dc.h"
#include "check_box_painter.h"
#include "combo_box_painter.h"
#include "high_contrast.h"
#include "push_button_painter.h"
#include "title_bar.h"

namespace skin {
namespace {

// Marks a window one engine skins, for every engine DLL in the process.
constexpr wchar_t kEngineProperty[] = L"Tolvrin.SkinEngine";
constexpr wchar_t kDetachMessageName[] = L"Tolvrin.SkinEngine.Detach";

// An etched line (SS_ETCHEDHORZ, SS_ETCHEDVERT) draws a white highlight
// whatever WM_CTLCOLORSTATIC answers.
bool IsEtchedLine(HWND control)
{
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    const LONG type = ::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
    return ::lstrcmpiA(className, "Static") == 0 && (type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT);
}


bool IsEditControl(HWND control)
{
    char className[16] = {};
    ::GetClassNameA(control, className, sizeof className);
    return ::lstrcmpiA(className, "Edit") == 0;
}

// A frame of its own only for a window whose border is the thin WS_BORDER
// line (the countdown window); captions and dialog frames stay the system's.
bool HasThinBorderOnly(HWND window)
{
    const LONG style = ::GetWindowLongA(window, GWL_STYLE);
    return (style & WS_CAPTION) == WS_BORDER && (style & WS_THICKFRAME) == 0;
}

// Aligns a tiled background picture in a control's DC with the picture in
// its parent, so that a control filled with the brush continues the parent.
void AlignBrushToParent(HDC dc, HWND control, HWND parent)
{
    POINT origin{0, 0};
    ::MapWindowPoints(control, parent, &origin, 1);
    ::SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
}

// The line in the skin's border colour, one pixel thick, on the skin's
// background. The etched look is a WS_EX_STATICEDGE frame that the static
// control gives itself, so the line lies in the non-client area: the whole
// window is painted at WM_NCPAINT.
LRESULT PaintEtchedLine(HWND control, UINT message, WPARAM wParam, LPARAM lParam, const SkinResources& resources)
{
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (message != WM_NCPAINT && message != WM_PAINT) {
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        ::BeginPaint(control, &paint);
        ::EndPaint(control, &paint);
    }
    const base::WindowDc dc = base::WindowDc::Whole(control);
    if (!dc) {
        return 0;
    }
    RECT whole{};
    ::GetWindowRect(control, &whole);
    POINT origin{whole.left, whole.top};
    ::ScreenToClient(::GetParent(control), &origin);
    ::OffsetRect(&whole, -whole.left, -whole.top);
    ::SetBrushOrgEx(dc.Get(), -origin.x, -origin.y, nullptr);
    ::FillRect(dc.Get(), &whole, resources.Background());
    RECT line = whole;
    if ((::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ETCHEDHORZ) {
        line.bottom = line.top + 1;
    } else {
        line.right = line.left + 1;
    }
    ::SetBkColor(dc.Get(), resources.Colours().border);
    ::ExtTextOutA(dc.Get(), 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
    return 0;
}

}  // namespace

SkinnedWindow::SkinnedWindow(HWND window)
    : handle_(window),
      detachMessage_(::RegisterWindowMessageW(kDetachMessageName)),
      labelColourMessage_(::RegisterWindowMessageA(kLabelColourMessageName))
{
    if (!::IsWindow(window) || ::GetPropW(window, kEngineProperty) != nullptr ||
        !::SetWindowSubclass(window, &SkinnedWindow::SubclassProc, SubclassId(), reinterpret_cast<DWORD_PTR>(this))) {
        return;
    }
    if (!::SetPropW(window, kEngineProperty, reinterpret_cast<HANDLE>(this))) {
        ::RemoveWindowSubclass(window, &SkinnedWindow::SubclassProc, SubclassId());
        return;
    }
    window_ = window;
    SubclassControls();
}

SkinnedWindow::~SkinnedWindow()
{
    if (window_ == nullptr) {
        return;
    }
    HWND window = window_;
    Release();
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool SkinnedWindow::OnWindowThread() const
{
    return ::GetWindowThreadProcessId(handle_, nullptr) == ::GetCurrentThreadId();
}

void SkinnedWindow::Discard(std::unique_ptr<SkinnedWindow> skinned)
{
    if (!skinned || skinned->OnWindowThread()) {
        return;  // deleted here, on the window's thread
    }
    if (::InterlockedCompareExchange(&skinned->lifetime_, kDetached, kDetached) == kDetached) {
        return;  // the window is gone (the usual order): nothing of it is left to hand over
    }
    SkinnedWindow* orphan = skinned.release();
    // Read before the hand-over: from then on the window's thread may delete
    // the object at any moment.
    const HWND window = orphan->handle_;
    const UINT detach = orphan->detachMessage_;
    const UINT_PTR id = orphan->SubclassId();
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                         reinterpret_cast<LPCWSTR>(&SkinnedWindow::SubclassProc), &module);
    if (::InterlockedCompareExchange(&orphan->lifetime_, kOrphaned, kOwned) == kDetached) {
        delete orphan;  // the window is gone, and its thread is done with the object
        return;
    }
    // If the post fails, the window's WM_NCDESTROY still ends the object.
    ::PostMessageW(window, detach, id, 0);
}

void SkinnedWindow::Show(const std::optional<SkinDesign>& design, const std::optional<SkinDesign>& dark,
                         float gamma)
{
    design_ = design;
    darkDesign_ = design ? dark : std::nullopt;
    gamma_ = gamma;
    pictureMade_ = false;
    Refresh();
}

void SkinnedWindow::Refresh()
{
    if (window_ == nullptr) {
        return;
    }
    GiveFontsBack();
    resources_.reset();  // before the picture its brush was made from
    // The app mode is asked anew at every refresh: WM_SETTINGCHANGE with
    // "ImmersiveColorSet" is how Windows says that it changed.
    const bool darkVariant = darkDesign_.has_value() && AppsUseDarkMode();
    if (darkVariant != showsDarkVariant_) {
        showsDarkVariant_ = darkVariant;
        pictureMade_ = false;
    }
    if (!pictureMade_) {
        picture_.Reset();
    }
    const SkinDesign* design = darkVariant ? &*darkDesign_ : (design_ ? &*design_ : nullptr);
    if (design != nullptr && !HighContrastOn()) {
        if (!pictureMade_) {
            picture_.Reset(LoadSkinPicture(*design, gamma_));
            pictureMade_ = true;
        }
        // The window's own font, asked while no skin font answers WM_GETFONT.
        const auto windowFont = reinterpret_cast<HFONT>(::SendMessageW(window_, WM_GETFONT, 0, 0));
        resources_.reset(new (std::nothrow) SkinResources(*design, gamma_, windowFont, picture_.Get()));
        if (resources_) {
            LendFont(resources_->Font());
        }
    }
    UpdateTitleBar();
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// Removes the subclass and deletes the GDI objects, the fonts given back to
// the controls first so that none of them holds a deleted font.
void SkinnedWindow::Release()
{
    GiveFontsBack();
    ReleaseControls();
    if (darkTitleBar_) {
        SetDarkTitleBar(window_, false);
        darkTitleBar_ = false;
    }
    ::RemoveWindowSubclass(window_, &SkinnedWindow::SubclassProc, SubclassId());
    if (::GetPropW(window_, kEngineProperty) == reinterpret_cast<HANDLE>(this)) {
        ::RemovePropW(window_, kEngineProperty);
    }
    resources_.reset();
    picture_.Reset();
    window_ = nullptr;
}

// A title bar only where the window has one; a light look leaves it alone
// unless the engine made it dark before.
void SkinnedWindow::UpdateTitleBar()
{
    const bool hasCaption = (::GetWindowLongW(window_, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    const bool dark = hasCaption && resources_ && IsDarkColour(resources_->Colours().background);
    if (dark != darkTitleBar_) {
        SetDarkTitleBar(window_, dark);
        darkTitleBar_ = dark;
    }
}

void SkinnedWindow::SubclassControls()
{
    for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr && paintedControlCount_ < kMostPaintedControls;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((IsDropDownList(child) || IsEtchedLine(child)) && ::SetWindowSubclass(child, &SkinnedWindow::ControlSubclassProc, SubclassId(),
                                                         reinterpret_cast<DWORD_PTR>(this))) {
            paintedControls_[paintedControlCount_++] = child;
        }
    }
}

// A control that is gone removed its subclass itself at its WM_NCDESTROY.
void SkinnedWindow::ReleaseControls()
{
    for (int i = 0; i < paintedControlCount_; ++i) {
        if (::IsWindow(paintedControls_[i]) && ::GetParent(paintedControls_[i]) == window_) {
            ::RemoveWindowSubclass(paintedControls_[i], &SkinnedWindow::ControlSubclassProc, SubclassId());
        }
    }
    paintedControlCount_ = 0;
}

LRESULT CALLBACK SkinnedWindow::ControlSubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                                    UINT_PTR id, DWORD_PTR self) noexcept
{
    auto* skinned = reinterpret_cast<SkinnedWindow*>(self);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(control, &SkinnedWindow::ControlSubclassProc, id);
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
    if (skinned == nullptr || !skinned->resources_) {
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
    if (IsEtchedLine(control)) {
        return PaintEtchedLine(control, message, wParam, lParam, *skinned->resources_);
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = wParam != 0 ? reinterpret_cast<HDC>(wParam) : ::BeginPaint(control, &paint);
        if (dc != nullptr) {
            PaintDropDownList(control, dc, *skinned->resources_);
        }
        if (wParam == 0) {
            ::EndPaint(control, &paint);
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers every pixel
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN: {
        // The combo box repaints parts of itself outside WM_PAINT here.
        const LRESULT result = ::DefSubclassProc(control, message, wParam, lParam);
        ::InvalidateRect(control, nullptr, FALSE);
        return result;
    }
    default:
        return ::DefSubclassProc(control, message, wParam, lParam);
    }
}

void SkinnedWindow::LendFont(HFONT font)
{
    if (font == nullptr) {
        return;
    }
    for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr && lentFontCount_ < kMostLentFonts;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        lentFonts_[lentFontCount_++] = {child, reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0))};
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

void SkinnedWindow::GiveFontsBack()
{
    for (int i = 0; i < lentFontCount_; ++i) {
        const LentFont& lent = lentFonts_[i];
        if (::IsWindow(lent.control) && ::GetParent(lent.control) == window_) {
            ::SendMessageW(lent.control, WM_SETFONT, reinterpret_cast<WPARAM>(lent.font), FALSE);
        }
    }
    lentFontCount_ = 0;
}

LRESULT CALLBACK SkinnedWindow::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) noexcept
{
    auto* skinned = reinterpret_cast<SkinnedWindow*>(self);
    if (skinned == nullptr || skinned->window_ != window) {
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    return skinned->HandleMessage(message, wParam, lParam);
}

LRESULT SkinnedWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = window_;
    if (message == detachMessage_ && static_cast<UINT_PTR>(wParam) == SubclassId()) {
        // Another thread let go of this object (Discard): end it here, where
        // the subclass can be removed. The object is not touched afterwards.
        if (::InterlockedCompareExchange(&lifetime_, kOrphaned, kOrphaned) == kOrphaned) {
            Release();
            ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            delete this;
        }
        return 0;
    }
    switch (message) {
    case WM_NCDESTROY:
        // The window's last message: the subclass goes before the window. An
        // object its owner let go of on another thread ends here; one that
        // its owner still holds is the owner's to delete, and is not touched
        // after the exchange.
        Release();
        if (::InterlockedCompareExchange(&lifetime_, kDetached, kOwned) == kOrphaned) {
            delete this;
        }
        return ::DefSubclassProc(window, message, wParam, lParam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        // High Contrast switched on or off, or the system colours changed.
        Refresh();
        return ::DefSubclassProc(window, message, wParam, lParam);
    default:
        break;
    }
    if (!resources_) {
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    if (message == labelColourMessage_) {
        return OnLabelColour(wParam);
    }
    switch (message) {
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return OnControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
        if (const LRESULT result = OnNotify(wParam, lParam); result != CDRF_DODEFAULT) {
            return result;
        }
        return ::DefSubclassProc(window, message, wParam, lParam);
    case WM_GETFONT:
        if (HFONT font = resources_->Font()) {
            return reinterpret_cast<LRESULT>(font);
        }
        return ::DefSubclassProc(window, message, wParam, lParam);
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
        const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
        PaintBorder();
        return result;
    }
    default:
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
}

LRESULT SkinnedWindow::OnLabelColour(WPARAM kind) const
{
    const Palette& colours = resources_->Colours();
    return LabelColourAnswer(static_cast<LabelKind>(kind) == LabelKind::Heading ? colours.heading
                                                                               : colours.information);
}

void SkinnedWindow::PaintBackground(HDC dc)
{
    RECT client{};
    ::GetClientRect(window_, &client);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::FillRect(dc, &client, resources_->Background());
}

LRESULT SkinnedWindow::OnControlColour(UINT message, HDC dc, HWND control)
{
    const Palette& colours = resources_->Colours();
    const bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ||
                       (message == WM_CTLCOLORSTATIC && IsEditControl(control));
    if (field) {
        // Disabled and read-only edits ask with WM_CTLCOLORSTATIC.
        ::SetTextColor(dc, colours.fieldText);
        ::SetBkColor(dc, colours.field);
        return reinterpret_cast<LRESULT>(resources_->Field());
    }
    ::SetTextColor(dc, colours.text);
    ::SetBkColor(dc, colours.background);
    ::SetBkMode(dc, TRANSPARENT);
    if (message == WM_CTLCOLORDLG) {
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
    } else {
        AlignBrushToParent(dc, control, window_);
    }
    return reinterpret_cast<LRESULT>(resources_->Background());
}

LRESULT SkinnedWindow::OnNotify(WPARAM, LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr || header->code != NM_CUSTOMDRAW) {
        return CDRF_DODEFAULT;
    }
    const bool pushButton = IsPushButton(header->hwndFrom);
    if (!pushButton && !IsCheckBox(header->hwndFrom)) {
        return CDRF_DODEFAULT;
    }
    const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
    // The button is drawn whole at the erase and at the paint stage: the
    // common controls skip the paint stage when the erase stage is skipped.
    if (draw->dwDrawStage != CDDS_PREERASE && draw->dwDrawStage != CDDS_PREPAINT) {
        return CDRF_DODEFAULT;
    }
    if (pushButton) {
        PaintPushButton(*draw, *resources_);
    } else {
        PaintCheckBox(*draw, *resources_, window_);
    }
    return CDRF_SKIPDEFAULT;
}

void SkinnedWindow::PaintBorder()
{
    if (!HasThinBorderOnly(window_)) {
        return;
    }
    const base::WindowDc dc = base::WindowDc::Whole(window_);
    if (!dc) {
        return;
    }
    RECT frame{};
    ::GetWindowRect(window_, &frame);
    ::OffsetRect(&frame, -frame.left, -frame.top);
    const UniqueBrush border(::CreateSolidBrush(resources_->Colours().border));
    if (border) {
        ::FrameRect(dc.Get(), &frame, border.Get());
    }
}

}  // namespace skin
