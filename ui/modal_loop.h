#pragma once
// A modal window the program shows itself: centred on the work area of its
// owner's monitor, the owner disabled meanwhile; the loop dispatches the
// owner's timers too (the clocks keep ticking) and hands a quit request on
// to the outer loop. Returns when `result` is set.
#include <windows.h>

#include <functional>

namespace velmora {

// `shown` runs once the window is on the screen.
void ShowModal(HWND dialog, const int& result, const std::function<void()>& shown = {});

} // namespace velmora
