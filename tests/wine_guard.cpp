// Keeps the programs that change the install key, write setup files and send
// input to the desktop off a machine that someone uses.
#include "wine_guard.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

bool ExportsWineVersion(HMODULE module)
{
    return module != NULL && GetProcAddress(module, "wine_get_version") != NULL;
}

const char* WhyNotRunHere(bool underWine, const char* throwawayMachine)
{
    if (underWine || (throwawayMachine != NULL && strcmp(throwawayMachine, "1") == 0))
        return NULL;
    return "it runs under Wine only: it creates and deletes the registry key "
           "HKEY_USERS\\.Default\\software\\quillmar\\veltrin, writes setup.sav files and sends "
           "mouse and keyboard input to the desktop. On a Windows machine that may be lost, "
           "set SOUNDCFG_THROWAWAY_MACHINE=1 to run it all the same.";
}

void ExitUnlessUnderWineOrThrowaway(const char* program)
{
    // getenv, not a flag: ctest passes the environment to every test program.
    const char* why = WhyNotRunHere(ExportsWineVersion(GetModuleHandleA("ntdll.dll")),
                                    getenv(kThrowawayMachineVariable));
    if (why != NULL) {
        fprintf(stderr, "%s: %s\n", program, why);
        exit(3);
    }
}
