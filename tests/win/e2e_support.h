#pragma once
// Velmora.exe run as the user would: a folder of its own with a copy of the
// program, its start and close, and its windows read from outside.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "tests/win/test_files.h"
#include "tests/win/window_queries.h"

namespace velmora::testing {

// The visible top-level window of `processId` with that class or title,
// waited for up to `attempts` tenths of a second.
inline HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title,
                          int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt, Sleep(100))
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, title));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window))
                return window;
        }
    return nullptr;
}

// A window's rectangle on the screen, and its middle.
inline RECT Outer(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}
inline POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// A folder of its own with a copy of the program, so that the ".ini" it
// writes next to itself is the test's.
class ProgramFolder : public TempFolder {
  public:
    ProgramFolder() : TempFolder(L"velmora_e2e") {
        CopyFileW(WinePath(VELMORA_EXE).c_str(), Path(L"Velmora.exe").c_str(), FALSE);
    }
};

// One run of the program until its window is closed.
class RunningClock {
  public:
    // Started from the folder's copy; waits for the main window unless told not to.
    RunningClock(const ProgramFolder& folder, const std::wstring& arguments,
                 bool waitForWindow = true) {
        std::wstring commandLine = L"\"" + folder.Path(L"Velmora.exe") + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        const std::wstring directory = folder.Path(L"");
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            directory.c_str(), &startup, &started))
            return;
        CloseHandle(started.hThread);
        process_.reset(started.hProcess);
        processId_ = started.dwProcessId;
        if (waitForWindow)
            WaitForMainWindow();
    }
    // A clock started some other way, known by its process id.
    explicit RunningClock(DWORD processId)
        : process_(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId)),
          processId_(processId) {
        WaitForMainWindow();
    }
    ~RunningClock() {
        if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.get(), 1);
    }
    RunningClock(const RunningClock&) = delete;
    RunningClock& operator=(const RunningClock&) = delete;

    HWND WaitForMainWindow() {
        if (process_)
            window_ = WaitForWindow(processId_, L"TForm1", nullptr, 300);
        return window_;
    }
    HWND Window() const { return window_; }
    DWORD ProcessId() const { return processId_; }

    // WM_CLOSE, then the process ends on its own.
    bool Close() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return Ended();
    }
    bool Ended() const { return WaitForSingleObject(process_.get(), 30000) == WAIT_OBJECT_0; }

  private:
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

} // namespace velmora::testing
