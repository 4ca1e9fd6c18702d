// Fault cases whose truth depends on file permissions, run without
// privileges: Wine run by root writes read-only files anyway. The tests'
// CMakeLists starts them in a user namespace that maps no user.
#include "fault_matrix.h"

namespace {

class Unprivileged : public FaultMatrix {};

TEST_F(Unprivileged, ReadOnlyFileSavesOnlyBecauseItWasMadeWritableAtStart)
{
    std::wstring pyma = files_ + L"\\pyma\\setup.sav";
    const char kLateNote[] = "made read-only once the dialog was up";
    const char kEarlyNote[] = "read-only before the start";

    // Past the start, read-only keeps this user from saving...
    WriteFileBytes(pyma, "old pyma");
    Outcome refused;
    refused.pyma = "old pyma";
    refused.message = kSaveFailed + L" / <dir>\\pyma\\setup.sav";
    refused.note = kLateNote;
    Check(refused, Run([&](HWND, Outcome& seen) {
        SetFileAttributesW(pyma.c_str(), FILE_ATTRIBUTE_READONLY);
        seen.note = kLateNote;
    }));

    // ...so a file read-only at the start saves only because the program
    // made it writable then.
    SetFileAttributesW(pyma.c_str(), FILE_ATTRIBUTE_NORMAL);
    WriteFileBytes(pyma, "old pyma");
    ASSERT_TRUE(SetFileAttributesW(pyma.c_str(), FILE_ATTRIBUTE_READONLY));
    Check(Saved(kDefaultRecord, kEarlyNote), Run([&](HWND, Outcome& seen) { seen.note = kEarlyNote; }));
    SetFileAttributesW(pyma.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Unprivileged, FileOfAnotherUserIsNamedInAMessage)
{
    Outcome expected;
    expected.pym2 = "old pym2";
    expected.message = kSaveFailed + L" / <dir>\\pym2\\setup.sav";
    // The test run prepares an install directory whose pym2\setup.sav
    // belongs to another user, mode 0444; the pyma directory is this user's.
    if (UsePreparedInstall("SOUNDCFG_FOREIGN_INSTALL", expected))
        Check(expected, Run());
}

}  // namespace
