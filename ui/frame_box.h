#pragma once
// A clock's frame: an etched border with the clock's name as its caption,
// drawn through an off-screen buffer. Mouse input passes through to the
// main window.
#include <windows.h>

#include <string>

#include "engine/text.h"
#include "engine/unique_handle_win.h"
#include "ui/theme_win.h"

namespace velmora {

class FrameBox {
  public:
    FrameBox() = default;
    FrameBox(const FrameBox&) = delete;
    FrameBox& operator=(const FrameBox&) = delete;

    void Create(HWND parent);
    HWND Handle() const { return window_; }

    // The name is kept whole; the window shows its first MaxShownTextBytes.
    void SetCaption(const Text& caption);

    void SetFont(const LOGFONTW& font);
    void SetPalette(const Palette& palette);
    // Where the labels begin: the height of "0" in the frame's font plus the
    // inner inset.
    int LabelTop(int inset) const { return digitHeight_ + inset; }

  private:
    template <typename Owner>
    friend LRESULT CALLBACK DrawnTextProcedure(HWND, UINT, WPARAM, LPARAM);
    void Paint();
    void TextChanged() { InvalidateRect(window_, nullptr, FALSE); }

    HWND window_ = nullptr;
    std::wstring text_; // what the frame shows of the caption
    UniqueFont font_;
    Palette palette_ = MakePalette(Look::Light);
    int digitHeight_ = 0; // measured when the font is set
};

} // namespace velmora
