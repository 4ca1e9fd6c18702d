// Finding the game's install directory in the registry and the setup files in it.
#ifndef SOUNDCFG_INSTALL_LOCATION_H
#define SOUNDCFG_INSTALL_LOCATION_H

#include <windows.h>

#include "../settings/setup_files.h"

// Opens the key that holds the install directory, for reading only.
bool OpenInstallKey(HKEY* key);

// Builds both setup-file paths from the install directory under `key`.
void BuildSetupFilePaths(HKEY key, SetupFilePaths& paths);

#endif
