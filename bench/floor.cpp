// The floor the startup benchmark measures soundcfg against: the least a
// program can do to show soundcfg's dialog template, with nothing else at
// start and nothing in the dialog procedure but closing on OK.
#include <windows.h>

static INT_PTR CALLBACK FloorDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK)
        EndDialog(window, 0);
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, "IDD_XMS", NULL, FloorDlgProc, 0);
    return 0;
}
