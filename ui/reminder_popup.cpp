#include "ui/reminder_popup.h"

#include "engine/text_win.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

constexpr wchar_t ClassName[] = L"VelmoraReminder";
constexpr int SnoozeId = 1;
constexpr int CloseId = 2;
// The client area and its parts at 96 dots per inch.
constexpr int Width = 300;
constexpr int Height = 132;
constexpr int Margin = 12;
constexpr int ButtonTop = 96;
constexpr int ButtonHeight = 26;

} // namespace

ReminderPopup::~ReminderPopup() {
    if (window_)
        DestroyWindow(window_);
}

void ReminderPopup::Show(const RECT& beside, int row, UINT dpi, std::wstring heading,
                         std::wstring message, const Palette& palette, Answered answered) {
    RegisterWindowClassOnce(ClassName, Procedure, LoadCursorW(nullptr, IDC_ARROW), nullptr);
    dpi_ = dpi;
    heading_ = std::move(heading);
    message_ = std::move(message);
    palette_ = palette;
    answered_ = std::move(answered);
    font_.reset(CreateFontW(-Scale(12), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                            ToWide("ＭＳ Ｐゴシック").c_str()));

    // Unowned, so that it stays when the clock is minimised or hidden; on
    // top and off the taskbar.
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    RECT outer{0, 0, Scale(Width), Scale(Height)};
    AdjustWindowRectExForDpi(&outer, style, FALSE, exStyle, dpi_);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    // Right of the clock where the monitor's work area has room, else left.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&beside, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    int x = beside.right;
    if (x + w > work.right)
        x = std::max(static_cast<int>(work.left), static_cast<int>(beside.left) - w);
    int y = beside.top + row * h;
    if (y + h > work.bottom)
        y = std::max(static_cast<int>(work.top), static_cast<int>(work.bottom) - h);
    CreateWindowExW(exStyle, ClassName, ToWide("リマインダー").c_str(), style, x, y, w, h, nullptr,
                    nullptr, GetModuleHandleW(nullptr), this);
    if (!window_)
        return;
    const auto button = [&](int id, const char* caption, int left, int width) {
        const HWND made = CreateWindowExW(
            0, L"BUTTON", ToWide(caption).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, Scale(left), Scale(ButtonTop),
            Scale(width), Scale(ButtonHeight), window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    };
    button(SnoozeId, "あとで (5分)", 86, 104);
    button(CloseId, "閉じる", 198, 90);
    // Shown without taking the keyboard from what the user is doing.
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK ReminderPopup::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReminderPopup* self = BindWindowObject<ReminderPopup>(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_NCCREATE:
        self->window_ = window;
        break;
    case WM_NCDESTROY:
        self->window_ = nullptr;
        break;
    case WM_ERASEBKGND:
        return TRUE; // WM_PAINT fills all
    case WM_PAINT:
        self->Paint();
        return 0;
    case WM_CTLCOLORBTN:
        SetDCBrushColor(reinterpret_cast<HDC>(wParam), self->palette_.face);
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    case WM_COMMAND:
        if (LOWORD(wParam) == SnoozeId || LOWORD(wParam) == CloseId) {
            self->Reply(LOWORD(wParam) == SnoozeId ? Answer::Snooze : Answer::Close);
            return 0;
        }
        break;
    case WM_CLOSE:
        self->Reply(Answer::Close);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ReminderPopup::Paint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    RECT area{};
    GetClientRect(window_, &area);
    FillFace(dc, area, palette_);
    const HGDIOBJ old = SelectObject(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette_.text);
    RECT heading{Scale(Margin), Scale(8), area.right - Scale(Margin), Scale(28)};
    DrawTextW(dc, heading_.c_str(), static_cast<int>(heading_.size()), &heading,
              DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    RECT text{Scale(Margin), Scale(32), area.right - Scale(Margin), Scale(ButtonTop - 6)};
    DrawTextW(dc, message_.c_str(), static_cast<int>(message_.size()), &text,
              DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS | DT_EDITCONTROL);
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

void ReminderPopup::Reply(Answer answer) {
    // The window goes first: the answer may show another popup in its place.
    const Answered answered = std::move(answered_);
    DestroyWindow(window_);
    if (answered)
        answered(answer);
}

} // namespace velmora
