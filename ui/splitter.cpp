#include "ui/splitter.h"

#include <windowsx.h>

#include "ui/window_class.h"

namespace velmora {
namespace {
constexpr wchar_t ClassName[] = L"VelmoraSplitter";
}

void Splitter::Create(HWND parent, MovedHandler moved) {
    RegisterWindowClassOnce(ClassName, Procedure, LoadCursorW(nullptr, IDC_SIZEWE),
                            GetSysColorBrush(COLOR_BTNFACE));
    moved_ = std::move(moved);
    CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
}

void Splitter::SetPalette(const Palette& palette) {
    if (palette == palette_)
        return;
    palette_ = palette;
    InvalidateRect(window_, nullptr, TRUE);
}

void Splitter::Drag(LPARAM position) {
    POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    MapWindowPoints(window_, GetParent(window_), &point, 1);
    const int left = point.x - grabOffset_;
    if (left == lastLeft_)
        return;
    lastLeft_ = left;
    moved_(left);
}

LRESULT CALLBACK Splitter::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Splitter* self = BindWindowObject<Splitter>(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_NCCREATE:
        self->window_ = window;
        break;
    case WM_NCDESTROY:
        self->window_ = nullptr;
        break;
    case WM_NCPAINT:
        return 0; // no border: the default would take a window DC for nothing
    case WM_ERASEBKGND: {
        RECT area{};
        GetClientRect(window, &area);
        FillFace(reinterpret_cast<HDC>(wParam), area, self->palette_);
        return TRUE;
    }
    case WM_LBUTTONDOWN: {
        self->grabOffset_ = GET_X_LPARAM(lParam);
        RECT rect{};
        GetWindowRect(window, &rect);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
        self->lastLeft_ = rect.left;
        SetCapture(window);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (GetCapture() == window)
            self->Drag(lParam);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            self->Drag(lParam);
            ReleaseCapture();
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace velmora
