// Measures a clock program from outside: time from start to its first shown
// window, then for SECONDS the lag between each second boundary of the
// computer's clock and the change of its time label, and its peak working
// set. Prints one line of figures. (Its CPU time is read from Linux by
// ui_bench.sh: Wine's GetProcessTimes of another process misses most of it.)
// Usage: ui_probe.exe SECONDS LABEL_CLASS LABEL_INDEX PROGRAM [ARGUMENTS...]
#include <windows.h>

#include <psapi.h>
#include <timeapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double NowMilliseconds() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds since the last second boundary of the local clock.
double MillisecondsIntoSecond() {
    FILETIME utc;
    GetSystemTimePreciseAsFileTime(&utc);
    ULARGE_INTEGER ticks;
    ticks.LowPart = utc.dwLowDateTime;
    ticks.HighPart = utc.dwHighDateTime;
    return static_cast<double>(ticks.QuadPart % 10'000'000ULL) / 10'000.0;
}

struct Search {
    DWORD process;
    HWND found;
};

HWND VisibleWindowOf(DWORD process) {
    Search search{process, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            RECT rect{};
            GetWindowRect(window, &rect);
            if (owner == s->process && IsWindowVisible(window) && rect.right > rect.left) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct LabelSearch {
    std::wstring className;
    int index;
    HWND found;
};

HWND FindLabel(HWND window, const std::wstring& className, int index) {
    LabelSearch search{className, index, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<LabelSearch*>(data);
            wchar_t name[64]{};
            GetClassNameW(child, name, 64);
            if (_wcsicmp(s->className.c_str(), name) == 0 && s->index-- == 0) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring LabelText(HWND label) {
    wchar_t text[256]{};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(label, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 1000,
                        &length);
    return text;
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: ui_probe SECONDS LABEL_CLASS LABEL_INDEX PROGRAM [ARGS]\n");
        return 2;
    }
    const double seconds = _wtof(argv[1]);
    const std::wstring labelClass = argv[2];
    const int labelIndex = _wtoi(argv[3]);
    std::wstring commandLine;
    for (int i = 4; i < argc; ++i)
        commandLine += (i > 4 ? L" \"" : L"\"") + std::wstring(argv[i]) + L"\"";

    timeBeginPeriod(1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMilliseconds();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program\n");
        return 1;
    }
    HWND window = nullptr;
    while (!(window = VisibleWindowOf(process.dwProcessId)) && NowMilliseconds() - start < 30000)
        Sleep(1);
    const double firstShown = NowMilliseconds() - start;
    HWND label = window ? FindLabel(window, labelClass, labelIndex) : nullptr;
    if (!label) {
        std::fprintf(stderr, "no label\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }

    // Polls the label and notes how long after a second boundary it changed.
    std::vector<double> lags;
    std::wstring last = LabelText(label);
    const double end = NowMilliseconds() + seconds * 1000.0;
    while (NowMilliseconds() < end) {
        const std::wstring text = LabelText(label);
        if (text != last) {
            lags.push_back(MillisecondsIntoSecond());
            last = text;
        }
        Sleep(1);
    }

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    timeEndPeriod(1);

    std::printf("first_window_ms=%.1f peak_working_set_kb=%zu changes=%zu "
                "lag_p50_ms=%.1f lag_p99_ms=%.1f lag_max_ms=%.1f\n",
                firstShown, memory.PeakWorkingSetSize / 1024, lags.size(), Percentile(lags, 0.5),
                Percentile(lags, 0.99), Percentile(lags, 1.0));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
