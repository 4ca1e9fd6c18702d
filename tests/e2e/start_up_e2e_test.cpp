// Start-up: the registry lookup, the paths it gives, the attribute reset, the failure message.
#include "driver.h"

namespace {

class StartUp : public SoundcfgTest {};

// 找不到註冊的資訊,此程式無法執行!!
const wchar_t kRegistryMissingText[] =
    L"\u627e\u4e0d\u5230\u8a3b\u518a\u7684\u8cc7\u8a0a,\u6b64\u7a0b\u5f0f\u7121\u6cd5\u57f7\u884c!!";

TEST_F(StartUp, MissingKeyShowsTheMessageAndTouchesNothing)
{
    RemoveInstallKey();
    // Started in the install directory, so relative paths would land in its sub-directories.
    program_.emplace(install_);
    HWND box = program_->WaitForTopWindow(kErrorCaption);
    ASSERT_NE(nullptr, box) << "no message box for the missing key";
    EXPECT_EQ(kRegistryMissingText, MessageBoxText(box));
    EXPECT_EQ(nullptr, program_->FindTopWindow(kDialogCaption));

    ASSERT_TRUE(BringToFront(box));
    PressKey(VK_RETURN);
    EXPECT_EQ(0u, program_->WaitForExit());
    EXPECT_EQ(nullptr, program_->FindTopWindow(kDialogCaption));
    EXPECT_EQ(std::nullopt, ReadFileBytes(PymaFile()));
    EXPECT_EQ(std::nullopt, ReadFileBytes(Pym2File()));
}

TEST_F(StartUp, NoInstallDirectoryMeansPathsRelativeToTheWorkingDirectory)
{
    const struct {
        const char* label;
        std::function<void()> registerIt;
    } cases[] = {
        {"value missing", CreateInstallKeyWithoutValue},
        {"value empty", [] { SetInstallDirectory(""); }},
        // Too long for the 64-byte limit: the query fails.
        {"value too long", [] { SetInstallDirectory(std::string(100, 'q')); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        DeleteFileW(PymaFile().c_str());
        DeleteFileW(Pym2File().c_str());
        c.registerIt();
        HWND dialog = StartAndWaitForDialog(install_);
        ASSERT_NE(nullptr, dialog);
        PressOkAndExpectExit(dialog);
        ExpectFiles("522000000", "522000");
    }
}

TEST_F(StartUp, InstallDirectorySpellingsFindTheSameSubDirectories)
{
    const struct {
        const char* label;
        std::string registrySuffix;
        std::wstring directorySuffix;
    } cases[] = {
        {"ends in a backslash", "\\", L""},
        {"ends in a slash", "/", L""},
        // 功 is A5 5C in Big5; its trail byte is not a separator.
        {"ends in a Big5 character with trail byte 5C", "\\\xa5\x5c", L"\\\u529f"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::wstring directory = install_ + c.directorySuffix;
        CreateDirectoryW(directory.c_str(), NULL);
        CreateDirectoryW((directory + L"\\pyma").c_str(), NULL);
        CreateDirectoryW((directory + L"\\pym2").c_str(), NULL);
        DeleteFileW((directory + L"\\pyma\\setup.sav").c_str());
        DeleteFileW((directory + L"\\pym2\\setup.sav").c_str());
        SetInstallDirectory(Narrow(install_) + c.registrySuffix);

        // Started elsewhere, so a wrong join cannot find these by accident.
        HWND dialog = StartAndWaitForDialog(install_ + L"\\pyma");
        ASSERT_NE(nullptr, dialog);
        PressOkAndExpectExit(dialog);
        EXPECT_EQ(std::optional<std::string>("522000000"),
                  ReadFileBytes(directory + L"\\pyma\\setup.sav"));
        EXPECT_EQ(std::optional<std::string>("522000"), ReadFileBytes(directory + L"\\pym2\\setup.sav"));
    }
}

TEST_F(StartUp, ProtectedFilesAreMadeNormalBeforeAnyInput)
{
    const DWORD kProtected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    for (const std::wstring& file : {PymaFile(), Pym2File()}) {
        WriteFileBytes(file, "old");
        ASSERT_TRUE(SetFileAttributesW(file.c_str(), kProtected));
        ASSERT_EQ(kProtected, GetFileAttributesW(file.c_str()) & kProtected) << Narrow(file);
    }

    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);
    for (const std::wstring& file : {PymaFile(), Pym2File()})
        EXPECT_EQ(0u, GetFileAttributesW(file.c_str()) & kProtected) << Narrow(file);

    PressOkAndExpectExit(dialog);
    ExpectFiles("522000000", "522000");
}

}  // namespace
