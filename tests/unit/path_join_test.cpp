// Joining the install directory and a setup file's sub-path.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include "../../app/path_join.h"

namespace {

bool NoLeadBytes(unsigned char)
{
    return false;
}

// Code page 950 (Big5): lead bytes 0x81 to 0xFE.
bool Big5LeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

struct JoinCase {
    const char* label;
    const char* directory;
    const char* expected;
};

const JoinCase kJoinCases[] = {
    {"plain directory", "D:\\GAME", "D:\\GAME\\pyma\\setup.sav"},
    {"ends in backslash", "D:\\GAME\\", "D:\\GAME\\pyma\\setup.sav"},
    {"ends in slash", "D:\\GAME/", "D:\\GAME/pyma\\setup.sav"},
    {"empty directory", "", "pyma\\setup.sav"},
    {"drive root", "C:\\", "C:\\pyma\\setup.sav"},
    // 功 is A5 5C: its trail byte is not a separator.
    {"Big5 character with 5C trail byte", "D:\\\xa5\x5c", "D:\\\xa5\x5c\\pyma\\setup.sav"},
    // 遊戲 then a real backslash.
    {"Big5 text then backslash", "D:\\\xb9\x43\xc0\xb8\\", "D:\\\xb9\x43\xc0\xb8\\pyma\\setup.sav"},
    // 許功 ends in a 5C trail byte preceded by another one.
    {"two 5C trail bytes", "D:\\\xb3\x5c\xa5\x5c", "D:\\\xb3\x5c\xa5\x5c\\pyma\\setup.sav"},
    // A lone lead byte at the end has no trail byte to pair with.
    {"lone lead byte", "D:\\A\xa5", "D:\\A\xa5\\pyma\\setup.sav"},
};

TEST(PathJoin, SeparatorDependsOnLastCharacterInBig5)
{
    for (const JoinCase& c : kJoinCases) {
        // The bytes past the text are not zero, so the join must end it itself.
        char path[256] = {};
        memset(path, 'Z', sizeof path - 1);
        snprintf(path, sizeof path, "%s", c.directory);
        EXPECT_TRUE(AppendPathComponent(path, sizeof path, "pyma\\setup.sav", Big5LeadByte)) << c.label;
        EXPECT_STREQ(c.expected, path) << c.label;
    }
}

TEST(PathJoin, SingleByteCodePageTakesA5And5CAsTwoCharacters)
{
    char path[256] = "D:\\\xa5\x5c";
    EXPECT_TRUE(AppendPathComponent(path, sizeof path, "pym2\\setup.sav", NoLeadBytes));
    EXPECT_STREQ("D:\\\xa5\x5cpym2\\setup.sav", path);
}

TEST(PathJoin, LongestInstallDirectoryFits)
{
    char path[256] = {};
    memset(path, 'x', 64);
    ASSERT_TRUE(AppendPathComponent(path, sizeof path, "pyma\\setup.sav", Big5LeadByte));
    EXPECT_EQ(79u, strlen(path));
}

TEST(PathJoin, ResultThatDoesNotFitLeavesPathUnchanged)
{
    // "ab" + "\" + "cd" + NUL needs 6 bytes.
    char tight[6] = "ab";
    EXPECT_TRUE(AppendPathComponent(tight, sizeof tight, "cd", NoLeadBytes));
    EXPECT_STREQ("ab\\cd", tight);

    char small[5] = "ab";
    EXPECT_FALSE(AppendPathComponent(small, sizeof small, "cd", NoLeadBytes));
    EXPECT_STREQ("ab", small);
}

}  // namespace
