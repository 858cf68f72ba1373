// Holds Wine's desktop open for a whole test session. The scripts start it
// in the background before ctest, wait for its "ready" line on standard
// output, and end it afterwards.
//
// Why: Wine closes a desktop one second after its last user process has
// ended (it posts WM_CLOSE to the desktop's explorer.exe and unlinks the
// desktop), and the next process that needs windows starts a new explorer
// and waits for it. Each test is a process of its own, so without a
// permanent user the desktop was torn down and rebuilt around every window
// test; a test process arriving just as the old desktop closed could find
// no desktop window. With this process alive the desktop stays up.
#include <windows.h>

int main()
{
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    // A message-only window: it makes this process a user of the desktop
    // (and starts the desktop if none runs yet), yet no enumeration of
    // top-level windows sees it and it can never be activated.
    const HWND window = ::CreateWindowExA(0, "STATIC", "Tolvrin test desktop keeper", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                          nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    // The desktop window of the session: explorer.exe has started before
    // the scripts go on, so that no test process races this one to start it.
    ::GetDesktopWindow();
    const char ready[] = "ready\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), ready, sizeof ready - 1, &written, nullptr);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&message);
    }
    return 0;
}
