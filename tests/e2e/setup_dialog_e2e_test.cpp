// The setup dialog, worked with real input: its first state, check boxes, list picks, OK.
#include "driver.h"

#include "../../resources/resource.h"

namespace {

class SetupDialog : public SoundcfgTest {};

const std::vector<std::wstring> kPorts = {L"200", L"210", L"220", L"230", L"240", L"250", L"260",
                                          L"270", L"280", L"290", L"300", L"310", L"320", L"330"};
const std::vector<std::wstring> kIrqs = {L"5", L"7", L"9"};

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
    // The texts are set, no list entry is selected.
    EXPECT_EQ(CB_ERR, SendDlgItemMessageW(dialog, IDC_IO_PORT, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(CB_ERR, SendDlgItemMessageW(dialog, IDC_IRQ, CB_GETCURSEL, 0, 0));
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

// The four check marks, then whether the port and IRQ fields are enabled.
std::string SwitchState(HWND dialog)
{
    std::string state;
    for (int id : {IDC_MUSIC_ON, IDC_MUSIC_OFF, IDC_SOUND_ON, IDC_SOUND_OFF})
        state += IsChecked(dialog, id) ? "x" : "_";
    for (int id : {IDC_IO_PORT, IDC_IRQ})
        state += IsEnabled(dialog, id) ? " on" : " off";
    return state;
}

TEST_F(SetupDialog, EachClickSetsItsPartnerAndComboBoxAlone)
{
    // Each click comes where clearing the wrong box or switching the wrong
    // combo box would show.
    const struct {
        int id;
        WORD key;  // 0: a mouse click
        const char* state;
    } steps[] = {
        {IDC_SOUND_OFF, 0, "x__x on off"},
        {IDC_MUSIC_OFF, 0, "_x_x off off"},
        {IDC_MUSIC_ON, 0, "x__x on off"},
        {IDC_SOUND_ON, 0, "x_x_ on on"},
        // Clicking a checked box clears it and leaves its partner unchecked.
        {IDC_MUSIC_ON, 0, "__x_ on on"},
        // OFF twice, by mouse and then by the space bar.
        {IDC_SOUND_OFF, 0, "___x on off"},
        {IDC_SOUND_OFF, VK_SPACE, "____ on off"},
    };
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);
    for (const auto& step : steps) {
        if (step.key != 0)
            PressKey(step.key);
        else
            ClickControl(dialog, step.id);
        EXPECT_TRUE(WaitUntil([&] { return SwitchState(dialog) == step.state; }, 3000))
            << "after control " << step.id << ": " << SwitchState(dialog) << ", expected " << step.state;
    }
    PressOkAndExpectExit(dialog);
    ExpectFiles("522001000", "522001");
}

}  // namespace
