// Times process start to dialog visible for two programs, alternating A B A B
// after a warm-up, and prints each one's median and the median ratio A/B.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <vector>

#include "../tests/wine_guard.h"

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam)
{
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16];
    if (processId == search->processId && IsWindowVisible(window) &&
        GetClassNameA(window, className, sizeof className) && lstrcmpA(className, "#32770") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from CreateProcess to a visible dialog; the dialog is then closed with OK.
double TimeToDialog(const char* program)
{
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    char commandLine[MAX_PATH + 2];
    wsprintfA(commandLine, "\"%s\"", program);

    QueryPerformanceCounter(&start);
    if (!CreateProcessA(program, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "cannot start %s\n", program);
        exit(1);
    }
    Search search = {process.dwProcessId, NULL};
    for (;;) {
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        if (search.found != NULL)
            break;
        if (now.QuadPart - start.QuadPart > 30 * frequency.QuadPart) {
            fprintf(stderr, "%s showed no dialog\n", program);
            exit(1);
        }
        Sleep(1);
    }
    double elapsed = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                     static_cast<double>(frequency.QuadPart);

    PostMessageA(search.found, WM_COMMAND, IDOK, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    // The programs it times save into the registered install directory.
    ExitUnlessUnderWineOrThrowaway("startup_bench");
    if (argc != 4) {
        fprintf(stderr, "usage: startup_bench PROGRAM_A PROGRAM_B PAIRS\n");
        return 2;
    }
    const int pairs = atoi(argv[3]);
    for (int i = 0; i < 2; ++i) {
        TimeToDialog(argv[1]);
        TimeToDialog(argv[2]);
    }
    std::vector<double> a, b, ratios;
    for (int i = 0; i < pairs; ++i) {
        a.push_back(TimeToDialog(argv[1]));
        b.push_back(TimeToDialog(argv[2]));
        ratios.push_back(a.back() / b.back());
    }
    printf("start to dialog, %d pairs after a warm-up:\n", pairs);
    printf("  A median %.1f ms (%s)\n", Median(a), argv[1]);
    printf("  B median %.1f ms (%s)\n", Median(b), argv[2]);
    printf("  ratio A/B median %.3f, min %.3f, max %.3f\n", Median(ratios),
           *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));
    return 0;
}
