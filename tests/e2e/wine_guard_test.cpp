// The guard that keeps these tests off a machine that someone uses.
#include <gtest/gtest.h>

#include <string.h>

#include "../wine_guard.h"

namespace {

TEST(WineGuard, RunsUnderWineOrWhereTheMachineIsDeclaredAThrowaway)
{
    EXPECT_TRUE(ExportsWineVersion(GetModuleHandleA("ntdll.dll"))) << "Wine's ntdll";
    EXPECT_FALSE(ExportsWineVersion(GetModuleHandleA("kernel32.dll"))) << "a module without the export";

    EXPECT_EQ(nullptr, WhyNotRunHere(true, NULL));
    EXPECT_EQ(nullptr, WhyNotRunHere(false, "1"));
    const char* const kNotDeclared[] = {NULL, "", "0", "yes"};
    for (const char* value : kNotDeclared) {
        const char* why = WhyNotRunHere(false, value);
        ASSERT_NE(nullptr, why) << "outside Wine with " << kThrowawayMachineVariable << "="
                                << (value ? value : "(unset)");
        EXPECT_NE(nullptr, strstr(why, kThrowawayMachineVariable)) << why;
    }
}

}  // namespace
