#include "shell/about_box.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "shell/product_info.h"
#include "shell/shell_resources.h"

namespace velmora {

namespace {

// Sizes in pixels at 96 dpi.
constexpr int Margin = 12;
constexpr int IconGap = 14;
constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 26;
constexpr int ButtonGap = 8;
constexpr int ButtonsTop = 18; // below the text

constexpr DWORD BoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;

// What the box keeps between its messages.
struct AboutState {
    AboutState(const AboutRequest& boxRequest, std::wstring boxText)
        : request(boxRequest), text(std::move(boxText)) {}
    const AboutRequest& request;
    std::wstring text;
    UINT dpi = 96;
    UniqueFont font;
    UniqueIcon ownIcon;
    HICON icon = nullptr; // the own icon, or the system's shared one when that is missing
    int iconSize = 32;
    RECT textRect{};
    bool repaintingWhole = false;
};

std::vector<WORD> BoxTemplate() {
    // A DLGTEMPLATE without controls: the buttons are made when the box opens.
    std::vector<WORD> words;
    const auto dword = [&words](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    dword(BoxStyle);
    dword(0);           // extended style
    words.push_back(0); // no items
    for (int i = 0; i < 4; ++i)
        words.push_back(0); // position and size come later
    words.push_back(0);     // no menu
    words.push_back(0);     // the standard dialog class
    for (const wchar_t* c = L"バージョン情報"; *c; ++c)
        words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

UniqueFont MessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

void LoadApplicationIcon(AboutState& state) {
    state.ownIcon.reset(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELMORA), IMAGE_ICON,
                   state.iconSize, state.iconSize, LR_DEFAULTCOLOR)));
    state.icon = state.ownIcon ? state.ownIcon.get() : LoadIconW(nullptr, IDI_APPLICATION);
}

int Scaled(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

SIZE TextSize(HWND box, HFONT font, const std::wstring& text) {
    WindowDc dc(box);
    SelectedObject selected(dc.get(), font);
    RECT bounds{0, 0, 0, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    return {bounds.right, bounds.bottom};
}

HWND MakeButton(HWND box, int id, const wchar_t* caption, DWORD kind, HFONT font) {
    HWND button = CreateWindowExW(
        0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, 0, 0, 0, 0, box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return button;
}

// Icon at the left, the text beside it, the two buttons centred below;
// the box's outer size.
SIZE Arrange(HWND box, AboutState& state) {
    const UINT dpi = state.dpi;
    const int margin = Scaled(Margin, dpi);
    const SIZE text = TextSize(box, state.font.get(), state.text);
    const int textLeft = margin + state.iconSize + Scaled(IconGap, dpi);
    state.textRect = {textLeft, margin, textLeft + text.cx, margin + text.cy};

    const int buttonWidth = Scaled(ButtonWidth, dpi);
    const int buttonHeight = Scaled(ButtonHeight, dpi);
    const int buttonGap = Scaled(ButtonGap, dpi);
    const int buttonsWidth = 2 * buttonWidth + buttonGap;
    const int clientWidth = std::max<int>(state.textRect.right + margin, buttonsWidth + 2 * margin);
    const int buttonsTop =
        margin + std::max<int>(state.iconSize, text.cy) + Scaled(ButtonsTop, dpi);
    const int clientHeight = buttonsTop + buttonHeight + margin;

    const int buttonsLeft = (clientWidth - buttonsWidth) / 2;
    MoveWindow(GetDlgItem(box, IDOK), buttonsLeft, buttonsTop, buttonWidth, buttonHeight, FALSE);
    MoveWindow(GetDlgItem(box, IDABORT), buttonsLeft + buttonWidth + buttonGap, buttonsTop,
               buttonWidth, buttonHeight, FALSE);

    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&outer, BoxStyle, FALSE, WS_EX_DLGMODALFRAME, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

// The font and the icon for the box's current dots per inch.
void TakeMetrics(HWND box, AboutState& state) {
    state.dpi = GetDpiForWindow(box);
    state.font = MessageFont(state.dpi);
    state.iconSize = GetSystemMetricsForDpi(SM_CXICON, state.dpi);
    LoadApplicationIcon(state);
    SendMessageW(box, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(state.icon));
}

void Open(HWND box, AboutState& state) {
    SetWindowLongPtrW(box, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    TakeMetrics(box, state);
    HWND ok = MakeButton(box, IDOK, L"&OK", BS_DEFPUSHBUTTON, state.font.get());
    MakeButton(box, IDABORT, L"&HomePage", BS_PUSHBUTTON, state.font.get());
    const SIZE size = Arrange(box, state);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(state.request.owner, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT owner = monitor.rcWork;
    if (state.request.owner)
        GetWindowRect(state.request.owner, &owner);
    const POINT at = AboutBoxPosition(owner, size, monitor.rcWork);
    SetWindowPos(box, nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    SetFocus(ok);
}

// Moved to a monitor with other dots per inch: new font, icon and layout,
// at the place the system suggests.
void ChangeDpi(HWND box, AboutState& state, const RECT& suggested) {
    TakeMetrics(box, state);
    for (int id : {IDOK, IDABORT})
        SendMessageW(GetDlgItem(box, id), WM_SETFONT, reinterpret_cast<WPARAM>(state.font.get()),
                     TRUE);
    const SIZE size = Arrange(box, state);
    SetWindowPos(box, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(box, nullptr, TRUE);
}

void Paint(HWND box, AboutState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT client;
    GetClientRect(box, &client);
    AboutPaint(dc, client, state.request.nextEndColour());
    DrawIconEx(dc, Scaled(Margin, state.dpi), Scaled(Margin, state.dpi), state.icon, state.iconSize,
               state.iconSize, 0, nullptr, DI_NORMAL);
    {
        SelectedObject font(dc, state.font.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        RECT text = state.textRect;
        DrawTextW(dc, state.text.c_str(), static_cast<int>(state.text.size()), &text,
                  DT_NOPREFIX | DT_EXPANDTABS);
    }
    const bool partial = !EqualRect(&paint.rcPaint, &client);
    EndPaint(box, &paint);
    // Each paint draws a new colour: a partial repaint (a window moved off
    // part of the box) would leave a patch of another colour, so the whole
    // box is painted again, once.
    if (partial && !state.repaintingWhole) {
        state.repaintingWhole = true;
        InvalidateRect(box, nullptr, FALSE);
    } else {
        state.repaintingWhole = false;
    }
}

bool IsButtonOf(HWND box, HWND window) {
    return window && (window == GetDlgItem(box, IDOK) || window == GetDlgItem(box, IDABORT));
}

INT_PTR Handled(HWND box, LRESULT result) {
    SetWindowLongPtrW(box, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK BoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Open(box, *reinterpret_cast<AboutState*>(lParam));
        return FALSE; // the focus is set
    }
    auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrW(box, DWLP_USER));
    if (!state)
        return FALSE;
    switch (message) {
    case WM_ERASEBKGND:
        return Handled(box, TRUE); // the paint covers everything
    case WM_PAINT:
        Paint(box, *state);
        return TRUE;
    case WM_DPICHANGED:
        ChangeDpi(box, *state, *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_SETCURSOR:
        // The buttons ask their parent first.
        if (IsButtonOf(box, reinterpret_cast<HWND>(wParam)) && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return Handled(box, TRUE);
        }
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDABORT:
            EndDialog(box, IDABORT);
            return TRUE;
        case IDOK:
        case IDCANCEL: // Escape and the close button answer like "&OK"
            EndDialog(box, IDOK);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace

std::wstring AboutText(const Text& applicationTitle, const std::wstring& executablePath) {
    const std::wstring lineBreak = L"\r\n";
    return ToWide(applicationTitle) + L" " + ToWide(VersionText) + lineBreak + executablePath +
           lineBreak + lineBreak + ToWide(CreditLine) + lineBreak + ToWide(ContactAddress) +
           lineBreak + ToWide(HomePageAddress);
}

int ShowAboutBox(const AboutRequest& request) {
    AboutState state(request, AboutText(request.applicationTitle, request.executablePath));
    const std::vector<WORD> boxTemplate = BoxTemplate();
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(boxTemplate.data()),
        request.owner, BoxProcedure, reinterpret_cast<LPARAM>(&state));
    return result == IDABORT ? IDABORT : IDOK;
}

void RunAboutCommand(const AboutRequest& request, const std::function<void()>& openHomePage) {
    if (ShowAboutBox(request) == IDABORT)
        openHomePage();
}

void AboutPaint(HDC dc, const RECT& client, std::uint32_t endColour) {
    const auto channel = [](std::uint32_t colour, int shift) {
        return static_cast<COLOR16>(((colour >> shift) & 0xFF) << 8);
    };
    TRIVERTEX corners[2] = {
        {client.left, client.top, 0xFF00, 0xFF00, 0xFF00, 0},
        {client.right, client.bottom, channel(endColour, 0), channel(endColour, 8),
         channel(endColour, 16), 0},
    };
    GRADIENT_RECT rectangle{0, 1};
    const ULONG mode = (endColour & 1) == 0 ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H;
    GradientFill(dc, corners, 2, &rectangle, 1, mode);
}

POINT AboutBoxPosition(const RECT& owner, SIZE box, const RECT& workArea) {
    LONG x = owner.left + (owner.right - owner.left - box.cx) / 2;
    LONG y = owner.top + (owner.bottom - owner.top - box.cy) / 2;
    x = std::max(std::min(x, workArea.right - box.cx), workArea.left);
    y = std::max(std::min(y, workArea.bottom - box.cy), workArea.top);
    return {x, y};
}

} // namespace velmora
