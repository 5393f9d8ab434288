// Measures the time from CreateProcess to the first visible top-level window that has a size
// (a window of no size, such as the program's application window, cannot be seen), for the
// program and for a minimal one-window program, taken in turns in the same run, and prints the
// ratio of the medians.
//
//   StartupTimer.exe TOOL.exe MINIMAL.exe [RUNS]
//
// It writes the registry keys the program needs to reach its main window (HKLM, 32-bit view),
// so run it in a Wine prefix or machine of its own.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Search {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RECT rect{};
    if (processId == search->processId && IsWindowVisible(window) && GetWindowRect(window, &rect) &&
        rect.right > rect.left && rect.bottom > rect.top) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds until the program shows a window; a negative value when it did not.
double TimeToWindow(const std::string& exe) {
    const std::string folder = exe.substr(0, exe.find_last_of('\\'));
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Clock::time_point start = Clock::now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", exe.c_str(), GetLastError());
        return -1;
    }
    double elapsed = -1;
    for (;;) {
        Search search{process.dwProcessId, false};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (search.found) {
            elapsed = ms;
            break;
        }
        if (ms > 20000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0)
            break;
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

void SetString(const char* subkey, const char* name, const char* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot create the key %s\n", subkey);
        std::exit(2);
    }
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>(std::strlen(value) + 1));
    RegCloseKey(key);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupTimer TOOL.exe MINIMAL.exe [RUNS]\n");
        return 2;
    }
    const std::string tool = argv[1], minimal = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    SetString("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0", "EXE Path",
              "C:\\FS2002");
    SetString("Software\\Tenvari\\Velport5", "Path", "C:\\Tenvari\\Velport5");

    // One start of each first, so that neither pays for loading Wine's DLLs the first time.
    TimeToWindow(tool);
    TimeToWindow(minimal);
    std::vector<double> toolTimes, minimalTimes;
    for (int i = 0; i < runs; ++i) {
        const double t = TimeToWindow(tool), m = TimeToWindow(minimal);
        if (t < 0 || m < 0) {
            std::fprintf(stderr, "a program showed no window\n");
            return 1;
        }
        toolTimes.push_back(t);
        minimalTimes.push_back(m);
    }
    const double toolMedian = Median(toolTimes), minimalMedian = Median(minimalTimes);
    std::printf("start to first visible window, %d runs each, taken in turns\n", runs);
    std::printf("  Velport5Tool.exe   median %7.1f ms   min %7.1f ms\n", toolMedian,
                *std::min_element(toolTimes.begin(), toolTimes.end()));
    std::printf("  minimal program    median %7.1f ms   min %7.1f ms\n", minimalMedian,
                *std::min_element(minimalTimes.begin(), minimalTimes.end()));
    std::printf("  ratio of medians   %.2f\n", toolMedian / minimalMedian);
    return 0;
}
