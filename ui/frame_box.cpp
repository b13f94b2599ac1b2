#include "ui/frame_box.h"

#include <string>

#include "engine/text_win.h"
#include "ui/form_logic.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

constexpr wchar_t ClassName[] = L"VelmoraFrame";
constexpr int CaptionIndent = 8;

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

} // namespace

void FrameBox::Create(HWND parent) {
    RegisterWindowClassOnce(ClassName, DrawnTextProcedure<FrameBox>,
                            LoadCursorW(nullptr, IDC_ARROW), nullptr);
    CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                    nullptr, GetModuleHandleW(nullptr), this);
}

void FrameBox::SetCaption(const Text& caption) {
    caption_ = caption;
    SetWindowTextW(window_, ToWide(LeadingChars(caption, MaxShownTextBytes)).c_str());
}

void FrameBox::SetFont(const LOGFONTW& font) {
    font_.reset(CreateFontIndirectW(&font));
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), font_.get());
    digitHeight_ = TextSize(dc.get(), L"0").cy;
    InvalidateRect(window_, nullptr, FALSE);
}

void FrameBox::Paint() {
    BufferedPaint paint(window_);
    const HDC dc = paint.dc();
    RECT area = paint.rect();
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    SelectedObject font(dc, font_.get());
    const std::wstring caption = WindowText(window_);
    const SIZE captionSize = TextSize(dc, caption.empty() ? std::wstring(L"0") : caption);
    RECT border = area;
    border.top = captionSize.cy / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    if (caption.empty())
        return;
    RECT text{CaptionIndent, 0, CaptionIndent + captionSize.cx + 4, captionSize.cy};
    FillRect(dc, &text, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace velmora
