// The dialog template, the icon and the version, read back out of the built soundcfg.exe.
#include "driver.h"

#include <string.h>
#include <wchar.h>
#include <wctype.h>

#include <algorithm>

#include "../../resources/resource.h"
#include "version.h"

namespace {

const WORD kTraditionalChinese = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);

// Walks a resource's bytes, keeping the alignment the formats ask for.
class Reader {
public:
    Reader(const BYTE* data, size_t size) : start_(data), at_(data), end_(data + size) {}

    template <typename T> T Read()
    {
        T value = T();
        if (at_ + sizeof(T) > end_) {
            overrun_ = true;
            return value;
        }
        memcpy(&value, at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }

    std::wstring ReadString()
    {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c != 0 && !overrun_; c = Read<WCHAR>())
            text += c;
        return text;
    }

    // A name or an ordinal: 0 for none, 0xFFFF then the number, or a string.
    std::wstring ReadNameOrOrdinal()
    {
        WORD first = Read<WORD>();
        if (first == 0)
            return L"";
        if (first == 0xFFFF)
            return L"#" + std::to_wstring(Read<WORD>());
        at_ -= sizeof(WORD);
        return ReadString();
    }

    void AlignToDword() { at_ = start_ + ((at_ - start_ + 3) & ~static_cast<size_t>(3)); }
    void Skip(size_t count) { at_ += count; }
    bool overrun() const { return overrun_ || at_ > end_; }

private:
    const BYTE* start_;
    const BYTE* at_;
    const BYTE* end_;
    bool overrun_ = false;
};

// The predefined classes a template may name by ordinal.
std::wstring ClassName(const std::wstring& nameOrOrdinal)
{
    if (nameOrOrdinal == L"#128")
        return L"button";
    if (nameOrOrdinal == L"#130")
        return L"static";
    if (nameOrOrdinal == L"#133")
        return L"combobox";
    std::wstring lower = nameOrOrdinal;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    return lower;
}

class Resources : public testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryExW(g_programPath.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module_) << "cannot load " << Narrow(g_programPath) << " as data";
    }
    void TearDown() override
    {
        if (module_ != NULL)
            FreeLibrary(module_);
    }

    // The bytes of one resource in Traditional Chinese, or fails the test.
    Reader Load(LPCWSTR type, LPCWSTR name)
    {
        HRSRC found = FindResourceExW(module_, type, name, kTraditionalChinese);
        EXPECT_NE(nullptr, found) << "resource not found in language 0x0404";
        if (found == NULL)
            return Reader(NULL, 0);
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
        return Reader(data, SizeofResource(module_, found));
    }

    std::vector<WORD> Languages(LPCWSTR type, LPCWSTR name)
    {
        std::vector<WORD> languages;
        EnumResourceLanguagesW(module_, type, name, AddLanguage, reinterpret_cast<LONG_PTR>(&languages));
        return languages;
    }

    size_t CountNames(LPCWSTR type)
    {
        size_t count = 0;
        EnumResourceNamesW(module_, type, CountName, reinterpret_cast<LONG_PTR>(&count));
        return count;
    }

    static BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list)
    {
        reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
        return TRUE;
    }

    static BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR counter)
    {
        ++*reinterpret_cast<size_t*>(counter);
        return TRUE;
    }

    HMODULE module_ = NULL;
};

struct ControlRow {
    int id;
    const wchar_t* className;
    DWORD style;
    short x, y, cx, cy;
    const wchar_t* text;
};

const DWORD kChild = WS_CHILD | WS_VISIBLE;

// Template order is also the tab order; the ids are the numbers laid out.
const ControlRow kControls[] = {
    {IDOK, L"button", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 70, 98, 56, 14, L"\u78ba       \u5b9a"},
    {IDC_STATIC, L"button", kChild | BS_GROUPBOX, 25, 15, 59, 73, L"\u97f3\u6a02\u8a2d\u5b9a"},
    {1017 /* IDC_MUSIC_ON */, L"button", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 32, 30, 46, 10, L"\u97f3\u6a02 ON"},
    {1018 /* IDC_MUSIC_OFF */, L"button", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 32, 44, 44, 10, L"\u97f3\u6a02 OFF"},
    {IDC_STATIC, L"button", kChild | BS_GROUPBOX, 108, 15, 60, 73, L"\u97f3\u6548\u8a2d\u5b9a"},
    {1019 /* IDC_SOUND_ON */, L"button", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 114, 30, 46, 10, L"\u97f3\u6548 ON"},
    {1020 /* IDC_SOUND_OFF */, L"button", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 114, 45, 46, 10, L"\u97f3\u6548 OFF"},
    {1021 /* IDC_IO_PORT */, L"combobox",
     kChild | CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 32, 70, 48, 30, L""},
    {IDC_STATIC, L"static", kChild | SS_LEFT | WS_GROUP, 32, 57, 37, 8, L"I/O PORT"},
    {IDC_STATIC, L"static", kChild | SS_LEFT | WS_GROUP, 114, 57, 15, 8, L"IRQ"},
    {1022 /* IDC_IRQ */, L"combobox", kChild | CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 114, 70, 48, 30,
     L""},
};

TEST_F(Resources, DialogTemplateIsExactlyAsLaidOut)
{
    EXPECT_EQ(std::vector<WORD>{kTraditionalChinese}, Languages(RT_DIALOG, L"IDD_XMS"));
    EXPECT_EQ(1u, CountNames(RT_DIALOG)) << "the program has one dialog";

    Reader reader = Load(RT_DIALOG, L"IDD_XMS");
    EXPECT_EQ(1, reader.Read<WORD>()) << "dlgVer";
    ASSERT_EQ(0xFFFF, reader.Read<WORD>()) << "signature: not a DIALOGEX template";
    EXPECT_EQ(0u, reader.Read<DWORD>()) << "helpID";
    EXPECT_EQ(0u, reader.Read<DWORD>()) << "extended style";
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT), reader.Read<DWORD>())
        << "dialog style (no WS_SYSMENU, so no close box)";
    WORD controlCount = reader.Read<WORD>();
    ASSERT_EQ(sizeof kControls / sizeof kControls[0], controlCount) << "number of controls";
    EXPECT_EQ(100, reader.Read<short>()) << "dialog x";
    EXPECT_EQ(50, reader.Read<short>()) << "dialog y";
    EXPECT_EQ(196, reader.Read<short>()) << "dialog width";
    EXPECT_EQ(126, reader.Read<short>()) << "dialog height";
    EXPECT_EQ(L"", reader.ReadNameOrOrdinal()) << "menu";
    EXPECT_EQ(L"", reader.ReadNameOrOrdinal()) << "window class";
    EXPECT_EQ(kDialogCaption, reader.ReadString()) << "caption";
    EXPECT_EQ(12, reader.Read<WORD>()) << "font size";
    reader.Read<WORD>();  // weight
    EXPECT_EQ(0, reader.Read<BYTE>()) << "italic";
    reader.Read<BYTE>();  // character set
    EXPECT_EQ(L"\u65b0\u7d30\u660e\u9ad4", reader.ReadString()) << "font name";

    for (const ControlRow& expected : kControls) {
        std::string label = "control " + std::to_string(&expected - kControls + 1) + " (id " +
                            std::to_string(expected.id) + ")";
        reader.AlignToDword();
        EXPECT_EQ(0u, reader.Read<DWORD>()) << label << ": helpID";
        EXPECT_EQ(0u, reader.Read<DWORD>()) << label << ": extended style";
        EXPECT_EQ(expected.style, reader.Read<DWORD>()) << label << ": style";
        EXPECT_EQ(expected.x, reader.Read<short>()) << label << ": x";
        EXPECT_EQ(expected.y, reader.Read<short>()) << label << ": y";
        EXPECT_EQ(expected.cx, reader.Read<short>()) << label << ": width";
        EXPECT_EQ(expected.cy, reader.Read<short>()) << label << ": height";
        EXPECT_EQ(static_cast<DWORD>(expected.id), reader.Read<DWORD>()) << label << ": id";
        EXPECT_EQ(expected.className, ClassName(reader.ReadNameOrOrdinal())) << label << ": class";
        EXPECT_EQ(expected.text, reader.ReadNameOrOrdinal()) << label << ": text";
        WORD extraCount = reader.Read<WORD>();
        EXPECT_EQ(0, extraCount) << label << ": creation data";
        reader.Skip(extraCount);
    }
    EXPECT_FALSE(reader.overrun()) << "the template ends before its last control";
}

TEST_F(Resources, IconIsOne32By32ImageWith256ColoursAndAMask)
{
    EXPECT_EQ(1u, CountNames(RT_GROUP_ICON)) << "icon groups";
    EXPECT_EQ(std::vector<WORD>{kTraditionalChinese},
              Languages(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_SOUNDCFG)));
    EXPECT_EQ(IDI_SOUNDCFG, 108);

    Reader group = Load(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_SOUNDCFG));
    EXPECT_EQ(0, group.Read<WORD>()) << "reserved";
    EXPECT_EQ(1, group.Read<WORD>()) << "type: icon";
    ASSERT_EQ(1, group.Read<WORD>()) << "images in the group";
    EXPECT_EQ(32, group.Read<BYTE>()) << "width";
    EXPECT_EQ(32, group.Read<BYTE>()) << "height";
    EXPECT_EQ(0, group.Read<BYTE>()) << "colour count (0 means 256)";
    group.Read<BYTE>();
    EXPECT_EQ(1, group.Read<WORD>()) << "planes";
    EXPECT_EQ(8, group.Read<WORD>()) << "bits per pixel";
    DWORD imageSize = group.Read<DWORD>();
    WORD imageId = group.Read<WORD>();
    ASSERT_FALSE(group.overrun());

    EXPECT_EQ(std::vector<WORD>{kTraditionalChinese}, Languages(RT_ICON, MAKEINTRESOURCEW(imageId)));
    Reader image = Load(RT_ICON, MAKEINTRESOURCEW(imageId));
    EXPECT_EQ(40u, image.Read<DWORD>()) << "BITMAPINFOHEADER size";
    EXPECT_EQ(32, image.Read<LONG>()) << "bitmap width";
    EXPECT_EQ(64, image.Read<LONG>()) << "bitmap height: colour image and mask";
    EXPECT_EQ(1, image.Read<WORD>()) << "bitmap planes";
    EXPECT_EQ(8, image.Read<WORD>()) << "bitmap bits per pixel";
    // Header, 256-colour palette, 32x32 bytes of colour, 32 rows of 4 mask bytes.
    EXPECT_EQ(40u + 256 * 4 + 32 * 32 + 32 * 4, imageSize) << "image size with its mask";
}

// Windows runs an unmanifested 32-bit program elevated when its file name or
// a version string holds one of these, in any case.
const wchar_t* const kInstallerWords[] = {L"instal", L"setup", L"update", L"patch"};

TEST_F(Resources, VersionNamesTheProgramWithoutAnInstallerWord)
{
    EXPECT_EQ(std::vector<WORD>{kTraditionalChinese},
              Languages(RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO)));
    std::vector<BYTE> info(GetFileVersionInfoSizeW(g_programPath.c_str(), NULL));
    ASSERT_TRUE(GetFileVersionInfoW(g_programPath.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    auto query = [&info](const std::wstring& path, UINT* size) {
        void* value = NULL;
        return VerQueryValueW(info.data(), path.c_str(), &value, size) ? value : NULL;
    };
    UINT size = 0;
    const WORD* translation = static_cast<const WORD*>(query(L"\\VarFileInfo\\Translation", &size));
    ASSERT_TRUE(translation != NULL && size == 4) << "one language and code page";
    EXPECT_EQ(std::vector<WORD>({kTraditionalChinese, 950}), std::vector<WORD>(translation, translation + 2));
    const VS_FIXEDFILEINFO* fixed = static_cast<const VS_FIXEDFILEINFO*>(query(L"\\", &size));
    ASSERT_NE(nullptr, fixed);
    // The numbers that Explorer shows say what the version text says.
    const wchar_t* version = static_cast<const wchar_t*>(query(L"\\StringFileInfo\\040403B6\\FileVersion", &size));
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_TRUE(version != NULL && swscanf(version, L"%u.%u.%u", &major, &minor, &patch) == 3);
    const DWORD kHigh = MAKELONG(minor, major), kLow = MAKELONG(0, patch);
    EXPECT_EQ(std::vector<DWORD>({kHigh, kLow, kHigh, kLow}),
              std::vector<DWORD>({fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                                  fixed->dwProductVersionLS}));
    const wchar_t* const kStrings[][2] = {
        {L"FileDescription", kDialogCaption}, {L"FileVersion", L"" SOUNDCFG_VERSION_TEXT},
        {L"InternalName", L"soundcfg"}, {L"OriginalFilename", L"soundcfg.exe"},
        {L"ProductName", L"Orvanta"}, {L"ProductVersion", L"" SOUNDCFG_VERSION_TEXT}};
    for (const auto& string : kStrings) {
        const void* text = query(std::wstring(L"\\StringFileInfo\\040403B6\\") + string[0], &size);
        EXPECT_EQ(string[1], std::wstring(text != NULL ? static_cast<const wchar_t*>(text) : L"(none)"))
            << Narrow(string[0]);
    }

    // Every string of the resource, and the file name, in lower case.
    std::wstring texts(reinterpret_cast<const wchar_t*>(info.data()),
                       *reinterpret_cast<const WORD*>(info.data()) / sizeof(wchar_t));
    texts += L"|" + g_programPath.substr(g_programPath.find_last_of(L"\\") + 1);
    std::transform(texts.begin(), texts.end(), texts.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(towlower(c)); });
    for (const wchar_t* word : kInstallerWords)
        EXPECT_EQ(std::wstring::npos, texts.find(word)) << Narrow(word);
}

}  // namespace
