#include "ui/frame_box.h"

#include <string>

#include "engine/text_win.h"
#include "ui/form_logic.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

constexpr wchar_t ClassName[] = L"VelmoraFrame";
// At 96 pixels per inch: the caption's distance from the frame's left edge
// and the gap cleared around its text.
constexpr int CaptionIndent = 8;
constexpr int CaptionGap = 4;

SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

} // namespace

void FrameBox::Create(HWND parent) {
    // The border runs along all four edges: every size is drawn anew.
    RegisterWindowClassOnce(ClassName, DrawnTextProcedure<FrameBox>,
                            LoadCursorW(nullptr, IDC_ARROW), nullptr, CS_HREDRAW | CS_VREDRAW);
    CreateWindowExW(0, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                    nullptr, GetModuleHandleW(nullptr), this);
}

void FrameBox::SetCaption(const Text& caption) {
    // Reading settings sets the names again: an unchanged one is not redrawn.
    const std::wstring shown = ToWide(LeadingChars(caption, MaxShownTextBytes));
    if (text_ != shown)
        SetWindowTextW(window_, shown.c_str());
}

void FrameBox::SetFont(const LOGFONTW& font) {
    font_.reset(CreateFontIndirectW(&font));
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.get(), font_.get());
    digitHeight_ = TextSize(dc.get(), L"0").cy;
    InvalidateRect(window_, nullptr, FALSE);
}

void FrameBox::SetPalette(const Palette& palette) {
    if (palette == palette_)
        return;
    palette_ = palette;
    InvalidateRect(window_, nullptr, FALSE);
}

void FrameBox::Paint() {
    // A frame repaints only when sized or renamed, and may be as large as the
    // screen: its buffer is not kept.
    PaintBuffer buffer;
    BufferedPaint paint(window_, buffer);
    const HDC dc = paint.dc();
    RECT area = paint.rect();
    FillFace(dc, area, palette_);
    SelectedObject font(dc, font_.get());
    const std::wstring& caption = text_;
    const SIZE captionSize = TextSize(dc, caption.empty() ? std::wstring(L"0") : caption);
    RECT border = area;
    border.top = captionSize.cy / 2;
    DrawEtchedFrame(dc, border, palette_);
    if (caption.empty())
        return;
    const int dpi = static_cast<int>(GetDpiForWindow(window_));
    const int indent = MulDiv(CaptionIndent, dpi, 96);
    RECT text{indent, 0, indent + captionSize.cx + MulDiv(CaptionGap, dpi, 96), captionSize.cy};
    FillFace(dc, text, palette_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, palette_.captionText);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace velmora
