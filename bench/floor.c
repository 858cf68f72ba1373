/* The benchmark's floor: the least a Win32 program can do and still be a
   countdown like ours. A hidden dialog with a notification-area icon, a 500 ms
   display timer that rewrites a text, and the delay's timer that ends the
   process with 1. Plain C, no C++ runtime, built with the program's flags.
   Command line: ACTION,DELAY, (only DELAY is read).
   Built with FLOOR_WITH_COM (and the program's manifest as a resource), it is
   the floor with the platform pieces that the program takes on before any
   code of its own: COM, initialised first, and the themed controls. */
#include <windows.h>
#include <shellapi.h>
#ifdef FLOOR_WITH_COM
#include <objbase.h>
#endif

enum { TIMER_EXPIRE = 3, TIMER_DISPLAY = 4, IDC_FLOOR_TEXT = 1001, WM_FLOOR_TRAY = WM_APP + 1 };

static DWORD g_delaySeconds;
static DWORD g_startTick;
static NOTIFYICONDATAA g_icon;

static DWORD ReadDelay(const char* line)
{
    DWORD delay = 0;
    while (*line != '\0' && *line != ',') {
        ++line;
    }
    if (*line == ',') {
        ++line;
    }
    while (*line >= '0' && *line <= '9') {
        delay = delay * 10 + (DWORD)(*line - '0');
        ++line;
    }
    return delay;
}

static void ShowRemaining(HWND dialog)
{
    const DWORD elapsed = (GetTickCount() - g_startTick) / 1000;
    const DWORD left = elapsed < g_delaySeconds ? g_delaySeconds - elapsed : 0;
    char text[64];
    wsprintfA(text, "Stand by in\n%d:%02d:%02d", (int)(left / 3600), (int)(left / 60 % 60), (int)(left % 60));
    SetDlgItemTextA(dialog, IDC_FLOOR_TEXT, text);
}

static INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        g_icon.cbSize = sizeof g_icon;
        g_icon.hWnd = dialog;
        g_icon.uID = 1;
        g_icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
        g_icon.uCallbackMessage = WM_FLOOR_TRAY;
        g_icon.hIcon = LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
        lstrcpynA(g_icon.szTip, "Floor", sizeof g_icon.szTip);
        Shell_NotifyIconA(NIM_ADD, &g_icon);
        SetTimer(dialog, TIMER_EXPIRE, g_delaySeconds * 1000, NULL);
        g_startTick = GetTickCount();
        SetTimer(dialog, TIMER_DISPLAY, 500, NULL);
        return FALSE;
    case WM_TIMER:
        if (wParam == TIMER_DISPLAY) {
            ShowRemaining(dialog);
        } else if (wParam == TIMER_EXPIRE) {
            DestroyWindow(dialog);
            PostQuitMessage(1);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(dialog);
            PostQuitMessage(2);
        }
        return TRUE;
    case WM_DESTROY:
        KillTimer(dialog, TIMER_EXPIRE);
        KillTimer(dialog, TIMER_DISPLAY);
        Shell_NotifyIconA(NIM_DELETE, &g_icon);
        return TRUE;
    default:
        return FALSE;
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)show;
#ifdef FLOOR_WITH_COM
    CoInitialize(NULL);
#endif
    g_delaySeconds = ReadDelay(commandLine);
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(100), NULL, FloorProc, 0);
    if (dialog == NULL) {
        return 0;
    }
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return (int)message.wParam;
}
