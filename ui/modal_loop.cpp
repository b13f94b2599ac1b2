#include "ui/modal_loop.h"

#include "ui/form_logic.h"

namespace velmora {
namespace {

// On the monitor the clock is on, not necessarily the primary one.
void CentreOnOwnersMonitor(HWND dialog, HWND owner) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT outer{};
    GetWindowRect(dialog, &outer);
    const Point at =
        CentredIn(ToRect(monitor.rcWork), outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunLoop(HWND dialog, const int& result) {
    MSG message{};
    while (result == 0) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the outer loop
            return;
        }
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace

void ShowModal(HWND dialog, const int& result, const std::function<void()>& shown) {
    const HWND owner = GetWindow(dialog, GW_OWNER);
    CentreOnOwnersMonitor(dialog, owner);
    if (owner)
        EnableWindow(owner, FALSE);
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    if (shown)
        shown();
    RunLoop(dialog, result);
    // The owner is enabled before the dialog hides, so that it gets the activation back.
    if (owner)
        EnableWindow(owner, TRUE);
    ShowWindow(dialog, SW_HIDE);
    if (owner)
        SetActiveWindow(owner);
}

} // namespace velmora
