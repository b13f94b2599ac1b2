// Looks at a running clock from outside, for scripts/real-run.sh:
//   run_probe find WAIT_SECONDS
//     waits up to WAIT_SECONDS for a shown main window (class TForm1) and
//     prints the id of its process;
//   run_probe sample PROCESS_ID
//     prints that process's GDI and USER objects and private bytes (its CPU
//     time the script takes from Linux: Wine's GetProcessTimes for another
//     process is not reliable);
//   run_probe close PROCESS_ID
//     closes its main window with WM_CLOSE and waits for the process to end.
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine/unique_handle_win.h"
#include "tests/win/process_figures.h"

namespace {

// The shown main window of `processId` (any process when 0).
HWND ShownMainWindow(DWORD processId, double waitSeconds) {
    for (double waited = 0; waited <= waitSeconds; waited += 0.1, Sleep(100))
        for (HWND window = nullptr;
             (window = FindWindowExW(nullptr, window, L"TForm1", nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (IsWindowVisible(window) && (processId == 0 || owner == processId))
                return window;
        }
    return nullptr;
}

int Find(double waitSeconds) {
    const HWND window = ShownMainWindow(0, waitSeconds);
    if (!window) {
        std::fprintf(stderr, "no clock window\n");
        return 1;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    std::printf("%lu\n", processId);
    return 0;
}

int Sample(DWORD processId) {
    const velmora::UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) {
        std::fprintf(stderr, "no such process\n");
        return 1;
    }
    const velmora::testing::ProcessFigures figures = velmora::testing::FiguresOf(process.get());
    std::printf("gdi_objects=%zu user_objects=%zu private_bytes=%zu\n", figures.gdiObjects,
                figures.userObjects, figures.privateBytes);
    return 0;
}

int Close(DWORD processId) {
    const HWND window = ShownMainWindow(processId, 0);
    const velmora::UniqueKernelHandle process(window ? OpenProcess(SYNCHRONIZE, FALSE, processId)
                                                     : nullptr);
    if (!process) {
        std::fprintf(stderr, "no clock window\n");
        return 1;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.get(), 30'000) == WAIT_OBJECT_0;
    std::printf("ended=%d\n", ended ? 1 : 0);
    return ended ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"find" && argc == 3)
        return Find(_wtof(argv[2]));
    const DWORD processId = argc == 3 ? static_cast<DWORD>(_wtoi(argv[2])) : 0;
    if (mode == L"sample" && processId != 0)
        return Sample(processId);
    if (mode == L"close" && processId != 0)
        return Close(processId);
    std::fprintf(stderr,
                 "usage: run_probe find WAIT_SECONDS | sample PROCESS_ID | close PROCESS_ID\n");
    return 2;
}
