// The record's defaults and the copy rule for the dialog's texts.
#include <gtest/gtest.h>

#include <string>

#include "../../settings/settings_record.h"

namespace {

std::string Bytes(const SettingsRecord& record)
{
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

TEST(SettingsRecord, DefaultIsIrq5Port220AllOn)
{
    EXPECT_EQ("522000000", Bytes(kDefaultSettingsRecord));
}

struct CopyCase {
    const char* label;
    const char* irqText;
    const char* portText;
    char expected[4];  // irq, then ioPort
};

const CopyCase kCopyCases[] = {
    {"list entries", "9", "330", {'9', '3', '3', '0'}},
    {"exact letters", "A", "x7z", {'A', 'x', '7', 'z'}},
    {"port two characters", "7", "21", {'7', '2', '1', '\0'}},
    {"port one character", "7", "3", {'7', '3', '\0', '\0'}},
    {"empty texts", "", "", {'\0', '\0', '\0', '\0'}},
    {"longer texts cut", "79", "12345", {'7', '1', '2', '3'}},
};

TEST(SettingsRecord, CopyRuleTakesLeadingBytesAndPadsWithNul)
{
    for (const CopyCase& c : kCopyCases) {
        // The port first: each setter must leave the other's field alone.
        SettingsRecord record = kDefaultSettingsRecord;
        SetPortFromText(record, c.portText);
        SetIrqFromText(record, c.irqText);
        EXPECT_EQ(std::string(c.expected, 4) + "00000", Bytes(record)) << c.label;
    }
}

TEST(SettingsRecord, ShorterTextClearsWhatALongerOneLeft)
{
    SettingsRecord record = kDefaultSettingsRecord;
    SetPortFromText(record, "330");
    SetPortFromText(record, "2");
    EXPECT_EQ(std::string("52\0\0", 4) + "00000", Bytes(record));
}

}  // namespace
