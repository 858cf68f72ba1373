// One window with the engine's look: a subclass of the window
// (SetWindowSubclass) that paints the background and the border, answers the
// controls' WM_CTLCOLOR* requests and the program's text labels' colour
// question, draws push buttons and check boxes through custom draw, paints
// drop-down lists and etched lines (a subclass of each), gives the window's controls the
// skin's font and a dark title bar to a dark look. A skin with a dark variant
// shows it while Windows' apps are in dark mode, and changes when Windows
// says so (WM_SETTINGCHANGE, "ImmersiveColorSet"). Without a skin, or while
// High Contrast is on, every message goes on untouched.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "skin_file.h"
#include "skin_resources.h"

namespace skin {

class SkinnedWindow {
public:
    // Takes the window over; IsAttached() is false when it could not, or when
    // another engine skins the window already (two would each lend and take
    // back the other's font).
    explicit SkinnedWindow(HWND window);
    // Gives the window back its own look, if it still exists. Only on the
    // window's thread: elsewhere, Discard.
    ~SkinnedWindow();
    SkinnedWindow(const SkinnedWindow&) = delete;
    SkinnedWindow& operator=(const SkinnedWindow&) = delete;

    // Lets go of `skinned` from any thread. On the window's own thread it is
    // deleted at once. A subclass can only be removed on its window's thread,
    // so from another thread the window's thread takes it over: it removes the
    // subclass and deletes the object at a posted message, or at the window's
    // WM_NCDESTROY, whichever comes first; the DLL then stays loaded, since
    // the subclass procedure is its code.
    static void Discard(std::unique_ptr<SkinnedWindow> skinned);

    bool IsAttached() const { return window_ != nullptr; }
    bool OnWindowThread() const;

    // Shows `design` after `gamma`, or `dark` (its dark variant, if any) in
    // dark app mode; nothing is the platform's look. Repaints. The picture is
    // made anew; a broadcast or a High Contrast switch keeps it.
    void Show(const std::optional<SkinDesign>& design, const std::optional<SkinDesign>& dark, float gamma);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self) noexcept;
    static LRESULT CALLBACK ControlSubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR id, DWORD_PTR self) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    LRESULT OnLabelColour(WPARAM kind) const;
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    void PaintBackground(HDC dc);
    void PaintBorder();
    void UpdateTitleBar();
    void SubclassControls();
    void ReleaseControls();

    // Makes the GDI objects for the current mode and repaints everything.
    void Refresh();
    void Release();
    // The window's thread ends the object's life if another thread let go.
    bool TakeOverOrphan();
    void GiveFontsBack();
    void LendFont(HFONT font);
    UINT_PTR SubclassId() const { return reinterpret_cast<UINT_PTR>(this); }

    // Who deletes the object: its owner, or the window's thread once the
    // owner let go on another thread (orphaned) or the subclass is gone
    // (detached). Changed with interlocked calls only.
    enum : LONG { kOwned, kOrphaned, kDetached };
    LONG volatile lifetime_ = kOwned;
    // The window as it was given, for the posted message; never changes.
    HWND handle_ = nullptr;
    UINT detachMessage_ = 0;
    UINT labelColourMessage_ = 0;

    HWND window_ = nullptr;
    std::optional<SkinDesign> design_;
    std::optional<SkinDesign> darkDesign_;
    float gamma_ = 0.0f;
    // Whether the dark variant shows, so that a switch makes its picture.
    bool showsDarkVariant_ = false;
    // Set while the engine asked for a dark title bar, to give it back.
    bool darkTitleBar_ = false;
    // The processed picture, kept while the skin and gamma stay.
    UniqueBitmap picture_;
    bool pictureMade_ = false;
    // Null while the platform's look shows.
    std::unique_ptr<SkinResources> resources_;
    // The fonts the window's controls had before the skin's font. A dialog
    // has far fewer controls; any beyond keep their own font.
    static constexpr int kMostLentFonts = 128;
    struct LentFont {
        HWND control;
        HFONT font;
    };
    LentFont lentFonts_[kMostLentFonts] = {};
    int lentFontCount_ = 0;
    // The controls painted through a subclass of their own.
    static constexpr int kMostPaintedControls = 16;
    HWND paintedControls_[kMostPaintedControls] = {};
    int paintedControlCount_ = 0;
};

}  // namespace skin
