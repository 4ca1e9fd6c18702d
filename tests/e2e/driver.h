// Helpers that run soundcfg.exe under Wine and work its dialog like a player:
// registry seeding, process control, real mouse and keyboard input, file checks.
#ifndef SOUNDCFG_E2E_DRIVER_H
#define SOUNDCFG_E2E_DRIVER_H

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// soundcfg.exe, from the --program= argument.
extern std::wstring g_programPath;

// The dialog's caption, Orvanta設定程式, and the message boxes' caption, 錯誤.
extern const wchar_t kDialogCaption[];
extern const wchar_t kErrorCaption[];

std::wstring Widen(const std::string& ansi);
// In the ANSI code page unless told otherwise.
std::string Narrow(const std::wstring& wide, UINT codePage = CP_ACP);

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// The install directory as the registry holds it.
void SetInstallValue(const void* data, DWORD size, DWORD type);
void SetInstallDirectory(const std::string& ansiDirectory);
void CreateInstallKeyWithoutValue();
void RemoveInstallKey();

// Puts the install key back as it was before the tests, after them, even when
// one fails: on a throwaway Windows machine the game may be registered there.
class InstallValueKeeper : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

private:
    bool keyExisted_ = false;
    bool valueExisted_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> data_;
};

std::wstring MakeTempDirectory();
// Creates `directory`, if need be, with its pyma and pym2 sub-directories.
void MakeInstallDirectory(const std::wstring& directory);
void RemoveTree(const std::wstring& path);
std::optional<std::string> ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

// A running soundcfg.exe; ended by force if a test leaves it running.
class Program {
public:
    explicit Program(const std::wstring& workingDirectory);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return process_.hProcess != NULL; }
    // The visible top-level window of this process with `caption`, or NULL.
    HWND FindTopWindow(const wchar_t* caption) const;
    HWND WaitForTopWindow(const wchar_t* caption, DWORD timeoutMs = 15000) const;
    // The exit code, or STILL_ACTIVE if it did not end in time.
    DWORD WaitForExit(DWORD timeoutMs = 10000);

private:
    PROCESS_INFORMATION process_ = {};
};

// Reading another process's controls; the messages are marshalled by the system.
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
std::wstring WindowText(HWND window);
std::wstring ControlText(HWND dialog, int id);
std::vector<std::wstring> ComboEntries(HWND dialog, int id);
HWND FocusedWindow(HWND anyWindowOfItsThread);
// The text of a message box's message.
std::wstring MessageBoxText(HWND box);
// Its buttons' identifiers and whether it shows an icon, e.g. "buttons 1, no icon".
std::string MessageBoxLook(HWND box);

// Real input, through the same queue as a player's mouse and keyboard.
bool BringToFront(HWND window);
void Click(HWND window);
void ClickControl(HWND dialog, int id);
void PressKey(WORD virtualKey);
void PressChord(WORD modifier, WORD virtualKey);
void TypeText(const std::wstring& text);
// Puts the caret in a combo box's text field with its whole text selected.
void SelectComboText(HWND dialog, int id);

// Each test gets a fresh install directory with both sub-directories, and the
// registry pointing at it.
class SoundcfgTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::wstring PymaFile() const { return install_ + L"\\pyma\\setup.sav"; }
    std::wstring Pym2File() const { return install_ + L"\\pym2\\setup.sav"; }
    // Starts the program in the install directory and waits for its dialog, in front.
    HWND StartAndWaitForDialog();
    // Presses Enter and expects the program to end with exit code 0.
    void PressOkAndExpectExit(HWND dialog);
    void ExpectFiles(const std::string& pyma, const std::string& pym2) const;

    std::wstring install_;
    std::optional<Program> program_;
};

#endif
