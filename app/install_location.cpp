// Finding the game's install directory in the registry and the setup files in it.
#include "install_location.h"

#include <string.h>

#include "path_join.h"

static const char kInstallKeyPath[] = ".Default\\software\\quillmar\\veltrin";
static const char kInstallValueName[] = "veltrin";
static const DWORD kInstallDirectoryLimit = 64;

static const char kPymaSubPath[] = "pyma\\setup.sav";
static const char kPym2SubPath[] = "pym2\\setup.sav";

bool OpenInstallKey(HKEY* key)
{
    // Read access is all the program needs, and all that a standard user
    // holds on HKEY_USERS\.Default.
    return RegOpenKeyExA(HKEY_USERS, kInstallKeyPath, 0, KEY_READ, key) == ERROR_SUCCESS;
}

static bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

// The value's data is taken as text whatever its registry type. `path` is
// zero-filled, so data of the full 64 bytes without a NUL still ends there.
static void BuildSetupFilePath(HKEY key, const char* subPath, char (&path)[256])
{
    memset(path, 0, sizeof path);
    DWORD type = 0;
    DWORD size = kInstallDirectoryLimit;
    LONG result = RegQueryValueExA(key, kInstallValueName, NULL, &type,
                                   reinterpret_cast<BYTE*>(path), &size);
    // A missing value, or one too long for the limit, leaves the buffer
    // untouched or undefined: both mean "no install directory".
    if (result != ERROR_SUCCESS)
        memset(path, 0, sizeof path);

    // At most 64 + 1 + 14 bytes, so the join always fits.
    AppendPathComponent(path, sizeof path, subPath, IsAnsiLeadByte);
}

void BuildSetupFilePaths(HKEY key, SetupFilePaths& paths)
{
    BuildSetupFilePath(key, kPymaSubPath, paths.pyma);
    BuildSetupFilePath(key, kPym2SubPath, paths.pym2);
}
