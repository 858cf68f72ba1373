// Per-class message tables: each window class lists the messages it handles
// (and, for WM_COMMAND, the control id) next to the member that handles them.
// Whatever no entry takes falls to the platform's default processing.
#pragma once

#include <windows.h>

#include <cstddef>

namespace ui {

template <typename Owner>
struct MessageEntry {
    UINT message;
    // For WM_COMMAND: the control or menu id in the low word of wParam.
    // Ignored for every other message.
    UINT id;
    // A handler that clears `handled` declines the message, which then goes on
    // to the next matching entry and finally to default processing.
    LRESULT (Owner::*handler)(WPARAM wParam, LPARAM lParam, bool& handled);
};

template <typename Owner, std::size_t Count>
bool DispatchMessageTable(Owner& owner, const MessageEntry<Owner> (&table)[Count], UINT message,
                          WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    for (const MessageEntry<Owner>& entry : table) {
        if (entry.message != message) {
            continue;
        }
        if (message == WM_COMMAND && entry.id != LOWORD(wParam)) {
            continue;
        }
        bool handled = true;
        const LRESULT handlerResult = (owner.*entry.handler)(wParam, lParam, handled);
        if (handled) {
            result = handlerResult;
            return true;
        }
    }
    return false;
}

}  // namespace ui
