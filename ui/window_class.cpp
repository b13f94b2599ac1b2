#include "ui/window_class.h"

#include <algorithm>

namespace velmora {

void RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure, HCURSOR cursor,
                             HBRUSH background, UINT style, ClassIcons icons) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name, &existing))
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icons.big;
    windowClass.hIconSm = icons.small;
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

PaintBuffer::~PaintBuffer() {
    if (dc_ && original_)
        SelectObject(dc_.get(), original_);
}

// A new size frees the old bitmap before making the new one, so that a
// window being resized reuses the memory rather than adding to it.
HDC PaintBuffer::Prepare(HDC screen, SIZE size) {
    size = {std::max(size.cx, 1L), std::max(size.cy, 1L)};
    if (!dc_)
        dc_.reset(CreateCompatibleDC(screen));
    if (bitmap_ && (size.cx != size_.cx || size.cy != size_.cy)) {
        SelectObject(dc_.get(), original_);
        bitmap_.reset();
    }
    if (!bitmap_) {
        bitmap_.reset(CreateCompatibleBitmap(screen, size.cx, size.cy));
        const HGDIOBJ previous = SelectObject(dc_.get(), bitmap_.get());
        if (!original_)
            original_ = previous;
        size_ = size;
    }
    return dc_.get();
}

BufferedPaint::BufferedPaint(HWND window, PaintBuffer& buffer) : window_(window) {
    screen_ = BeginPaint(window, &paint_);
    GetClientRect(window, &rect_);
    memory_ = buffer.Prepare(screen_, {rect_.right, rect_.bottom});
}

BufferedPaint::~BufferedPaint() {
    BitBlt(screen_, 0, 0, rect_.right, rect_.bottom, memory_, 0, 0, SRCCOPY);
    EndPaint(window_, &paint_);
}

} // namespace velmora
