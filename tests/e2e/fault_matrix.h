// The fault cases' fixture: runs the real program to its end, compares the
// expected outcome with the seen one, and adds both as a row (case, where its
// files lie, expected, seen, verdict) to the fault matrix table named by
// SOUNDCFG_MATRIX, whose head the test run wrote.
#ifndef SOUNDCFG_E2E_FAULT_MATRIX_H
#define SOUNDCFG_E2E_FAULT_MATRIX_H

#include "driver.h"

// 找不到註冊的資訊,此程式無法執行!!
inline const std::wstring kRegistryMissing =
    L"\u627e\u4e0d\u5230\u8a3b\u518a\u7684\u8cc7\u8a0a,\u6b64\u7a0b\u5f0f\u7121\u6cd5\u57f7\u884c!!";
// 無法寫入設定檔:
inline const std::wstring kSaveFailed = L"\u7121\u6cd5\u5beb\u5165\u8a2d\u5b9a\u6a94:";
inline const char kDefaultRecord[] = "522000000";
inline const char kAbsent[] = "(absent)";

// What one run left behind, in words that read the same on every machine.
struct Outcome {
    std::string pyma = kDefaultRecord;
    std::string pym2 = std::string(kDefaultRecord, 6);
    std::wstring message;  // empty: no message box
    std::string box = "buttons 1, no icon";  // its look, and the dialog's state under it
    bool dialogShown = true;
    std::string note;      // what a case checked along the way
    DWORD exitCode = 0;    // STILL_ACTIVE if the program did not end
};

// Printable bytes as they are, the others as <hex>.
std::string ShowBytes(const std::string& bytes);
// The outcome of a run that saved `record` after the case noted `note`.
Outcome Saved(const std::string& record, const char* note);
std::string Describe(const Outcome& outcome);

class FaultMatrix : public SoundcfgTest {
protected:
    void SetUp() override;

    // Runs the program to its end: `act` works the dialog, then Enter presses
    // OK; a message box, if one comes, is read and dismissed with Enter.
    Outcome Run(const std::function<void(HWND, Outcome&)>& act = nullptr);

    // The expected outcome and the seen one must read the same; both go in
    // the table, the message with this run's paths taken out.
    void Check(const Outcome& expected, Outcome seen);
    void Skip(const std::string& expected, const std::string& reason);
    // Points the registry at the install directory that the test run made
    // at the Unix path in the environment variable `name`. Where the test run
    // could not make it, it left the reason in the file not-prepared there:
    // then the case is recorded as skipped, for that reason, and this
    // returns false.
    bool UsePreparedInstall(const char* name, const Outcome& expected);

    // Paths differ from run to run; the table names them from the install directory.
    std::wstring InTable(std::wstring message) const;
    void MakeSubDirectories(const std::wstring& directory);
    // Both setup files, protected, must be normal once the dialog is up, before any input.
    void CheckProtectedFilesAreMadeWritable(DWORD attribute);

    std::wstring files_;             // where the case's setup files lie
    std::wstring workingDirectory_;  // the program's; the install directory unless set

private:
    void Record(const std::string& expected, const std::string& seen);
};

#endif
