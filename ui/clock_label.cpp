#include "ui/clock_label.h"

#include <string>

#include "engine/reading_order.h"
#include "engine/text_win.h"
#include "ui/form_logic.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

constexpr wchar_t ClassName[] = L"VelmoraClockLabel";

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

void ClockLabel::Create(HWND parent, TextPlacement placement) {
    RegisterWindowClassOnce(ClassName, DrawnTextProcedure<ClockLabel>,
                            LoadCursorW(nullptr, IDC_ARROW), nullptr);
    placement_ = placement;
    CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                    GetModuleHandleW(nullptr), this);
}

void ClockLabel::SetFont(const FontSettings& font) {
    const LOGFONTW request = LogFontOf(font);
    SetFont(font, UniqueFont(CreateFontIndirectW(&request)));
}

void ClockLabel::SetFont(const FontSettings& font, UniqueFont created) {
    font_ = font;
    handle_ = std::move(created);
    if (window_)
        InvalidateRect(window_, nullptr, FALSE);
}

void ClockLabel::SetText(const WideText& text) {
    const std::wstring wide = ToWindowsText(text);
    if (WindowText(window_) != wide)
        SetWindowTextW(window_, wide.c_str());
}

void DrawClockText(HDC dc, std::wstring_view text, RECT& area, UINT format) {
    const std::wstring shown = ToWindowsText(WithLeftToRightAnchors(FromWindowsText(text)));
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &area, format);
}

void ClockLabel::Paint() {
    BufferedPaint paint(window_);
    RECT area = paint.rect();
    FillRect(paint.dc(), &area, GetSysColorBrush(COLOR_BTNFACE));
    SelectedObject font(paint.dc(), handle_ ? static_cast<HGDIOBJ>(handle_.get())
                                            : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), ResolveColor(font_.color));
    const std::wstring text = WindowText(window_);
    const UINT vertical = placement_ == TextPlacement::Bottom ? DT_BOTTOM : DT_VCENTER;
    // "&" is shown as it is.
    DrawClockText(paint.dc(), text, area, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | vertical);
}

} // namespace velmora
