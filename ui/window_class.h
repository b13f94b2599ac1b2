#pragma once
// Window classes of the clock's own windows, each registered once per process,
// and the binding of a C++ object to its window.
#include <windows.h>

#include <string>

#include "engine/unique_handle_win.h"

namespace velmora {

// The icons a window shows until it is given its own.
struct ClassIcons {
    HICON big = nullptr;
    HICON small = nullptr;
};

// Registers the class unless this process has already done so.
void RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, HCURSOR cursor,
                             HBRUSH background, UINT style = 0, ClassIcons icons = {});

// The window's text, whole, however long.
std::wstring WideWindowText(HWND window);

// What WM_SETTEXT and CREATESTRUCT hand over: a null text is an empty one.
inline const wchar_t* TextOrEmpty(const wchar_t* text) {
    return text ? text : L"";
}

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

// The window procedure of the clock's drawn text windows, frames and labels.
// The owner keeps its handle in `window_` and a copy of its text in `text_`,
// draws in `Paint()`, shows a new text in `TextChanged()` and befriends this
// function. The system keeps the text too, as it does for any window: other
// programs (screen readers, automation tools) read it without sending a
// message. Mouse input passes through to the main window, so the pop-up
// menu, moving and sizing work over the clocks as over its surface.
template <typename Owner>
LRESULT CALLBACK DrawnTextProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Owner* self = BindWindowObject<Owner>(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_NCCREATE:
        self->window_ = window;
        self->text_ = TextOrEmpty(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpszName);
        break;
    case WM_NCDESTROY:
        self->window_ = nullptr;
        break;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_NCPAINT:
        return 0; // no border: the default would take a window DC for nothing
    case WM_ERASEBKGND:
        return 1; // Paint() fills everything through its buffer
    case WM_PAINT:
        self->Paint();
        return 0;
    case WM_SETTEXT: {
        // Stored (and announced) by the default first, then drawn.
        const LRESULT stored = DefWindowProcW(window, message, wParam, lParam);
        self->text_ = TextOrEmpty(reinterpret_cast<const wchar_t*>(lParam));
        self->TextChanged();
        return stored;
    }
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// An off-screen bitmap and its DC, kept from one paint to the next: the time
// labels repaint every second, and making the two anew each time cost more
// than the drawing. A new size makes a new bitmap.
class PaintBuffer {
  public:
    PaintBuffer() = default;
    ~PaintBuffer();
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    // The DC, holding a bitmap of `size` compatible with `screen`.
    HDC Prepare(HDC screen, SIZE size);
    // Selects `font` into the DC and keeps it there; null puts the DC's own
    // font back, as must be done before the font selected is deleted.
    void KeepFont(HFONT font);

  private:
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ original_ = nullptr; // the DC's own bitmap, put back before ours goes
    HGDIOBJ originalFont_ = nullptr;
    SIZE size_{};
};

// Draws through an off-screen bitmap so that a repaint never shows a
// half-drawn window: in answer to WM_PAINT, or at once, outside it.
class BufferedPaint {
  public:
    enum class When { Asked, Now };
    BufferedPaint(HWND window, PaintBuffer& buffer, When when = When::Asked);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    HDC dc() const { return memory_; }
    const RECT& rect() const { return rect_; }

  private:
    HWND window_;
    When when_;
    PAINTSTRUCT paint_{};
    HDC screen_ = nullptr;
    HDC memory_ = nullptr;
    RECT rect_{};
};

} // namespace velmora
