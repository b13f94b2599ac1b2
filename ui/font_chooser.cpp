#include "ui/font_chooser.h"

#include <commdlg.h>

#include "engine/text_win.h"
#include "ui/form_logic.h"

namespace velmora {
namespace {

// System colours (0xFF000000 + index) and the "none"/"default" values have
// no RGB of their own; the dialog shows what they stand for.
COLORREF RgbOf(Color color) {
    const auto value = static_cast<std::uint32_t>(color);
    if ((value & 0xFF000000u) == 0xFF000000u)
        return GetSysColor(static_cast<int>(value & 0xFFu));
    if (value & 0xFF000000u)
        return GetSysColor(COLOR_WINDOWTEXT);
    return value;
}

} // namespace

bool Win32FontChooser::Choose(HWND owner, FontSettings& font) {
    LOGFONTW logFont = LogFontOf(font);
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpLogFont = &logFont;
    request.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    request.rgbColors = RgbOf(font.color);
    if (!ChooseFontW(&request))
        return false;
    font.faceName = FromWide(logFont.lfFaceName);
    font.height = logFont.lfHeight;
    font.style = static_cast<std::uint8_t>(
        (logFont.lfWeight >= FW_BOLD ? 1 : 0) | (logFont.lfItalic ? 2 : 0) |
        (logFont.lfUnderline ? 4 : 0) | (logFont.lfStrikeOut ? 8 : 0));
    // The colour stays as it was when the user kept the one it stands for.
    if (request.rgbColors != RgbOf(font.color))
        font.color = static_cast<Color>(request.rgbColors);
    return true;
}

} // namespace velmora
