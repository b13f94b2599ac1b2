#pragma once
// The 3-pixel divider between the two clocks. Dragging it reports every new
// position to the main window, which re-lays out the clocks at once.
#include <windows.h>

#include <functional>

#include "ui/theme_win.h"

namespace velmora {

class Splitter {
  public:
    // The divider's wanted left edge in the parent's client coordinates.
    using MovedHandler = std::function<void(int left)>;

    Splitter() = default;
    Splitter(const Splitter&) = delete;
    Splitter& operator=(const Splitter&) = delete;

    void Create(HWND parent, MovedHandler moved);
    HWND Handle() const { return window_; }
    void SetPalette(const Palette& palette);

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Drag(LPARAM position);

    HWND window_ = nullptr;
    MovedHandler moved_;
    Palette palette_ = MakePalette(Look::Light);
    int grabOffset_ = 0;
    int lastLeft_ = 0;
};

} // namespace velmora
