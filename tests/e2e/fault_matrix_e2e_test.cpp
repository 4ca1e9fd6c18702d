// Faults and bad input, case by case, on the real program: what reaches the
// disk, what the player is told, and the exit code. Each case is a row of the
// fault matrix.
#include "fault_matrix.h"

#include "../../resources/resource.h"

namespace {

// Registry ------------------------------------------------------------------

TEST_F(FaultMatrix, RegistryKeyMissing)
{
    RemoveInstallKey();
    Outcome expected;
    expected.pyma = expected.pym2 = kAbsent;
    expected.dialogShown = false;
    expected.message = kRegistryMissing;
    Check(expected, Run());
}

TEST_F(FaultMatrix, RegistryValueMissingGivesPathsInTheWorkingDirectory)
{
    CreateInstallKeyWithoutValue();
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, RegistryValueEmptyGivesPathsInTheWorkingDirectory)
{
    SetInstallDirectory("");
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, RegistryValueAtThe64ByteLimit)
{
    // The program reads at most 64 bytes: the terminator of a REG_SZ counts,
    // and data that does not fit is no directory at all.
    const struct {
        const char* name;
        size_t length;
        DWORD type;
        bool fits;
    } cases[] = {
        {"64 bytes of REG_BINARY", 64, REG_BINARY, true},
        {"65 bytes of REG_BINARY", 65, REG_BINARY, false},
        {"63 characters of REG_SZ", 63, REG_SZ, true},
        {"64 characters of REG_SZ", 64, REG_SZ, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string directory = Narrow(install_) + "\\" + c.name;
        directory += std::string(c.length - directory.size(), 'd');
        MakeSubDirectories(Widen(directory));
        SetInstallValue(directory.c_str(), static_cast<DWORD>(c.length + (c.type == REG_SZ ? 1 : 0)), c.type);
        if (!c.fits)
            files_ = install_;  // the working directory
        Check(Saved(kDefaultRecord, c.name), Run([&](HWND, Outcome& seen) { seen.note = c.name; }));
        // The next case must not find these.
        DeleteFileW((files_ + L"\\pyma\\setup.sav").c_str());
        DeleteFileW((files_ + L"\\pym2\\setup.sav").c_str());
    }
}

TEST_F(FaultMatrix, RegistryValueLongerThan64BytesGivesPathsInTheWorkingDirectory)
{
    SetInstallDirectory(Narrow(install_) + "\\" + std::string(80, 'x'));
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, RegistryValueOfTypeBinaryIsTakenAsText)
{
    std::string directory = Narrow(install_);
    SetInstallValue(directory.c_str(), static_cast<DWORD>(directory.size() + 1), REG_BINARY);
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, RegistryValueOfTypeDwordIsTakenAsText)
{
    // 0x00000041 is the bytes 41 00 00 00: the relative directory "A".
    DWORD value = 0x41;
    SetInstallValue(&value, sizeof value, REG_DWORD);
    MakeSubDirectories(install_ + L"\\A");
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, RegistryValueOfTypeExpandSzIsNotExpanded)
{
    std::string directory = "%SOUNDCFG_NOT_EXPANDED%";
    SetInstallValue(directory.c_str(), static_cast<DWORD>(directory.size() + 1), REG_EXPAND_SZ);
    MakeSubDirectories(install_ + L"\\%SOUNDCFG_NOT_EXPANDED%");
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, InstallDirectoryEndingInBackslash)
{
    SetInstallDirectory(Narrow(install_) + "\\");
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, InstallDirectoryEndingInSlash)
{
    SetInstallDirectory(Narrow(install_) + "/");
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, InstallDirectoryEndingInBig5CharacterWithTrailByte5C)
{
    // 功 is A5 5C in code page 950.
    MakeSubDirectories(install_ + L"\\\u529f");
    SetInstallDirectory(Narrow(files_));
    workingDirectory_ = install_ + L"\\pyma";  // so a wrong join cannot land by accident
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, InstallDirectoryWithSpacesAndChinese)
{
    // Orvanta 遊戲 資料
    MakeSubDirectories(install_ + L"\\Orvanta \u904a\u6232 \u8cc7\u6599");
    ASSERT_LE(Narrow(files_).size(), 64u) << "longer than the program reads";
    SetInstallDirectory(Narrow(files_));
    Check(Outcome(), Run());
}

// Files ---------------------------------------------------------------------

TEST_F(FaultMatrix, ReadOnlyFilesAreMadeWritableAtStart)
{
    CheckProtectedFilesAreMadeWritable(FILE_ATTRIBUTE_READONLY);
}

TEST_F(FaultMatrix, HiddenFilesAreMadeNormalAtStart)
{
    CheckProtectedFilesAreMadeWritable(FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(FaultMatrix, SystemFilesAreMadeNormalAtStart)
{
    CheckProtectedFilesAreMadeWritable(FILE_ATTRIBUTE_SYSTEM);
}

TEST_F(FaultMatrix, LongerOldFilesAreTruncatedToTheRecord)
{
    WriteFileBytes(files_ + L"\\pyma\\setup.sav", std::string(300, 'z'));
    WriteFileBytes(files_ + L"\\pym2\\setup.sav", std::string(300, 'z'));
    Check(Outcome(), Run());
}

TEST_F(FaultMatrix, MissingSubDirectoryIsSkippedSilentlyUnlessBothAre)
{
    RemoveTree(files_ + L"\\pym2");
    Outcome expected;
    expected.pym2 = kAbsent;
    expected.note = "pym2 missing";
    Check(expected, Run([](HWND, Outcome& seen) { seen.note = "pym2 missing"; }));

    // With both missing, OK saved nothing at all, and says so.
    RemoveTree(files_ + L"\\pyma");
    expected.pyma = kAbsent;
    expected.message = kSaveFailed + L" / <dir>\\pyma\\setup.sav / <dir>\\pym2\\setup.sav";
    expected.note = "both missing";
    Check(expected, Run([](HWND, Outcome& seen) { seen.note = "both missing"; }));
}

TEST_F(FaultMatrix, Pym2HeldOpenWithoutSharingIsNamedInAMessage)
{
    std::wstring pym2 = files_ + L"\\pym2\\setup.sav";
    WriteFileBytes(pym2, "old pym2");
    HANDLE held = CreateFileW(pym2.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Outcome seen = Run();
    CloseHandle(held);
    seen.pym2 = ReadFileBytes(pym2).value_or(kAbsent);

    Outcome expected;
    expected.pym2 = "old pym2";
    expected.message = kSaveFailed + L" / <dir>\\pym2\\setup.sav";
    Check(expected, seen);
}

TEST_F(FaultMatrix, DirectoryNamedSetupSavIsNamedInAMessage)
{
    ASSERT_TRUE(CreateDirectoryW((files_ + L"\\pym2\\setup.sav").c_str(), NULL));
    Outcome expected;
    expected.pym2 = kAbsent;
    expected.message = kSaveFailed + L" / <dir>\\pym2\\setup.sav";
    Check(expected, Run());
}

TEST_F(FaultMatrix, FullDiskIsNamedInAMessage)
{
    Outcome expected;
    expected.pyma = expected.pym2 = "";
    expected.message = kSaveFailed + L" / <dir>\\pyma\\setup.sav / <dir>\\pym2\\setup.sav";
    // The test run mounts a tiny file system, already full, with both sub-directories.
    if (UsePreparedInstall("SOUNDCFG_FULL_DISK", expected))
        Check(expected, Run());
}

// Input ---------------------------------------------------------------------

void TypeIntoCombo(HWND dialog, int comboId, const std::wstring& text)
{
    SelectComboText(dialog, comboId);
    if (text.empty())
        PressKey(VK_DELETE);
    else
        TypeText(text);
    WaitUntil([&] { return ControlText(dialog, comboId) == text; }, 3000);
}

struct TypedCase {
    const char* name;
    const wchar_t* port;
    const wchar_t* irq;
    std::string record;
};

const TypedCase kTypedCases[] = {
    {"letters and digits", L"A1b", L"z", "zA1b00000"},
    {"longer texts are cut", L"12345", L"79", "712300000"},
    {"shorter texts leave NULs", L"x7", L"", std::string("\0" "x7\0" "00000", 9)},
    {"empty fields", L"", L"", std::string("\0\0\0\0" "00000", 9)},
};

TEST_F(FaultMatrix, TypedTexts)
{
    for (const TypedCase& c : kTypedCases) {
        SCOPED_TRACE(c.name);
        Check(Saved(c.record, c.name), Run([&](HWND dialog, Outcome& seen) {
            TypeIntoCombo(dialog, IDC_IO_PORT, c.port);
            TypeIntoCombo(dialog, IDC_IRQ, c.irq);
            seen.note = c.name;
        }));
    }
}

void SetClipboardText(const std::wstring& text)
{
    // The clipboard needs an owner window for SetClipboardData to take.
    HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    EXPECT_NE(nullptr, SetClipboardData(CF_UNICODETEXT, memory));
    CloseClipboard();
    DestroyWindow(owner);
}

TEST_F(FaultMatrix, PastedTexts)
{
    const struct {
        const char* name;
        const wchar_t* clipboard;
        std::string record;
    } cases[] = {
        {"pasted 290", L"290", "529000000"},
        // A single-line field takes the text up to the line break.
        {"pasted text with a line break", L"3\r\n30", std::string("53\0\0" "00000", 9)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetClipboardText(c.clipboard);
        Check(Saved(c.record, c.name), Run([&](HWND dialog, Outcome& seen) {
            std::wstring before = ControlText(dialog, IDC_IO_PORT);
            SelectComboText(dialog, IDC_IO_PORT);
            PressChord(VK_CONTROL, 'V');
            WaitUntil([&] { return ControlText(dialog, IDC_IO_PORT) != before; }, 3000);
            seen.note = c.name;
        }));
    }
}

TEST_F(FaultMatrix, EscapeAltF4AndCloseRequestLeaveTheDialogOpen)
{
    WriteFileBytes(files_ + L"\\pyma\\setup.sav", "old pyma");
    WriteFileBytes(files_ + L"\\pym2\\setup.sav", "old pym2");
    Outcome expected;
    expected.note = "open and unchanged after Escape, Alt+F4 and WM_CLOSE";
    Check(expected, Run([&](HWND dialog, Outcome& seen) {
        PressKey(VK_ESCAPE);
        PressChord(VK_MENU, VK_F4);
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        // Input is handled in order: once this click shows, everything before it was handled.
        ClickControl(dialog, IDC_MUSIC_ON);
        WaitUntil([&] { return !IsChecked(dialog, IDC_MUSIC_ON); }, 3000);
        ClickControl(dialog, IDC_MUSIC_ON);
        WaitUntil([&] { return IsChecked(dialog, IDC_MUSIC_ON); }, 3000);
        bool open = IsWindowVisible(dialog) && program_->WaitForExit(0) == STILL_ACTIVE;
        bool unchanged = ReadFileBytes(files_ + L"\\pyma\\setup.sav") == std::optional<std::string>("old pyma") &&
                         ReadFileBytes(files_ + L"\\pym2\\setup.sav") == std::optional<std::string>("old pym2");
        seen.note = std::string(open ? "open" : "closed") + (unchanged ? " and unchanged" : " and changed") +
                    " after Escape, Alt+F4 and WM_CLOSE";
    }));
}

TEST_F(FaultMatrix, TwoInstancesBothPressOkAndTheLastOneWins)
{
    // The first switches music off, the second keeps the defaults and presses OK last.
    Program first(install_);
    HWND firstDialog = first.WaitForTopWindow(kDialogCaption);
    ASSERT_NE(nullptr, firstDialog);
    ASSERT_TRUE(BringToFront(firstDialog));
    ClickControl(firstDialog, IDC_MUSIC_OFF);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(firstDialog, IDC_MUSIC_OFF); }));

    Outcome expected;
    expected.note = "first instance saved \"522010000\" and exited 0";
    Check(expected, Run([&](HWND, Outcome& seen) {
        BringToFront(firstDialog);
        PressKey(VK_RETURN);
        DWORD firstExit = first.WaitForExit();
        std::string firstPyma = ReadFileBytes(files_ + L"\\pyma\\setup.sav").value_or(kAbsent);
        seen.note = "first instance saved " + ShowBytes(firstPyma) + " and exited " + std::to_string(firstExit);
    }));
}

}  // namespace
