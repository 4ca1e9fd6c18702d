// The nine-character record that tells the game how to play music and sound effects.
#ifndef SOUNDCFG_SETTINGS_RECORD_H
#define SOUNDCFG_SETTINGS_RECORD_H

// Laid out byte for byte as the game reads it from setup.sav: no terminator,
// no separator. The fields are bytes, not strings, and may hold NULs.
struct SettingsRecord {
    char irq;          // '5', '7' or '9' when picked from the list
    char ioPort[3];    // "200" to "330" when picked from the list
    char musicOff;     // '0' music on, '1' music off
    char soundOff;     // '0' sound effects on, '1' sound effects off
    char reserved[3];  // always "000"
};

static_assert(sizeof(SettingsRecord) == 9, "the game reads exactly nine bytes");

// "522000000": IRQ 5, port 220, music and sound effects on.
const SettingsRecord kDefaultSettingsRecord = {'5', {'2', '2', '0'}, '0', '0', {'0', '0', '0'}};

const char kSwitchOn = '0';
const char kSwitchOff = '1';

// The dialog's texts go into the record as their first bytes, cut to the
// field's length; a shorter text leaves NULs in the rest of the field.
void SetIrqFromText(SettingsRecord& record, const char* text);
void SetPortFromText(SettingsRecord& record, const char* text);

#endif
