#pragma once
// Whether the window in front is a program filling the clock's monitor: a
// game, a video or a presentation, for which the clock steps aside.
#include "engine/window_geometry.h"

namespace velmora {

// What the platform tells of the foreground window.
struct ForegroundWindow {
    Rect bounds;             // its window rectangle
    Rect monitor;            // the whole monitor the clock is on
    bool ours = false;       // the clock or one of its own windows
    bool desktop = false;    // the desktop or the shell's wallpaper window
    bool hasCaption = false; // a title bar: an ordinary, perhaps maximised, window
    bool shown = false;      // visible and not minimised
};

bool IsFullScreenProgram(const ForegroundWindow& window);

} // namespace velmora
