// The program's entry: find the game, make its setup files writable, run the dialog.
#include <windows.h>

#include "../dialog/setup_dialog.h"
#include "../resources/messages.h"
#include "../settings/setup_files.h"
#include "install_location.h"

// Built before the dialog opens and unchanged until the program ends.
static SetupFilePaths g_setupFilePaths;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    HKEY installKey;
    if (!OpenInstallKey(&installKey)) {
        MessageBoxA(NULL, kRegistryMissingText, kErrorCaption, MB_OK);
        return 0;
    }
    BuildSetupFilePaths(installKey, g_setupFilePaths);
    RegCloseKey(installKey);

    // The game may have left its files read-only, hidden or system, and the
    // save opens them for writing.
    SetFileAttributesA(g_setupFilePaths.pyma, FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(g_setupFilePaths.pym2, FILE_ATTRIBUTE_NORMAL);

    RunSetupDialog(instance, g_setupFilePaths);
    return 0;
}
