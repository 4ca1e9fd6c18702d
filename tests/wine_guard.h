// Keeps the programs that change the install key, write setup files and send
// input to the desktop off a machine that someone uses: they run under Wine,
// or where whoever starts them says that the machine may be lost.
#ifndef SOUNDCFG_WINE_GUARD_H
#define SOUNDCFG_WINE_GUARD_H

#include <windows.h>

// Set to 1 to run these programs on Windows, on a machine that may be lost.
const char kThrowawayMachineVariable[] = "SOUNDCFG_THROWAWAY_MACHINE";

// Wine's ntdll exports wine_get_version; no Windows module does.
bool ExportsWineVersion(HMODULE module);

// Why the program must not run here, or NULL when it may.
const char* WhyNotRunHere(bool underWine, const char* throwawayMachine);

// Ends the program with a message and exit code 3 before it changes anything,
// unless it runs under Wine or on a machine declared a throwaway.
void ExitUnlessUnderWineOrThrowaway(const char* program);

#endif
