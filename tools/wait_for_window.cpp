// Waits up to 30 seconds for a dialog with the given caption to be shown, then
// prints its frame as WIDTHxHEIGHT+X+Y and exits 0; exits 1 if it never shows.
// Lets scripts act on a window once it is up.
#include <windows.h>
#include <shellapi.h>

#include <stdio.h>

int main()
{
    // The caption in UTF-16, whatever the code page.
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == NULL || argc != 2) {
        fprintf(stderr, "usage: wait_for_window CAPTION\n");
        return 2;
    }
    for (int waited = 0; waited < 30000; waited += 50) {
        HWND window = FindWindowW(L"#32770", argv[1]);
        RECT frame;
        if (window != NULL && IsWindowVisible(window) && GetWindowRect(window, &frame)) {
            printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left,
                   frame.top);
            return 0;
        }
        Sleep(50);
    }
    fprintf(stderr, "wait_for_window: no window appeared\n");
    return 1;
}
