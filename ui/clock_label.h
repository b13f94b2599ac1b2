#pragma once
// A clock label: centred text on the button face in the label's own font
// and colour, drawn through an off-screen buffer. Mouse input passes through
// to the window beneath it.
#include <windows.h>

#include <string>
#include <string_view>

#include "engine/text.h"
#include "engine/unique_handle_win.h"
#include "engine/wide_text.h"
#include "settings/settings_record.h"
#include "ui/theme_win.h"
#include "ui/window_class.h"

namespace velmora {

enum class TextPlacement { Bottom, Middle }; // date labels, time labels

class ClockLabel {
  public:
    ClockLabel() = default;
    ClockLabel(const ClockLabel&) = delete;
    ClockLabel& operator=(const ClockLabel&) = delete;

    void Create(HWND parent, TextPlacement placement);
    HWND Handle() const { return window_; }

    // Creates the font and frees the one it replaces.
    void SetFont(const FontSettings& font);
    // Takes a font that has already been created for `font`.
    void SetFont(const FontSettings& font, UniqueFont created);
    const FontSettings& Font() const { return font_; }
    HFONT FontHandle() const { return handle_.get(); }

    // Redraws in the new palette when it differs.
    void SetPalette(const Palette& palette);

    // Sets the window text and redraws only when it changed.
    void SetText(const WideText& text);
    const std::wstring& Text() const { return text_; }

  private:
    template <typename Owner>
    friend LRESULT CALLBACK DrawnTextProcedure(HWND, UINT, WPARAM, LPARAM);
    void Paint();
    void TextChanged();
    void Draw(const BufferedPaint& paint);

    HWND window_ = nullptr;
    std::wstring text_;
    TextPlacement placement_ = TextPlacement::Middle;
    FontSettings font_;
    Palette palette_ = MakePalette(Look::Light);
    UniqueFont handle_;
    PaintBuffer buffer_;
};

// Draws a clock text as the labels do, centred across `area` and placed
// vertically by `placement`: with the fonts the system falls back to for
// scripts the label's font lacks, in the order the pattern wrote it even
// around right-to-left names, "&" as it is.
void DrawClockText(HDC dc, std::wstring_view text, const RECT& area, TextPlacement placement);

} // namespace velmora
