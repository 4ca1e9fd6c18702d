// Writing the settings record into the two setup.sav files the game reads.
#ifndef SOUNDCFG_SETUP_FILES_H
#define SOUNDCFG_SETUP_FILES_H

#include <stddef.h>

#include "settings_record.h"

// The pyma file receives the whole record, the pym2 file its first six bytes.
const size_t kPymaByteCount = sizeof(SettingsRecord);
const size_t kPym2ByteCount = 6;

struct SetupFilePaths {
    char pyma[256];
    char pym2[256];
};

enum SaveOutcome {
    kSaved,
    kNoDirectory,  // its sub-directory is missing: told only when the other's is too
    kNotSaved,     // opening, writing or closing failed
};

struct SaveReport {
    SaveOutcome pyma;
    SaveOutcome pym2;
};

// Each file is truncated and written with one open, one write and one close.
SaveReport WriteSetupFiles(const SettingsRecord& record, const SetupFilePaths& paths);

// Room for the intro line and both paths, each on a line of its own.
const size_t kSaveFailureMessageSize = 640;

// Fills `text` with the message that names every file left unsaved, or both
// files when neither sub-directory exists; returns false, leaving `text`
// empty, when there is nothing to tell the player.
bool FormatSaveFailureMessage(const SaveReport& report, const SetupFilePaths& paths,
                              char* text, size_t size);

#endif
