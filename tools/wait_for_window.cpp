// Waits up to 30 seconds for a dialog with the given caption to be shown;
// exits 0 once it is, 1 if it never is. Lets scripts act once a window is up.
#include <windows.h>

#include <stdio.h>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: wait_for_window CAPTION\n");
        return 2;
    }
    for (int waited = 0; waited < 30000; waited += 50) {
        HWND window = FindWindowW(L"#32770", argv[1]);
        if (window != NULL && IsWindowVisible(window))
            return 0;
        Sleep(50);
    }
    return 1;
}
