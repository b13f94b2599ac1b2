#include "ui/clock_label.h"

#include <usp10.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/reading_order.h"
#include "engine/shapeable_text.h"
#include "engine/text_win.h"
#include "ui/form_logic.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

constexpr wchar_t ClassName[] = L"VelmoraClockLabel";

} // namespace

void ClockLabel::Create(HWND parent, TextPlacement placement) {
    // The text is centred: every size is drawn anew. A DC of its own is not
    // reset each time it is taken, a reset that under Wine selects the
    // default font again, and with it rereads the X resource files.
    RegisterWindowClassOnce(ClassName, DrawnTextProcedure<ClockLabel>,
                            LoadCursorW(nullptr, IDC_ARROW), nullptr,
                            CS_HREDRAW | CS_VREDRAW | CS_OWNDC);
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
    buffer_.KeepFont(nullptr);
    handle_ = std::move(created);
    if (window_)
        InvalidateRect(window_, nullptr, FALSE);
}

void ClockLabel::SetText(const WideText& text) {
    const std::wstring wide = ToWindowsText(text);
    if (text_ != wide)
        SetWindowTextW(window_, wide.c_str());
}

namespace {

// One analysed line of text; its fallback fonts live as long as it does.
class ScriptLine {
  public:
    ScriptLine(HDC dc, const std::wstring& text) {
        const auto length = static_cast<int>(text.size());
        // The glyph buffer size Uniscribe recommends.
        if (FAILED(ScriptStringAnalyse(dc, text.c_str(), length, length * 3 / 2 + 16, -1,
                                       SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr, nullptr,
                                       nullptr, nullptr, nullptr, &analysis_)))
            analysis_ = nullptr;
    }
    ~ScriptLine() {
        if (analysis_)
            ScriptStringFree(&analysis_);
    }
    ScriptLine(const ScriptLine&) = delete;
    ScriptLine& operator=(const ScriptLine&) = delete;

    bool Ok() const { return analysis_ != nullptr; }
    int Width() const { return ScriptString_pSize(analysis_)->cx; }
    void Draw(int x, int y, const RECT& clip) const {
        ScriptStringOut(analysis_, x, y, ETO_CLIPPED, &clip, 0, 0, FALSE);
    }

  private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

// Whether GDI alone draws `text` as Uniscribe would: printable ASCII that the
// selected font has glyphs for needs neither shaping nor fallback.
bool DrawsPlainly(HDC dc, const std::wstring& text) {
    if (!std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x20 && c < 0x7F; }))
        return false;
    std::vector<WORD> glyphs(text.size());
    constexpr WORD Missing = 0xFFFF;
    return GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                            GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
           std::find(glyphs.begin(), glyphs.end(), Missing) == glyphs.end();
}

} // namespace

// Uniscribe with font fallback: GDI alone draws boxes for characters of
// complex scripts (Thai, Hebrew) that the chosen face lacks.
void DrawClockText(HDC dc, std::wstring_view text, const RECT& area, TextPlacement placement) {
    const std::wstring shown =
        ToWindowsText(ShapeableText(WithLeftToRightAnchors(FromWindowsText(text))));
    if (shown.empty())
        return;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int y = placement == TextPlacement::Bottom
                      ? area.bottom - metrics.tmHeight
                      : area.top + (area.bottom - area.top - metrics.tmHeight) / 2;
    const auto left = [&](int width) { return area.left + (area.right - area.left - width) / 2; };
    // The time labels redraw every second, mostly digits and separators:
    // Uniscribe's analysis, which reads the font's tables anew each time,
    // would cost more than the drawing.
    if (DrawsPlainly(dc, shown)) {
        const auto length = static_cast<int>(shown.size());
        SIZE size{};
        GetTextExtentPoint32W(dc, shown.c_str(), length, &size);
        ExtTextOutW(dc, left(size.cx), y, ETO_CLIPPED, &area, shown.c_str(),
                    static_cast<UINT>(length), nullptr);
        return;
    }
    const ScriptLine line(dc, shown);
    if (line.Ok())
        line.Draw(left(line.Width()), y, area);
}

void ClockLabel::SetPalette(const Palette& palette) {
    if (palette == palette_)
        return;
    palette_ = palette;
    InvalidateRect(window_, nullptr, FALSE);
}

void ClockLabel::Paint() {
    const BufferedPaint paint(window_, buffer_);
    Draw(paint);
}

// A new text is drawn at once rather than at the next WM_PAINT: the time
// labels change every second, and invalidating, queueing the paint message
// and validating again cost more than the drawing (under Wine, five times
// the server requests). Hidden or minimised, the label waits for the paint
// that showing it brings.
void ClockLabel::TextChanged() {
    if (!IsWindowVisible(window_) || IsIconic(GetAncestor(window_, GA_ROOT))) {
        InvalidateRect(window_, nullptr, FALSE);
        return;
    }
    const BufferedPaint paint(window_, buffer_, BufferedPaint::When::Now);
    Draw(paint);
}

void ClockLabel::Draw(const BufferedPaint& paint) {
    RECT area = paint.rect();
    FillFace(paint.dc(), area, palette_);
    buffer_.KeepFont(handle_ ? handle_.get()
                             : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    SetBkMode(paint.dc(), TRANSPARENT);
    SetTextColor(paint.dc(), LabelInk(palette_, font_.color));
    DrawClockText(paint.dc(), text_, area, placement_);
}

} // namespace velmora
