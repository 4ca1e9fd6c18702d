// The fault cases' fixture: running a case, comparing, and recording its row.
#include "fault_matrix.h"

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>

std::string ShowBytes(const std::string& bytes)
{
    if (bytes == kAbsent)
        return bytes;
    std::string shown = "\"";
    for (unsigned char c : bytes) {
        char hex[8];
        snprintf(hex, sizeof hex, "<%02X>", c);
        shown += c >= 0x20 && c < 0x7F && c != '<' ? std::string(1, static_cast<char>(c)) : hex;
    }
    return shown + "\"";
}

// A | in a Markdown table cell would end the cell early.
static std::string InCell(std::string text)
{
    for (size_t at = 0; (at = text.find('|', at)) != std::string::npos; at += 2)
        text.insert(at, 1, '\\');
    return text;
}

Outcome Saved(const std::string& record, const char* note)
{
    Outcome outcome;
    outcome.pyma = record;
    outcome.pym2 = record.substr(0, 6);
    outcome.note = note;
    return outcome;
}

std::string Describe(const Outcome& outcome)
{
    std::string text = "pyma " + ShowBytes(outcome.pyma) + "; pym2 " + ShowBytes(outcome.pym2) + "; ";
    text += outcome.dialogShown ? "dialog" : "no dialog";
    text += outcome.message.empty() ? "; no message"
                                    : "; message \"" + Narrow(outcome.message, CP_UTF8) + "\" (" + outcome.box + ")";
    if (!outcome.note.empty())
        text += "; " + outcome.note;
    if (outcome.exitCode == STILL_ACTIVE)
        return text + "; still running";
    return text + "; exit " + std::to_string(outcome.exitCode);
}

void FaultMatrix::SetUp()
{
    SoundcfgTest::SetUp();
    files_ = install_;
}

Outcome FaultMatrix::Run(const std::function<void(HWND, Outcome&)>& act)
{
    Outcome seen;
    program_.emplace(workingDirectory_.empty() ? install_ : workingDirectory_);
    HWND dialog = NULL;
    HWND box = NULL;
    WaitUntil([&] {
        dialog = program_->FindTopWindow(kDialogCaption);
        box = program_->FindTopWindow(kErrorCaption);
        return dialog != NULL || box != NULL;
    }, 15000);
    seen.dialogShown = dialog != NULL;
    if (dialog != NULL && box == NULL) {
        BringToFront(dialog);
        if (act)
            act(dialog, seen);
        BringToFront(dialog);
        PressKey(VK_RETURN);
        WaitUntil([&] {
            box = program_->FindTopWindow(kErrorCaption);
            return box != NULL || program_->WaitForExit(0) != STILL_ACTIVE;
        });
    }
    if (box != NULL) {
        seen.message = MessageBoxText(box);
        // A second OK under the box must not save again.
        seen.box = MessageBoxLook(box) + (dialog != NULL && IsWindowEnabled(dialog) ? ", dialog enabled" : "");
        BringToFront(box);
        PressKey(VK_RETURN);
    }
    seen.exitCode = program_->WaitForExit();
    seen.pyma = ReadFileBytes(files_ + L"\\pyma\\setup.sav").value_or(kAbsent);
    seen.pym2 = ReadFileBytes(files_ + L"\\pym2\\setup.sav").value_or(kAbsent);
    return seen;
}

void FaultMatrix::Check(const Outcome& expected, Outcome seen)
{
    seen.message = InTable(seen.message);
    std::string expectedText = Describe(expected);
    std::string seenText = Describe(seen);
    EXPECT_EQ(expectedText, seenText);
    Record(expectedText, seenText);
}

void FaultMatrix::Skip(const std::string& expected, const std::string& reason)
{
    Record(expected, "SKIP: " + reason);
    GTEST_SKIP() << reason;
}

bool FaultMatrix::UsePreparedInstall(const char* name, const Outcome& expected)
{
    const char* directory = getenv(name);
    if (directory == NULL || *directory == '\0') {
        Skip(Describe(expected), std::string("the test run named no directory in ") + name);
        return false;
    }
    // A Unix path: Wine's Z: drive is the Unix root.
    std::string windowsPath = std::string("Z:") + directory;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    std::optional<std::string> whyNot = ReadFileBytes(Widen(windowsPath) + L"\\not-prepared");
    if (whyNot) {
        Skip(Describe(expected), whyNot->substr(0, whyNot->find('\n')));
        return false;
    }
    files_ = Widen(windowsPath);
    SetInstallDirectory(windowsPath);
    return true;
}

std::wstring FaultMatrix::InTable(std::wstring message) const
{
    for (size_t at; (at = message.find(files_)) != std::wstring::npos;)
        message.replace(at, files_.size(), L"<dir>");
    for (size_t at; (at = message.find(L"\n")) != std::wstring::npos;)
        message.replace(at, 1, L" / ");
    return message;
}

void FaultMatrix::MakeSubDirectories(const std::wstring& directory)
{
    MakeInstallDirectory(directory);
    files_ = directory;
}

void FaultMatrix::CheckProtectedFilesAreMadeWritable(DWORD attribute)
{
    const char* const kNames[] = {"pyma", "pym2"};
    auto file = [&](const char* name) { return files_ + L"\\" + Widen(name) + L"\\setup.sav"; };
    for (const char* name : kNames) {
        WriteFileBytes(file(name), "old");
        ASSERT_TRUE(SetFileAttributesW(file(name).c_str(), attribute));
        ASSERT_EQ(attribute, GetFileAttributesW(file(name).c_str()) & attribute);
    }
    Outcome expected;
    expected.note = "pyma normal, pym2 normal before any input";
    Check(expected, Run([&](HWND, Outcome& seen) {
        for (const char* name : kNames) {
            bool normal = (GetFileAttributesW(file(name).c_str()) & attribute) == 0;
            seen.note += std::string(seen.note.empty() ? "" : ", ") + name + (normal ? " normal" : " still protected");
        }
        seen.note += " before any input";
    }));
}

void FaultMatrix::Record(const std::string& expected, const std::string& seen)
{
    const char* matrix = getenv("SOUNDCFG_MATRIX");
    if (matrix == NULL)
        return;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    // A directory the test run made is not under the case's own.
    std::wstring where = files_.find(install_) == 0 ? L"." + files_.substr(install_.size()) : L"(made by the test run)";
    std::string row = std::string("| ") + test->test_suite_name() + "." + test->name() + " | " + Narrow(where, CP_UTF8) +
                      " | " + InCell(expected) + " | " + InCell(seen) + " | " + (expected == seen ? "holds" : "FAILS") +
                      " |\n";
    FILE* file = fopen(matrix, "ab");
    ASSERT_NE(nullptr, file) << matrix;
    fputs(row.c_str(), file);
    fclose(file);
}
