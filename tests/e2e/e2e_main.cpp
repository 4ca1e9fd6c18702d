// Entry of the end-to-end tests: --program= names the soundcfg.exe to drive.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>

#include "../wine_guard.h"
#include "driver.h"

int main(int argc, char** argv)
{
    ExitUnlessUnderWineOrThrowaway("e2e tests");
    testing::InitGoogleTest(&argc, argv);
    const char kProgramFlag[] = "--program=";
    for (int i = 1; i < argc; ++i) {
        if (strncmp(argv[i], kProgramFlag, sizeof kProgramFlag - 1) == 0)
            g_programPath = Widen(argv[i] + sizeof kProgramFlag - 1);
    }
    if (g_programPath.empty()) {
        fprintf(stderr, "usage: e2e_tests --program=PATH\\soundcfg.exe [gtest flags]\n");
        return 2;
    }
    // A Unix path from the build: Wine's Z: drive is the Unix root.
    if (g_programPath[0] == L'/') {
        std::replace(g_programPath.begin(), g_programPath.end(), L'/', L'\\');
        g_programPath = L"Z:" + g_programPath;
    }
    testing::AddGlobalTestEnvironment(new InstallValueKeeper);
    return RUN_ALL_TESTS();
}
