// Velmora.exe started on each hostile settings file: every run is made in a
// folder of its own with a copy of the program and of the file, the error
// boxes are read and dismissed, the clock must tick, and WM_CLOSE must end
// the program. Several runs go at once; each only observes, and the
// comparison with the expected outcome happens afterwards on the test's
// thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "hostile_corpus.h"
#include "hostile_outcome.h"
#include "settings/settings_file_win.h"
#include "tests/win/e2e_support.h"

namespace velmora {
namespace {

using namespace testing;

constexpr int ParallelRuns = 4;
constexpr DWORD StartTimeoutMs = 60'000; // the 50 MB files take a while under load
constexpr DWORD CloseTimeoutMs = 30'000;
constexpr DWORD TickTimeoutMs = 3'000;

DateTime LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    using namespace std::chrono;
    return EncodeDateTime(year{now.wYear} / month{now.wMonth} / day{now.wDay}, now.wHour,
                          now.wMinute, now.wSecond, now.wMilliseconds);
}

// The visible top-level windows of the process with that class.
std::vector<HWND> WindowsOf(DWORD processId, const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            found.push_back(window);
    }
    return found;
}

// Reads and dismisses the message boxes the process shows, each once: on a
// loaded machine a box may still show at the next look, or not answer yet.
void DismissBoxes(DWORD processId, std::vector<Text>& texts, std::set<HWND>& answered) {
    for (HWND box : WindowsOf(processId, L"#32770")) {
        if (answered.contains(box))
            continue;
        // The text of a message box is its static control 0xFFFF.
        const Text text = WindowText(GetDlgItem(box, 0xFFFF));
        if (text.empty())
            continue; // not ready: read at the next look
        texts.push_back(text);
        answered.insert(box);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        for (int wait = 0; wait < 50 && IsWindowVisible(box); ++wait)
            Sleep(20);
    }
}

// A folder of its own, holding a copy of the program.
struct ProgramRun {
    const HostileCase* item = nullptr;
    Observed seen;
    Text file;
    Text ini;
    std::string trouble; // what kept the run from being observed
    double secondsToWindow = 0;
};

// Waits for the main window, reading the error boxes that come before it.
HWND AwaitMainWindow(const PROCESS_INFORMATION& process, Observed& seen, std::set<HWND>& answered) {
    const ULONGLONG deadline = GetTickCount64() + StartTimeoutMs;
    while (GetTickCount64() < deadline) {
        DismissBoxes(process.dwProcessId, seen.startErrors, answered);
        const std::vector<HWND> main = WindowsOf(process.dwProcessId, L"TForm1");
        if (!main.empty())
            return main.front();
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0)
            return nullptr;
    }
    return nullptr;
}

// Reads the labels until a tick changes them, and keeps that reading of the
// clocks. The tick that wrote it ran after the reading before began (the
// window answers one message at a time), so its texts show a time between
// the start of that reading and the end of this one, however late a loaded
// machine ran the tick.
bool AwaitTick(const PROCESS_INFORMATION& process, HWND window, Observed& seen,
               std::set<HWND>& answered) {
    const ULONGLONG deadline = GetTickCount64() + TickTimeoutMs;
    DateTime before = seen.readFrom;
    while (GetTickCount64() < deadline) {
        Sleep(100);
        DismissBoxes(process.dwProcessId, seen.startErrors, answered);
        const DateTime from = LocalNow();
        Observed now;
        ReadMainWindow(window, now);
        if (now.leftTime != seen.leftTime || now.rightTime != seen.rightTime) {
            seen.leftDate = now.leftDate;
            seen.leftTime = now.leftTime;
            seen.rightDate = now.rightDate;
            seen.rightTime = now.rightTime;
            seen.readFrom = before;
            seen.readTo = LocalNow();
            return true;
        }
        before = from;
    }
    return false;
}

// WM_CLOSE, the boxes of a failed save dismissed, and the process gone with
// exit code 0; killed otherwise.
void CloseProgram(const PROCESS_INFORMATION& process, HWND window, Observed& seen,
                  std::set<HWND>& answered) {
    seen.closeErrors.emplace();
    PostMessageW(window, WM_CLOSE, 0, 0);
    const ULONGLONG deadline = GetTickCount64() + CloseTimeoutMs;
    while (GetTickCount64() < deadline) {
        if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) {
            DWORD code = 1;
            GetExitCodeProcess(process.hProcess, &code);
            seen.exitedCleanly = code == 0;
            return;
        }
        DismissBoxes(process.dwProcessId, *seen.closeErrors, answered);
    }
    seen.exitedCleanly = false;
}

void Observe(ProgramRun& run) {
    const HostileCase& item = *run.item;
    const ProgramFolder folder;
    const bool startup = item.use == Use::StartupIni || item.use == Use::ReadOnlyStartupIni;
    const std::wstring path = folder.Path(startup ? L"Velmora.ini" : ToWide(item.name));
    run.file = FromWide(path);
    run.ini = FromWide(folder.Path(L"Velmora.ini"));
    if (!MakeHostileItem(item, WinePath(VELMORA_TEST_DATA_DIR), path)) {
        run.trouble = "could not make the file";
        return;
    }
    UniqueFile held;
    if (item.use == Use::HeldOpen)
        held.reset(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));

    std::wstring commandLine = L"\"" + folder.Path(L"Velmora.exe") + L"\"";
    if (!startup)
        commandLine += L" \"" + path + L"\"";
    STARTUPINFOW startupInfo{};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.Path(L"").c_str(), &startupInfo, &process)) {
        run.trouble = "could not start the program: " + SystemErrorText(GetLastError());
        return;
    }
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);

    Observed& seen = run.seen;
    std::set<HWND> answered;
    const ULONGLONG started = GetTickCount64();
    if (const HWND window = AwaitMainWindow(process, seen, answered)) {
        run.secondsToWindow = (GetTickCount64() - started) / 1000.0;
        seen.windowShown = true;
        seen.readFrom = LocalNow();
        ReadMainWindow(window, seen);
        seen.readTo = LocalNow();
        seen.ticked = AwaitTick(process, window, seen, answered);
        CloseProgram(process, window, seen, answered);
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        seen.exitedCleanly = false;
    }
    held.reset();
    seen.iniAfterClose = ReadBytes(folder.Path(L"Velmora.ini"));
}

TEST(HostileSettingsFiles, TheProgramCopesWithEachAndCloses) {
    const std::span<const HostileCase> corpus = HostileCorpus();
    std::vector<ProgramRun> runs(corpus.size());
    for (std::size_t i = 0; i < corpus.size(); ++i)
        runs[i].item = &corpus[i];

    const auto started = std::chrono::steady_clock::now();
    std::atomic<std::size_t> next = 0;
    std::vector<std::thread> workers;
    for (int worker = 0; worker < ParallelRuns; ++worker)
        workers.emplace_back([&] {
            for (std::size_t i; (i = next++) < runs.size();)
                Observe(runs[i]);
        });
    for (std::thread& worker : workers)
        worker.join();
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);
    std::printf("%zu files in %.1f s\n", runs.size(), seconds.count());

    for (const ProgramRun& run : runs) {
        std::printf("  %-34s window after %5.1f s\n", run.item->name, run.secondsToWindow);
        SCOPED_TRACE(run.item->name);
        EXPECT_EQ(run.trouble, "");
        for (const std::string& mismatch : Mismatches(*run.item, run.seen, run.file, run.ini))
            ADD_FAILURE() << mismatch;
    }
}

} // namespace
} // namespace velmora
