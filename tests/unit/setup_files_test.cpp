// Writing the record into both setup files, and telling which were not saved.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../../resources/messages.h"
#include "../../settings/setup_files.h"

namespace fs = std::filesystem;

namespace {

class SetupFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() / (std::string("soundcfg-unit-") + test->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "pyma");
        fs::create_directories(root_ / "pym2");
        SetPath(paths_.pyma, root_ / "pyma" / "setup.sav");
        SetPath(paths_.pym2, root_ / "pym2" / "setup.sav");
    }

    void TearDown() override { fs::remove_all(root_); }

    static void SetPath(char (&buffer)[256], const fs::path& path)
    {
        std::string text = path.string();
        ASSERT_LT(text.size(), sizeof buffer);
        memcpy(buffer, text.c_str(), text.size() + 1);
    }

    static std::string ReadBytes(const char* path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    static void WriteBytes(const char* path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path root_;
    SetupFilePaths paths_;
};

TEST_F(SetupFilesTest, DefaultsGiveNineAndSixBytes)
{
    SaveReport report = WriteSetupFiles(kDefaultSettingsRecord, paths_);
    EXPECT_EQ(kSaved, report.pyma);
    EXPECT_EQ(kSaved, report.pym2);
    EXPECT_EQ("522000000", ReadBytes(paths_.pyma));
    EXPECT_EQ("522000", ReadBytes(paths_.pym2));
}

TEST_F(SetupFilesTest, LongerFilesAreTruncatedAndOddBytesKept)
{
    WriteBytes(paths_.pyma, std::string(100, 'z'));
    WriteBytes(paths_.pym2, std::string(100, 'z'));
    // NUL from an empty text and 0x1A, the old end-of-file mark, go out unchanged.
    SettingsRecord record = {'\0', {'9', '\x1a', '\0'}, '1', '1', {'0', '0', '0'}};

    WriteSetupFiles(record, paths_);

    EXPECT_EQ(std::string("\0" "9\x1a\0" "11000", 9), ReadBytes(paths_.pyma));
    EXPECT_EQ(std::string("\0" "9\x1a\0" "11", 6), ReadBytes(paths_.pym2));
}

TEST_F(SetupFilesTest, MissingDirectoryIsSkippedWithoutMessage)
{
    fs::remove_all(root_ / "pym2");

    SaveReport report = WriteSetupFiles(kDefaultSettingsRecord, paths_);

    EXPECT_EQ(kSaved, report.pyma);
    EXPECT_EQ(kNoDirectory, report.pym2);
    EXPECT_EQ("522000000", ReadBytes(paths_.pyma));
    EXPECT_FALSE(fs::exists(root_ / "pym2"));
    char message[kSaveFailureMessageSize];
    EXPECT_FALSE(FormatSaveFailureMessage(report, paths_, message, sizeof message));
    EXPECT_STREQ("", message);
}

TEST_F(SetupFilesTest, UnopenableFileIsNamedInMessage)
{
    // A directory where the file should be cannot be opened for writing.
    fs::create_directories(paths_.pym2);

    SaveReport report = WriteSetupFiles(kDefaultSettingsRecord, paths_);

    EXPECT_EQ(kSaved, report.pyma);
    EXPECT_EQ(kNotSaved, report.pym2);
    EXPECT_EQ("522000000", ReadBytes(paths_.pyma));
    char message[kSaveFailureMessageSize];
    ASSERT_TRUE(FormatSaveFailureMessage(report, paths_, message, sizeof message));
    EXPECT_EQ(std::string(kSaveFailedText) + "\n" + paths_.pym2, message);
}

TEST(SaveFailureMessage, NamesEveryUnsavedFileOnItsOwnLine)
{
    SetupFilePaths paths = {"D:\\GAME\\pyma\\setup.sav", "D:\\GAME\\pym2\\setup.sav"};
    SaveReport both = {kNotSaved, kNotSaved};
    char message[kSaveFailureMessageSize];
    ASSERT_TRUE(FormatSaveFailureMessage(both, paths, message, sizeof message));
    EXPECT_EQ(std::string(kSaveFailedText) + "\nD:\\GAME\\pyma\\setup.sav\nD:\\GAME\\pym2\\setup.sav",
              message);

    SaveReport pymaOnly = {kNotSaved, kNoDirectory};
    ASSERT_TRUE(FormatSaveFailureMessage(pymaOnly, paths, message, sizeof message));
    EXPECT_EQ(std::string(kSaveFailedText) + "\nD:\\GAME\\pyma\\setup.sav", message);

    // Neither sub-directory: OK saved nothing at all, so both are named.
    SaveReport neither = {kNoDirectory, kNoDirectory};
    ASSERT_TRUE(FormatSaveFailureMessage(neither, paths, message, sizeof message));
    EXPECT_EQ(std::string(kSaveFailedText) + "\nD:\\GAME\\pyma\\setup.sav\nD:\\GAME\\pym2\\setup.sav",
              message);
}

TEST(SaveFailureMessage, LongestPathsFitTheMessage)
{
    SetupFilePaths paths;
    memset(paths.pyma, 'a', sizeof paths.pyma - 1);
    paths.pyma[sizeof paths.pyma - 1] = '\0';
    memset(paths.pym2, 'b', sizeof paths.pym2 - 1);
    paths.pym2[sizeof paths.pym2 - 1] = '\0';
    SaveReport both = {kNotSaved, kNotSaved};
    char message[kSaveFailureMessageSize];
    ASSERT_TRUE(FormatSaveFailureMessage(both, paths, message, sizeof message));
    EXPECT_EQ(std::string(kSaveFailedText) + "\n" + paths.pyma + "\n" + paths.pym2, message);
}

}  // namespace
