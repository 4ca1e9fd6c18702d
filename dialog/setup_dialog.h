// The setup dialog, in which the player edits the sound settings.
#ifndef SOUNDCFG_SETUP_DIALOG_H
#define SOUNDCFG_SETUP_DIALOG_H

#include <windows.h>

#include "../settings/setup_files.h"

// Runs the dialog modally. OK, its only way out, saves the settings to both
// files in `paths`, which must stay valid until the call returns.
void RunSetupDialog(HINSTANCE instance, const SetupFilePaths& paths);

#endif
