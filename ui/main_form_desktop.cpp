// How the clock lives on the desktop: its look (light, dark or high
// contrast, following Windows live), clicks passing through a translucent
// clock, and stepping aside while a full-screen program covers its monitor.
#include "ui/main_form.h"

#include "engine/full_screen.h"
#include "ui/resource.h"

namespace velmora {
namespace {

// Ctrl+Alt+F12 toggles click-through from anywhere, since a clock that lets
// every click through cannot be clicked to turn it off. Function keys with
// Ctrl+Alt type no character on any keyboard layout (Ctrl+Alt with a letter
// is AltGr on many European ones), and programs rarely claim F12 with both.
constexpr int ClickThroughHotkey = 1;
constexpr UINT ClickThroughKeys = MOD_CONTROL | MOD_ALT | MOD_NOREPEAT;
constexpr UINT ClickThroughKey = VK_F12;

// The low-level mouse hook calls a plain function, which finds the clock here.
TForm1* hoverWatcher = nullptr;

bool IsDesktopWindow(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow())
        return true;
    wchar_t name[16]{};
    GetClassNameW(window, name, 16);
    return wcscmp(name, L"Progman") == 0 || wcscmp(name, L"WorkerW") == 0;
}

// Asked in the order that settles the usual case soonest, an ordinary window
// with a title bar in front: under some systems each question is a round
// trip to the window server, every second.
ForegroundWindow Foreground(HWND clock) {
    ForegroundWindow facts;
    const HWND front = GetForegroundWindow();
    if (!front)
        return facts;
    const LONG_PTR style = GetWindowLongPtrW(front, GWL_STYLE);
    facts.hasCaption = (style & WS_CAPTION) == WS_CAPTION;
    facts.shown = (style & WS_VISIBLE) && !(style & WS_MINIMIZE);
    if (facts.hasCaption || !facts.shown)
        return facts;
    DWORD process = 0;
    GetWindowThreadProcessId(front, &process);
    facts.ours = process == GetCurrentProcessId();
    facts.desktop = IsDesktopWindow(front);
    if (facts.ours || facts.desktop)
        return facts;
    RECT bounds{};
    GetWindowRect(front, &bounds);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(clock, MONITOR_DEFAULTTONEAREST), &monitor);
    facts.bounds = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    facts.monitor = {monitor.rcMonitor.left, monitor.rcMonitor.top, monitor.rcMonitor.right,
                     monitor.rcMonitor.bottom};
    return facts;
}

} // namespace

// ---- Look ------------------------------------------------------------------

// Runs at start, when settings change and whenever Windows announces a new
// light/dark setting, high contrast or system colours. Only what changed is
// redrawn, from buffers, so nothing flickers.
void TForm1::ApplyTheme() {
    const Palette palette = MakePalette(ChooseLook(state_.Theme, deps_.theme.Read()));
    const bool dark = palette.look == Look::Dark;
    if (dark != titleBarDark_) {
        UseDarkTitleBar(window_, dark);
        titleBarDark_ = dark;
    }
    if (palette == palette_)
        return;
    palette_ = palette;
    groupBox1_.SetPalette(palette_);
    groupBox2_.SetPalette(palette_);
    splitter1_.SetPalette(palette_);
    for (ClockLabel* label : labelOrder_)
        label->SetPalette(palette_);
    InvalidateRect(window_, nullptr, TRUE); // the client area the frames leave
}

void TForm1::EraseBackground(HDC dc) const {
    RECT area{};
    GetClientRect(window_, &area);
    FillFace(dc, area, palette_);
}

// ---- Click-through ------------------------------------------------------------

void TForm1::ClickThrough1Click() {
    state_.ClickThrough = !state_.ClickThrough;
    ApplyClickThrough();
}

// Clicks pass through only while the clock is translucent: an opaque clock
// that ignored the pointer would hide what it swallows the clicks for.
void TForm1::ApplyClickThrough() {
    const bool through = state_.ClickThrough && state_.ViewRate < 255;
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
    const LONG_PTR changed =
        through ? style | WS_EX_TRANSPARENT : style & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT);
    // Hit testing reads the style as it is; no frame changes.
    if (changed != style)
        SetWindowLongPtrW(window_, GWL_EXSTYLE, changed);
}

// The ways back that need no click on the clock: the hotkey, and the system
// menus of the title bar and of the taskbar button, which carry the menu
// item's own text.
void TForm1::OfferClickThroughEverywhere() {
    // Another program (or a second clock) may hold the keys already; the
    // system menus still offer the command.
    RegisterHotKey(window_, ClickThroughHotkey, ClickThroughKeys, ClickThroughKey);
    wchar_t text[64]{};
    GetMenuStringW(mainMenu1_.get(), ID_CLICKTHROUGH, text, 64, MF_BYCOMMAND);
    for (const HWND window : {window_, app_.Handle()}) {
        const HMENU menu = GetSystemMenu(window, FALSE);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, ID_CLICKTHROUGH, text);
    }
}

void TForm1::HotkeyPressed(WPARAM id) {
    if (id == ClickThroughHotkey)
        ClickThrough1Click();
}

void TForm1::WithdrawClickThroughHotkey() {
    UnregisterHotKey(window_, ClickThroughHotkey);
}

// ---- Opaque under the pointer -------------------------------------------------

void TForm1::HoverOpaque1Click() {
    state_.HoverOpaque = !state_.HoverOpaque;
    ApplyHover();
}

// A clock that lets clicks through sees no mouse messages, so the pointer is
// followed by a low-level mouse hook: it runs only when the pointer moves,
// and only while the option is on and the clock translucent. No timer runs.
void TForm1::ApplyHover() {
    const bool follow = state_.HoverOpaque && state_.ViewRate < 255;
    if (follow && !hoverHook_) {
        hoverHook_.reset(SetWindowsHookExW(WH_MOUSE_LL, HoverHook, GetModuleHandleW(nullptr), 0));
        hoverWatcher = this;
    } else if (!follow && hoverHook_) {
        StopFollowingPointer();
    }
    if (!hoverHook_ && !hovered_)
        return;
    POINT at{};
    GetCursorPos(&at);
    PointerAt(at);
}

void TForm1::StopFollowingPointer() {
    hoverHook_.reset();
    if (hoverWatcher == this)
        hoverWatcher = nullptr;
}

LRESULT CALLBACK TForm1::HoverHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION && message == WM_MOUSEMOVE && hoverWatcher)
        hoverWatcher->PointerAt(reinterpret_cast<const MSLLHOOKSTRUCT*>(data)->pt);
    return CallNextHookEx(nullptr, code, message, data);
}

void TForm1::PointerAt(POINT screen) {
    RECT outer{};
    GetWindowRect(window_, &outer);
    const bool over = hoverHook_ && IsWindowVisible(window_) && PtInRect(&outer, screen);
    if (over == hovered_)
        return;
    hovered_ = over;
    // The alpha value shown changes, not the one kept: the file and the
    // dialog's slider still see ViewRate.
    SetLayeredWindowAttributes(window_, 0, over ? 255 : state_.ViewRate, LWA_ALPHA);
}

// ---- Full-screen programs -----------------------------------------------------

void TForm1::HideInFullScreen1Click() {
    state_.HideInFullScreen = !state_.HideInFullScreen;
    FollowFullScreen();
}

// Looked at on the one-second tick, which runs anyway: the clock hides while
// a program other than the desktop fills its monitor without a title bar,
// and comes back as it was once that program leaves full screen.
void TForm1::FollowFullScreen() {
    if (!state_.HideInFullScreen && !hiddenForFullScreen_)
        return;
    const bool fullScreen = state_.HideInFullScreen && IsFullScreenProgram(Foreground(window_));
    if (fullScreen && !hiddenForFullScreen_ && IsWindowVisible(window_)) {
        hiddenForFullScreen_ = true;
        ShowWindow(window_, SW_HIDE);
    } else if (!fullScreen && hiddenForFullScreen_) {
        hiddenForFullScreen_ = false;
        // Minimised meanwhile, it stays on the taskbar button.
        if (!IsIconic(app_.Handle()))
            ShowWindow(window_, SW_SHOWNA);
    }
}

void TForm1::ApplyDesktop() {
    ApplyTheme();
    ApplyClickThrough();
    ApplyHover();
    FollowFullScreen();
}

} // namespace velmora
