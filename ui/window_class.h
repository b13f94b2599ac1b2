#pragma once
// Window classes of the clock's own windows, each registered once per process,
// and the binding of a C++ object to its window.
#include <windows.h>

#include "engine/unique_handle_win.h"

namespace velmora {

struct BitmapClose {
    static void Free(HBITMAP h) { DeleteObject(h); }
};
using UniqueBitmap = UniqueHandle<HBITMAP, BitmapClose>;

// Registers the class unless this process has already done so.
void RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, HCURSOR cursor,
                             HBRUSH background);

// The object given as the creation parameter is stored with the window at
// WM_NCCREATE and found again for every later message.
template <typename Owner> Owner* BindWindowObject(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* owner = static_cast<Owner*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        return owner;
    }
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// Draws through an off-screen bitmap so that a repaint never shows a
// half-drawn window.
class BufferedPaint {
  public:
    explicit BufferedPaint(HWND window);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    HDC dc() const { return memory_.get(); }
    const RECT& rect() const { return rect_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC screen_ = nullptr;
    UniqueMemoryDc memory_;
    UniqueBitmap bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    RECT rect_{};
};

} // namespace velmora
