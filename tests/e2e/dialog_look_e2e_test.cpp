// The live dialog's frame and its keyboard order, under real input.
#include "driver.h"

#include "../../resources/resource.h"

namespace {

class DialogLook : public SoundcfgTest {};

// The control that has the focus; a combo box's text field counts as its combo box.
int FocusedControlId(HWND dialog)
{
    HWND focus = FocusedWindow(dialog);
    if (focus == NULL || focus == dialog)
        return 0;
    HWND parent = GetParent(focus);
    if (parent != dialog)
        focus = parent;
    return GetDlgCtrlID(focus);
}

TEST_F(DialogLook, TitleBarHasTheCaptionAndNoCloseBox)
{
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(kDialogCaption, WindowText(dialog));
    LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION) << std::hex << style;
    EXPECT_FALSE(style & WS_SYSMENU) << std::hex << style;
    EXPECT_EQ(nullptr, GetSystemMenu(dialog, FALSE));
    PressOkAndExpectExit(dialog);
}

TEST_F(DialogLook, TabVisitsTheSevenControlsInTemplateOrderAndWraps)
{
    const int kTabOrder[] = {IDOK, IDC_MUSIC_ON, IDC_MUSIC_OFF, IDC_SOUND_ON,
                             IDC_SOUND_OFF, IDC_IO_PORT, IDC_IRQ};
    const int kCount = sizeof kTabOrder / sizeof kTabOrder[0];
    HWND dialog = StartAndWaitForDialog();
    ASSERT_NE(nullptr, dialog);

    int start = FocusedControlId(dialog);
    int position = 0;
    while (position < kCount && kTabOrder[position] != start)
        ++position;
    ASSERT_LT(position, kCount) << "the dialog opened with the focus on control " << start;

    for (int step = 1; step <= kCount; ++step) {
        PressKey(VK_TAB);
        int expected = kTabOrder[(position + step) % kCount];
        EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(dialog) == expected; }, 3000))
            << "after " << step << " Tab presses the focus is on " << FocusedControlId(dialog)
            << ", expected " << expected;
    }
    // Tab never checks a box or changes a text.
    EXPECT_TRUE(IsChecked(dialog, IDC_MUSIC_ON));
    EXPECT_TRUE(IsChecked(dialog, IDC_SOUND_ON));
    EXPECT_EQ(L"220", ControlText(dialog, IDC_IO_PORT));

    PressOkAndExpectExit(dialog);
    ExpectFiles("522000000", "522000");
}

}  // namespace
