#pragma once
// The message loop of a modal window the program shows itself: it runs
// until `result` is set, dispatches the owner's timers too (the clocks keep
// ticking), and hands a quit request on to the outer loop.
#include <windows.h>

namespace velmora {

void RunModalLoop(HWND dialog, const int& result);

} // namespace velmora
