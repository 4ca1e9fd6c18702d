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
    std::string expected;
};

const CopyCase kCopyCases[] = {
    {"list entries", "9", "330", std::string("9330", 4)},
    {"exact letters", "A", "x7z", std::string("Ax7z", 4)},
    {"port two characters", "7", "21", std::string("721\0", 4)},
    {"port one character", "7", "3", std::string("73\0\0", 4)},
    {"empty texts", "", "", std::string("\0\0\0\0", 4)},
    {"longer texts cut", "79", "12345", std::string("7123", 4)},
};

TEST(SettingsRecord, CopyRuleTakesLeadingBytesAndPadsWithNul)
{
    for (const CopyCase& c : kCopyCases) {
        SettingsRecord record = kDefaultSettingsRecord;
        SetIrqFromText(record, c.irqText);
        SetPortFromText(record, c.portText);
        EXPECT_EQ(c.expected + "00000", Bytes(record)) << c.label;
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
