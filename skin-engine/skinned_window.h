// One window with the engine's look: a subclass of the window
// (SetWindowSubclass) that paints the background and the border, answers the
// controls' WM_CTLCOLOR* requests, draws push buttons through custom draw and
// gives the window's controls the skin's font. Without a skin, or while High
// Contrast is on, every message goes on untouched.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "skin_file.h"
#include "skin_resources.h"

namespace skin {

class SkinnedWindow {
public:
    // Takes the window over; IsAttached() is false when it could not.
    explicit SkinnedWindow(HWND window);
    // Gives the window back its own look, if it still exists.
    ~SkinnedWindow();
    SkinnedWindow(const SkinnedWindow&) = delete;
    SkinnedWindow& operator=(const SkinnedWindow&) = delete;

    bool IsAttached() const { return window_ != nullptr; }
    HWND Handle() const { return window_; }

    // Shows `design` after `gamma`; nothing is the platform's look. Repaints.
    void Show(const std::optional<SkinDesign>& design, float gamma);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlColour(UINT message, HDC dc, HWND control);
    LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    void PaintBackground(HDC dc);
    void PaintBorder();

    // Makes the GDI objects for the current mode and repaints everything.
    void Refresh();
    void Release();
    void GiveFontsBack();
    void LendFont(HFONT font);
    UINT_PTR SubclassId() const { return reinterpret_cast<UINT_PTR>(this); }

    HWND window_ = nullptr;
    std::optional<SkinDesign> design_;
    float gamma_ = 0.0f;
    // Null while the platform's look shows.
    std::unique_ptr<SkinResources> resources_;
    // The fonts the window's controls had before the skin's font.
    std::vector<std::pair<HWND, HFONT>> lentFonts_;
};

}  // namespace skin
