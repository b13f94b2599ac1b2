#pragma once
// The rectangles of windows, and the placing of child windows, as the main
// window's parts lay themselves out.
#include <windows.h>

#include <algorithm>

namespace velmora {

inline RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// In the parent's client coordinates.
inline RECT ChildRect(HWND child) {
    RECT rect = WindowRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline int ClientHeight(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect.bottom;
}

// A child already where it belongs is left alone: a resize lays every child
// out again, and under Wine each move is a request to the window server.
inline void Place(HWND window, int left, int top, int width, int height) {
    const RECT wanted{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    const RECT current = ChildRect(window);
    if (EqualRect(&wanted, &current))
        return;
    SetWindowPos(window, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                 wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace velmora
