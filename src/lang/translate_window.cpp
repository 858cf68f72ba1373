#include "lang/translate_window.h"

#include <exception>

void TranslateWindowText(const LanguageTable& table, ui::Window window)
{
    // Runs inside EnumChildWindows and WM_INITDIALOG: an exception (out of
    // memory for the 64 KB lookup buffer) must not unwind through the
    // system's frames. The window then keeps its key.
    try {
        const std::string key = window.Text();
        if (key.empty()) {
            return;
        }
        const std::string text = table.Lookup(key, true);
        if (!text.empty()) {
            window.SetText(text);
        }
    } catch (const std::exception&) {
    }
}

BOOL CALLBACK TranslateChild(HWND window, LPARAM context)
{
    if (context != 0) {
        TranslateWindowText(*reinterpret_cast<const LanguageTable*>(context), window);
    }
    return TRUE;
}

BOOL LanguageTable::TranslateWindow(ui::Window window) const
{
    // EnumChildWindows with a null parent walks every top-level window of
    // the desktop, other programs' included.
    if (!window.HasWindow()) {
        return FALSE;
    }
    TranslateWindowText(*this, window);
    return EnumChildWindows(window, TranslateChild, reinterpret_cast<LPARAM>(this));
}
