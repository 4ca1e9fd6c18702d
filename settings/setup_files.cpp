// Writing the settings record into the two setup.sav files the game reads.
#include "setup_files.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

#include "../resources/messages.h"

static SaveOutcome WriteSetupFile(const char* path, const SettingsRecord& record, size_t count)
{
    // "w+t": read and write, shared, created with normal attributes and
    // truncated when it exists. The record holds no line feed, so text mode
    // writes its bytes unchanged.
    FILE* file = fopen(path, "w+t");
    if (file == NULL)
        return errno == ENOENT ? kNoDirectory : kNotSaved;

    bool saved = fwrite(&record, 1, count, file) == count;
    // The bytes reach the disk at the flush; some runtimes' fclose hides a
    // failed final flush, so flush first and look at both results.
    saved = fflush(file) == 0 && saved;
    saved = fclose(file) == 0 && saved;
    return saved ? kSaved : kNotSaved;
}

SaveReport WriteSetupFiles(const SettingsRecord& record, const SetupFilePaths& paths)
{
    SaveReport report;
    report.pyma = WriteSetupFile(paths.pyma, record, kPymaByteCount);
    report.pym2 = WriteSetupFile(paths.pym2, record, kPym2ByteCount);
    return report;
}

static void AppendLine(char* text, size_t size, const char* line)
{
    size_t used = strlen(text);
    if (used > 0 && used + 1 < size)
        text[used++] = '\n';
    size_t room = size - used - 1;
    size_t length = strlen(line);
    if (length > room)
        length = room;
    memcpy(text + used, line, length);
    text[used + length] = '\0';
}

bool FormatSaveFailureMessage(const SaveReport& report, const SetupFilePaths& paths,
                              char* text, size_t size)
{
    text[0] = '\0';
    // One missing sub-directory is skipped in silence; with both missing, OK
    // saved nothing at all, and the player must not take it for a save.
    bool nothingSaved = report.pyma == kNoDirectory && report.pym2 == kNoDirectory;
    bool namePyma = report.pyma == kNotSaved || nothingSaved;
    bool namePym2 = report.pym2 == kNotSaved || nothingSaved;
    if (!namePyma && !namePym2)
        return false;
    AppendLine(text, size, kSaveFailedText);
    if (namePyma)
        AppendLine(text, size, paths.pyma);
    if (namePym2)
        AppendLine(text, size, paths.pym2);
    return true;
}
