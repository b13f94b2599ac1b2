#include "ui/app_window.h"

#include <string>

#include "engine/text_win.h"
#include "ui/window_class.h"

namespace velmora {
namespace {
constexpr wchar_t ClassName[] = L"VelmoraApplication";
}

AppWindow::~AppWindow() {
    if (window_)
        DestroyWindow(window_);
}

bool AppWindow::Create(const Text& title, ClassIcons icons) {
    RegisterWindowClassOnce(ClassName, Procedure, LoadCursorW(nullptr, IDC_ARROW), nullptr, 0,
                            icons);
    // No size and no caption: only its taskbar button is ever seen. The
    // button's menu (Shift and a right click) is this window's system menu.
    CreateWindowExW(WS_EX_ACCEPTFILES, ClassName, ToWide(title).c_str(),
                    WS_POPUP | WS_MINIMIZEBOX | WS_SYSMENU, 0, 0, 0, 0, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    return window_ != nullptr;
}

void AppWindow::SetTitle(const Text& title) {
    SetTitle(ToWide(title));
}

void AppWindow::SetTitle(const std::wstring& title) {
    SetWindowTextW(window_, title.c_str());
}

Text AppWindow::Title() const {
    wchar_t buffer[1024]{};
    GetWindowTextW(window_, buffer, 1024);
    return FromWide(buffer);
}

LRESULT CALLBACK AppWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    AppWindow* self = BindWindowObject<AppWindow>(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_NCCREATE:
        self->window_ = window;
        break;
    case WM_NCDESTROY:
        self->window_ = nullptr;
        break;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_RESTORE: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            if (self->restored_)
                self->restored_();
            return result;
        }
        case SC_CLOSE:
            if (self->close_)
                self->close_();
            return 0;
        default:
            if (wParam < SC_SIZE && self->menuWindow_)
                return SendMessageW(self->menuWindow_, message, wParam, lParam);
            break;
        }
        break;
    case WM_INITMENUPOPUP:
        if (self->menuWindow_)
            SendMessageW(self->menuWindow_, message, wParam, lParam);
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace velmora
