#include "ui/window_class.h"

#include <algorithm>

namespace velmora {

std::wstring WideWindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

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
    KeepFont(nullptr);
}

// Wine's X11 driver rereads the X resource files at every selection of a
// font, even of the one already selected: the font stays from one drawing
// to the next.
void PaintBuffer::KeepFont(HFONT font) {
    const HGDIOBJ wanted = font ? font : originalFont_;
    if (!dc_ || !wanted || GetCurrentObject(dc_.get(), OBJ_FONT) == wanted)
        return;
    const HGDIOBJ previous = SelectObject(dc_.get(), wanted);
    if (!originalFont_)
        originalFont_ = previous;
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

BufferedPaint::BufferedPaint(HWND window, PaintBuffer& buffer, When when)
    : window_(window), when_(when) {
    screen_ = when == When::Asked ? BeginPaint(window, &paint_) : GetDC(window);
    GetClientRect(window, &rect_);
    memory_ = buffer.Prepare(screen_, {rect_.right, rect_.bottom});
}

BufferedPaint::~BufferedPaint() {
    BitBlt(screen_, 0, 0, rect_.right, rect_.bottom, memory_, 0, 0, SRCCOPY);
    if (when_ == When::Asked)
        EndPaint(window_, &paint_);
    else
        ReleaseDC(window_, screen_);
}

} // namespace velmora
