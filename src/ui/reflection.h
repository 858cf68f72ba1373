// Reflection of control notifications: a parent that does not handle a
// notification sends it back to the control that sent it, as message + 0x2000,
// so that a control class can react to its own notifications.
#pragma once

#include <windows.h>

namespace ui {

constexpr UINT kReflectedMessageBase = 0x2000;

// The control a notification came from, or null when the message is not a
// control notification (WM_COMMAND from a menu or an accelerator has none).
HWND NotificationSender(UINT message, WPARAM wParam, LPARAM lParam);

// Sends the notification back to its control. Returns false when the message is
// not a control notification or the control left it unanswered (result 0).
bool ReflectNotification(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace ui
