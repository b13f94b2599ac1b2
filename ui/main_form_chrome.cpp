// The window's chrome: caption and taskbar text, stay-on-top, translucency,
// the title bar, the menu bar, the taskbar button, minimising and closing.
#include "ui/main_form.h"

#include "engine/text_win.h"
#include "ui/form_logic.h"

namespace velmora {

void TForm1::SetCaption(const Text& caption) {
    SetCaption(FromWindowsText(ToWide(caption)));
}

void TForm1::SetCaption(const WideText& caption) {
    // The time in the caption changes once a minute but is set every second:
    // setting it redraws the title bar and the taskbar button. The shortcut
    // commands may have renamed the taskbar button meanwhile.
    const std::wstring shown = ToWindowsText(LeadingUnits(caption, MaxShownTextBytes));
    if (WideWindowText(window_) == shown && WideWindowText(app_.Handle()) == shown)
        return;
    SetWindowTextW(window_, shown.c_str());
    app_.SetTitle(shown);
}

void TForm1::SetStayOnTop(bool on) {
    state_.StayOnTop = on;
    // Making a normal window normal does nothing but cost a round of
    // messages, at every start among others.
    const bool topmost = (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (!on && !topmost)
        return;
    SetWindowPos(window_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm1::SetAlpha(std::uint8_t alpha) {
    state_.ViewRate = alpha;
    SetLayeredWindowAttributes(window_, 0, alpha, LWA_ALPHA);
    // Only a translucent clock lets clicks through or becomes opaque under
    // the pointer.
    ApplyClickThrough();
    ApplyHover();
}

// Each toggle flips its value in the state and applies it; the menus show
// it when they next open.
void TForm1::ShowTitleBar2Click() {
    state_.ShowTitleBar = !state_.ShowTitleBar;
    ApplyTitleBar();
}

void TForm1::ShowMenuBar2Click() {
    state_.ShowMenuBar = !state_.ShowMenuBar;
    ApplyMenuBar();
}

void TForm1::ShowInTaskBar2Click() {
    state_.ShowInTaskBar = !state_.ShowInTaskBar;
    FormShow();
}

void TForm1::IsSaveStatus2Click() {
    state_.SaveStatus = !state_.SaveStatus;
}

void TForm1::ApplyTitleBar() {
    // The outer rectangle stays; the client area takes the frame's place.
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    const LONG_PTR changed = state_.ShowTitleBar
                                 ? (style | SizeableStyle) & ~static_cast<LONG_PTR>(WS_POPUP)
                                 : (style & ~static_cast<LONG_PTR>(SizeableStyle)) | WS_POPUP;
    if (changed == style)
        return; // a frame redrawn for nothing costs a start-up milliseconds
    SetWindowLongPtrW(window_, GWL_STYLE, changed);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::ApplyMenuBar() {
    // Without the bar every command stays in the pop-up menu.
    const HMENU shown = state_.ShowMenuBar ? mainMenu1_.get() : nullptr;
    if (GetMenu(window_) != shown)
        SetMenu(window_, shown);
    FormResize();
}

void TForm1::FormShow() {
    // The owner window carries the taskbar button. It is shown without
    // taking the activation from the main window.
    ShowWindow(app_.Handle(), state_.ShowInTaskBar ? SW_SHOWNA : SW_HIDE);
}

void TForm1::AppRestore() {
    FormShow();
}

void TForm1::Minimize1Click() {
    // The owner's button stays while minimised, even when the option hides it,
    // so the user can bring the clock back.
    ShowWindow(window_, SW_HIDE);
    ShowWindow(app_.Handle(), SW_MINIMIZE);
}

void TForm1::Exit1Click() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

} // namespace velmora
