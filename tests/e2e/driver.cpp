// Helpers that run soundcfg.exe under Wine and work its dialog like a player.
#include "driver.h"

std::wstring g_programPath;

const wchar_t kDialogCaption[] = L"Orvanta\u8a2d\u5b9a\u7a0b\u5f0f";
const wchar_t kErrorCaption[] = L"\u932f\u8aa4";

static const char kInstallKeyPath[] = ".Default\\software\\quillmar\\veltrin";

std::wstring Widen(const std::string& ansi)
{
    int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), NULL, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], length);
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage)
{
    int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), NULL, 0,
                                     NULL, NULL);
    std::string narrow(length, '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &narrow[0], length, NULL,
                        NULL);
    return narrow;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

static HKEY CreateInstallKey()
{
    HKEY key = NULL;
    LONG result = RegCreateKeyExA(HKEY_USERS, kInstallKeyPath, 0, NULL, 0, KEY_ALL_ACCESS, NULL,
                                  &key, NULL);
    EXPECT_EQ(ERROR_SUCCESS, result) << "RegCreateKeyExA of the install key";
    return key;
}

void SetInstallValue(const void* data, DWORD size, DWORD type)
{
    HKEY key = CreateInstallKey();
    LONG result = RegSetValueExA(key, "veltrin", 0, type, static_cast<const BYTE*>(data), size);
    EXPECT_EQ(ERROR_SUCCESS, result) << "RegSetValueExA of the install directory";
    RegCloseKey(key);
}

void SetInstallDirectory(const std::string& ansiDirectory)
{
    SetInstallValue(ansiDirectory.c_str(), static_cast<DWORD>(ansiDirectory.size() + 1), REG_SZ);
}

void CreateInstallKeyWithoutValue()
{
    HKEY key = CreateInstallKey();
    RegDeleteValueA(key, "veltrin");
    RegCloseKey(key);
}

void RemoveInstallKey()
{
    RegDeleteKeyA(HKEY_USERS, kInstallKeyPath);
}

void InstallValueKeeper::SetUp()
{
    HKEY key = NULL;
    keyExisted_ = RegOpenKeyExA(HKEY_USERS, kInstallKeyPath, 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (!keyExisted_)
        return;
    DWORD size = 0;
    if (RegQueryValueExA(key, "veltrin", NULL, &type_, NULL, &size) == ERROR_SUCCESS) {
        data_.resize(size);
        valueExisted_ = RegQueryValueExA(key, "veltrin", NULL, &type_, data_.data(), &size) == ERROR_SUCCESS;
        data_.resize(size);
    }
    RegCloseKey(key);
}

void InstallValueKeeper::TearDown()
{
    if (valueExisted_) {
        SetInstallValue(data_.data(), static_cast<DWORD>(data_.size()), type_);
    } else if (keyExisted_) {
        CreateInstallKeyWithoutValue();
    } else {
        RemoveInstallKey();
    }
}

std::wstring MakeTempDirectory()
{
    static int counter;
    // At the root of the temporary directory's drive: the program reads at
    // most 64 bytes of install directory, and the temporary directory's own
    // path differs with the user name and the Wine version.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring path = std::wstring(temp, 3) + L"soundcfg-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                        L"-" + std::to_wstring(++counter);
    RemoveTree(path);
    EXPECT_TRUE(CreateDirectoryW(path.c_str(), NULL)) << Narrow(path);
    return path;
}

void MakeInstallDirectory(const std::wstring& directory)
{
    CreateDirectoryW(directory.c_str(), NULL);
    CreateDirectoryW((directory + L"\\pyma").c_str(), NULL);
    CreateDirectoryW((directory + L"\\pym2").c_str(), NULL);
}

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

std::optional<std::string> ReadFileBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, NULL) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << Narrow(path);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    CloseHandle(file);
    ASSERT_EQ(bytes.size(), written) << Narrow(path);
}

Program::Program(const std::wstring& workingDirectory)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + g_programPath + L"\"";
    BOOL created = CreateProcessW(g_programPath.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL,
                                  workingDirectory.c_str(), &startup, &process_);
    EXPECT_TRUE(created) << "CreateProcessW of " << Narrow(g_programPath) << " failed, error "
                         << GetLastError();
    if (!created)
        process_ = PROCESS_INFORMATION();
}

Program::~Program()
{
    if (!started())
        return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

namespace {
struct WindowSearch {
    DWORD processId;
    const wchar_t* caption;
    HWND found;
};
}  // namespace

static BOOL CALLBACK MatchTopWindow(HWND window, LPARAM lParam)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window))
        return TRUE;
    wchar_t className[32];
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, L"#32770") != 0 || WindowText(window) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND Program::FindTopWindow(const wchar_t* caption) const
{
    WindowSearch search = {process_.dwProcessId, caption, NULL};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::WaitForTopWindow(const wchar_t* caption, DWORD timeoutMs) const
{
    HWND window = NULL;
    WaitUntil([&] { return (window = FindTopWindow(caption)) != NULL; }, timeoutMs);
    return window;
}

DWORD Program::WaitForExit(DWORD timeoutMs)
{
    if (!started() || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &exitCode);
    return exitCode;
}

bool IsChecked(HWND dialog, int id)
{
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

std::wstring WindowText(HWND window)
{
    LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(length + 1, L'\0');
    LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied);
    return text;
}

std::wstring ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

std::vector<std::wstring> ComboEntries(HWND dialog, int id)
{
    HWND combo = GetDlgItem(dialog, id);
    std::vector<std::wstring> entries;
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        std::wstring entry(length + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&entry[0]));
        entry.resize(length);
        entries.push_back(entry);
    }
    return entries;
}

HWND FocusedWindow(HWND anyWindowOfItsThread)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfItsThread, NULL), &info))
        return NULL;
    return info.hwndFocus;
}

std::wstring MessageBoxText(HWND box)
{
    // The message box's text is the static control with id 0xFFFF.
    return WindowText(GetDlgItem(box, 0xFFFF));
}

std::string MessageBoxLook(HWND box)
{
    std::string buttons;
    bool icon = false;
    for (HWND child = GetWindow(box, GW_CHILD); child != NULL; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        wchar_t className[16];
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Button") == 0)
            buttons += (buttons.empty() ? "" : " ") + std::to_string(GetDlgCtrlID(child));
        else if (lstrcmpiW(className, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icon = icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    }
    return "buttons " + buttons + (icon ? ", icon" : ", no icon");
}

bool BringToFront(HWND window)
{
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, 5000);
}

static void SendInputs(INPUT* inputs, UINT count)
{
    UINT sent = SendInput(count, inputs, sizeof(INPUT));
    EXPECT_EQ(count, sent) << "SendInput, error " << GetLastError();
}

void Click(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    int x = (rect.left + rect.right) / 2;
    int y = (rect.top + rect.bottom) / 2;
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    SendInputs(inputs, 3);
}

void ClickControl(HWND dialog, int id)
{
    Click(GetDlgItem(dialog, id));
}

static INPUT KeyInput(WORD virtualKey, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    switch (virtualKey) {
    case VK_HOME: case VK_END: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_DELETE:
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
        break;
    }
    return input;
}

void PressKey(WORD virtualKey)
{
    INPUT inputs[2] = {KeyInput(virtualKey, false), KeyInput(virtualKey, true)};
    SendInputs(inputs, 2);
}

void PressChord(WORD modifier, WORD virtualKey)
{
    INPUT inputs[4] = {KeyInput(modifier, false), KeyInput(virtualKey, false),
                       KeyInput(virtualKey, true), KeyInput(modifier, true)};
    SendInputs(inputs, 4);
}

void TypeText(const std::wstring& text)
{
    for (wchar_t c : text) {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInputs(inputs, 2);
    }
}

void SelectComboText(HWND dialog, int id)
{
    HWND edit = GetWindow(GetDlgItem(dialog, id), GW_CHILD);
    ASSERT_NE(nullptr, edit) << "combo box " << id << " has no text field";
    Click(edit);
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(dialog) == edit; }))
        << "the text field of combo box " << id << " did not take the focus";
    PressKey(VK_END);
    PressChord(VK_SHIFT, VK_HOME);
}

void SoundcfgTest::SetUp()
{
    install_ = MakeTempDirectory();
    MakeInstallDirectory(install_);
    SetInstallDirectory(Narrow(install_));
}

void SoundcfgTest::TearDown()
{
    program_.reset();
    RemoveTree(install_);
}

HWND SoundcfgTest::StartAndWaitForDialog()
{
    program_.emplace(install_);
    if (!program_->started())
        return NULL;
    HWND dialog = program_->WaitForTopWindow(kDialogCaption);
    EXPECT_NE(nullptr, dialog) << "the setup dialog did not appear";
    if (dialog != NULL) {
        EXPECT_TRUE(BringToFront(dialog)) << "the setup dialog did not come to the front";
    }
    return dialog;
}

void SoundcfgTest::PressOkAndExpectExit(HWND dialog)
{
    ASSERT_TRUE(BringToFront(dialog));
    PressKey(VK_RETURN);
    EXPECT_EQ(0u, program_->WaitForExit()) << "exit code (259 means it was still running)";
}

void SoundcfgTest::ExpectFiles(const std::string& pyma, const std::string& pym2) const
{
    EXPECT_EQ(std::optional<std::string>(pyma), ReadFileBytes(PymaFile())) << "pyma file";
    EXPECT_EQ(std::optional<std::string>(pym2), ReadFileBytes(Pym2File())) << "pym2 file";
}
