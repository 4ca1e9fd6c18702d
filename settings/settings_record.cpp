// The copy rule that moves the dialog's texts into the settings record.
#include "settings_record.h"

#include <stddef.h>

static void CopyTextField(char* field, size_t fieldLength, const char* text)
{
    size_t i = 0;
    for (; i < fieldLength && text[i] != '\0'; ++i)
        field[i] = text[i];
    for (; i < fieldLength; ++i)
        field[i] = '\0';
}

void SetIrqFromText(SettingsRecord& record, const char* text)
{
    CopyTextField(&record.irq, 1, text);
}

void SetPortFromText(SettingsRecord& record, const char* text)
{
    CopyTextField(record.ioPort, sizeof record.ioPort, text);
}
