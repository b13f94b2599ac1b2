#include "ui/window_class.h"

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

BufferedPaint::BufferedPaint(HWND window) : window_(window) {
    screen_ = BeginPaint(window, &paint_);
    GetClientRect(window, &rect_);
    memory_.reset(CreateCompatibleDC(screen_));
    bitmap_.reset(CreateCompatibleBitmap(screen_, rect_.right > 0 ? rect_.right : 1,
                                         rect_.bottom > 0 ? rect_.bottom : 1));
    oldBitmap_ = SelectObject(memory_.get(), bitmap_.get());
}

BufferedPaint::~BufferedPaint() {
    BitBlt(screen_, 0, 0, rect_.right, rect_.bottom, memory_.get(), 0, 0, SRCCOPY);
    // The bitmap is deselected before the members delete it and the DC.
    SelectObject(memory_.get(), oldBitmap_);
    EndPaint(window_, &paint_);
}

} // namespace velmora
