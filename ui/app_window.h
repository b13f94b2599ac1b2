#pragma once
// The application's own hidden top-level window: it owns the main window and
// the taskbar button, and its text is the application title (the taskbar
// text). Showing and hiding it shows and hides the button.
#include <windows.h>

#include <functional>
#include <string>

#include "engine/text.h"
#include "ui/window_class.h"

namespace velmora {

class AppWindow {
  public:
    AppWindow() = default;
    ~AppWindow();
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    // Files dropped on its taskbar button are offered to it as WM_DROPFILES.
    bool Create(const Text& title, ClassIcons icons);
    HWND Handle() const { return window_; }

    void SetTitle(const Text& title);
    void SetTitle(const std::wstring& title);
    Text Title() const;

    // Runs after the application has been restored from the minimised state.
    void SetRestoreHandler(std::function<void()> handler) { restored_ = std::move(handler); }
    // Runs when the taskbar button's menu asks to close.
    void SetCloseHandler(std::function<void()> handler) { close_ = std::move(handler); }
    // The window that marks and carries out the items the program added to
    // the taskbar button's menu.
    void SetMenuWindow(HWND window) { menuWindow_ = window; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::function<void()> restored_;
    std::function<void()> close_;
    HWND menuWindow_ = nullptr;
};

} // namespace velmora
