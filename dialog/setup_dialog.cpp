// The setup dialog, in which the player edits the sound settings.
#include "setup_dialog.h"

#include "../resources/messages.h"
#include "../resources/resource.h"

static SettingsRecord g_settings = kDefaultSettingsRecord;
static const SetupFilePaths* g_setupFilePaths;

static const char* const kPorts[] = {
    "200", "210", "220", "230", "240", "250", "260",
    "270", "280", "290", "300", "310", "320", "330",
};
static const char* const kIrqs[] = {"5", "7", "9"};

static void AddComboStrings(HWND combo, const char* const* entries, int entryCount)
{
    for (int i = 0; i < entryCount; ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entries[i]));
}

static void InitSetupDialog(HWND window)
{
    SendDlgItemMessageA(window, IDC_MUSIC_ON, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(window, IDC_SOUND_ON, BM_SETCHECK, BST_CHECKED, 0);

    HWND portCombo = GetDlgItem(window, IDC_IO_PORT);
    HWND irqCombo = GetDlgItem(window, IDC_IRQ);
    AddComboStrings(portCombo, kPorts, static_cast<int>(sizeof kPorts / sizeof kPorts[0]));
    AddComboStrings(irqCombo, kIrqs, static_cast<int>(sizeof kIrqs / sizeof kIrqs[0]));
    SendMessageA(portCombo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("220"));
    SendMessageA(irqCombo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("5"));

    g_settings.musicOff = kSwitchOn;
    g_settings.soundOff = kSwitchOn;
}

// A click on one box of a pair sets the switch, clears the partner's check
// mark and enables or disables the combo box the switch governs. The clicked
// box keeps whatever mark the click gave it.
static void ApplySwitch(HWND window, char& setting, char value, int partnerId, int comboId)
{
    setting = value;
    SendDlgItemMessageA(window, partnerId, BM_SETCHECK, BST_UNCHECKED, 0);
    EnableWindow(GetDlgItem(window, comboId), value == kSwitchOn);
}

static void SaveAndClose(HWND window)
{
    // Room for exactly the field's length; the zero fill is the copy rule's NUL padding.
    char portText[sizeof g_settings.ioPort + 1] = {};
    char irqText[sizeof g_settings.irq + 1] = {};
    GetDlgItemTextA(window, IDC_IO_PORT, portText, sizeof portText);
    GetDlgItemTextA(window, IDC_IRQ, irqText, sizeof irqText);
    SetIrqFromText(g_settings, irqText);
    SetPortFromText(g_settings, portText);

    SaveReport report = WriteSetupFiles(g_settings, *g_setupFilePaths);
    char message[kSaveFailureMessageSize];
    if (FormatSaveFailureMessage(report, *g_setupFilePaths, message, sizeof message)) {
        // The box has no owner, so keep a second OK from saving again under it.
        EnableWindow(window, FALSE);
        MessageBoxA(NULL, message, kErrorCaption, MB_OK);
    }
    EndDialog(window, 0);
}

static INT_PTR CALLBACK SetupDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitSetupDialog(window);
        break;
    case WM_COMMAND:
        // Escape and close requests arrive as IDCANCEL and are ignored: OK is
        // the only way out.
        switch (LOWORD(wParam)) {
        case IDC_MUSIC_ON:
            ApplySwitch(window, g_settings.musicOff, kSwitchOn, IDC_MUSIC_OFF, IDC_IO_PORT);
            break;
        case IDC_MUSIC_OFF:
            ApplySwitch(window, g_settings.musicOff, kSwitchOff, IDC_MUSIC_ON, IDC_IO_PORT);
            break;
        case IDC_SOUND_ON:
            ApplySwitch(window, g_settings.soundOff, kSwitchOn, IDC_SOUND_OFF, IDC_IRQ);
            break;
        case IDC_SOUND_OFF:
            ApplySwitch(window, g_settings.soundOff, kSwitchOff, IDC_SOUND_ON, IDC_IRQ);
            break;
        case IDOK:
            SaveAndClose(window);
            break;
        }
        break;
    }
    return FALSE;
}

void RunSetupDialog(HINSTANCE instance, const SetupFilePaths& paths)
{
    g_setupFilePaths = &paths;
    DialogBoxParamA(instance, "IDD_XMS", NULL, SetupDlgProc, 0);
}
