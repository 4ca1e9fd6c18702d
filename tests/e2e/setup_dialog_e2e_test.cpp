// The setup dialog, worked with real input: check boxes, combo boxes, OK, saving.
#include "driver.h"

#include "../../resources/resource.h"

namespace {

class SetupDialog : public SoundcfgTest {};

const std::vector<std::wstring> kPorts = {L"200", L"210", L"220", L"230", L"240", L"250", L"260",
                                          L"270", L"280", L"290", L"300", L"310", L"320", L"330"};
const std::vector<std::wstring> kIrqs = {L"5", L"7", L"9"};

// 無法寫入設定檔:
const wchar_t kSaveFailedText[] = L"\u7121\u6cd5\u5beb\u5165\u8a2d\u5b9a\u6a94:";

TEST_F(SetupDialog, OpensWithDefaultsAndOkWritesThem)
{
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);

    EXPECT_TRUE(IsChecked(dialog, IDC_MUSIC_ON));
    EXPECT_FALSE(IsChecked(dialog, IDC_MUSIC_OFF));
    EXPECT_TRUE(IsChecked(dialog, IDC_SOUND_ON));
    EXPECT_FALSE(IsChecked(dialog, IDC_SOUND_OFF));
    EXPECT_TRUE(IsEnabled(dialog, IDC_IO_PORT));
    EXPECT_TRUE(IsEnabled(dialog, IDC_IRQ));
    EXPECT_EQ(L"220", ControlText(dialog, IDC_IO_PORT));
    EXPECT_EQ(L"5", ControlText(dialog, IDC_IRQ));
    EXPECT_EQ(kPorts, ComboEntries(dialog, IDC_IO_PORT));
    EXPECT_EQ(kIrqs, ComboEntries(dialog, IDC_IRQ));
    EXPECT_EQ(nullptr, program_->FindTopWindow(kErrorCaption));

    PressOkAndExpectExit(dialog);
    ExpectFiles("522000000", "522000");
}

// Drops the list with F4, walks down to its last entry and takes it with Enter.
void PickLastListEntry(HWND dialog, int comboId, const std::vector<std::wstring>& entries)
{
    SelectComboText(dialog, comboId);
    PressKey(VK_F4);
    for (size_t i = 0; i < entries.size(); ++i)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(dialog, comboId) == entries.back(); }))
        << "combo box " << comboId << " shows " << Narrow(ControlText(dialog, comboId));
}

TEST_F(SetupDialog, BothOffWithLastListEntriesWritesThem)
{
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);
    PickLastListEntry(dialog, IDC_IO_PORT, kPorts);
    PickLastListEntry(dialog, IDC_IRQ, kIrqs);

    ClickControl(dialog, IDC_MUSIC_OFF);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(dialog, IDC_MUSIC_OFF); }));
    EXPECT_FALSE(IsChecked(dialog, IDC_MUSIC_ON));
    EXPECT_FALSE(IsEnabled(dialog, IDC_IO_PORT));
    EXPECT_TRUE(IsEnabled(dialog, IDC_IRQ));

    ClickControl(dialog, IDC_SOUND_OFF);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(dialog, IDC_SOUND_OFF); }));
    EXPECT_FALSE(IsChecked(dialog, IDC_SOUND_ON));
    EXPECT_FALSE(IsEnabled(dialog, IDC_IRQ));

    // The greyed fields still give their texts.
    PressOkAndExpectExit(dialog);
    ExpectFiles("933011000", "933011");
}

TEST_F(SetupDialog, ClickingACheckedBoxLeavesBothOfThePairUnchecked)
{
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);

    ClickControl(dialog, IDC_MUSIC_ON);
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(dialog, IDC_MUSIC_ON); }));
    EXPECT_FALSE(IsChecked(dialog, IDC_MUSIC_OFF));
    EXPECT_TRUE(IsEnabled(dialog, IDC_IO_PORT));

    // OFF twice, by mouse and then by the space bar.
    ClickControl(dialog, IDC_SOUND_OFF);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(dialog, IDC_SOUND_OFF); }));
    PressKey(VK_SPACE);
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(dialog, IDC_SOUND_OFF); }));
    EXPECT_FALSE(IsChecked(dialog, IDC_SOUND_ON));
    EXPECT_FALSE(IsEnabled(dialog, IDC_IRQ));

    PressOkAndExpectExit(dialog);
    ExpectFiles("522001000", "522001");
}

void TypeIntoCombo(HWND dialog, int comboId, const std::wstring& text)
{
    SelectComboText(dialog, comboId);
    if (text.empty())
        PressKey(VK_DELETE);
    else
        TypeText(text);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(dialog, comboId) == text; }))
        << "combo box " << comboId << " shows " << Narrow(ControlText(dialog, comboId));
}

struct TypedCase {
    const char* label;
    const wchar_t* port;
    const wchar_t* irq;
    std::string record;
};

const TypedCase kTypedCases[] = {
    {"letters, two-character port, empty IRQ", L"x7", L"", std::string("\0x7\0" "00000", 9)},
    {"longer texts are cut", L"12345", L"79", "712300000"},
    {"letters are not checked against the lists", L"abc", L"Q", "Qabc00000"},
};

TEST_F(SetupDialog, TypedTextsAreWrittenAsTheirFirstBytes)
{
    for (const TypedCase& c : kTypedCases) {
        SCOPED_TRACE(c.label);
        HWND dialog = StartAndWaitForDialog();
        ASSERT_NE(nullptr, dialog);
        TypeIntoCombo(dialog, IDC_IO_PORT, c.port);
        TypeIntoCombo(dialog, IDC_IRQ, c.irq);
        PressOkAndExpectExit(dialog);
        ExpectFiles(c.record, c.record.substr(0, 6));
    }
}

TEST_F(SetupDialog, EscapeAltF4AndCloseRequestLeaveItOpen)
{
    WriteFileBytes(PymaFile(), "old pyma file");
    WriteFileBytes(Pym2File(), "old pym2 file");
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);

    PressKey(VK_ESCAPE);
    PressChord(VK_MENU, VK_F4);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    // Input is handled in order, so once this click shows, the keys before it were handled.
    ClickControl(dialog, IDC_MUSIC_OFF);
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(dialog, IDC_MUSIC_OFF); }));

    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), program_->WaitForExit(0));
    ExpectFiles("old pyma file", "old pym2 file");

    PressOkAndExpectExit(dialog);
    ExpectFiles("522010000", "522010");
}

TEST_F(SetupDialog, LongerOldFilesAreCutToTheRecord)
{
    WriteFileBytes(PymaFile(), std::string(300, 'z'));
    WriteFileBytes(Pym2File(), std::string(300, 'z'));
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);
    PressOkAndExpectExit(dialog);
    ExpectFiles("522000000", "522000");
}

TEST_F(SetupDialog, MissingPym2DirectoryIsSkippedSilently)
{
    RemoveTree(install_ + L"\\pym2");
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);

    PressOkAndExpectExit(dialog);
    EXPECT_EQ(std::optional<std::string>("522000000"), ReadFileBytes(PymaFile()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((install_ + L"\\pym2").c_str()));
}

TEST_F(SetupDialog, UnsavableFileIsNamedInAMessageAndTheOtherIsSaved)
{
    // A directory where the pym2 file belongs cannot be opened for writing.
    ASSERT_TRUE(CreateDirectoryW(Pym2File().c_str(), NULL));
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);
    PressKey(VK_RETURN);

    HWND box = program_->WaitForTopWindow(kErrorCaption);
    ASSERT_NE(nullptr, box) << "no message box named the unsaved file";
    EXPECT_EQ(std::wstring(kSaveFailedText) + L"\n" + Pym2File(), MessageBoxText(box));
    EXPECT_EQ(std::optional<std::string>("522000000"), ReadFileBytes(PymaFile()));

    ASSERT_TRUE(BringToFront(box));
    PressKey(VK_RETURN);
    EXPECT_EQ(0u, program_->WaitForExit());
}

}  // namespace
