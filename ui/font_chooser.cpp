#include "ui/font_chooser.h"

#include "engine/text_win.h"
#include "ui/form_logic.h"

namespace velmora {

CHOOSEFONTW FontDialogRequest(HWND owner, LOGFONTW& logFont, Color color) {
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpLogFont = &logFont;
    request.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    // The dialog previews the colour the label draws, system colours and the
    // "none"/"default" values resolved as the label resolves them.
    request.rgbColors = ResolveColor(color);
    return request;
}

bool Win32FontChooser::Choose(HWND owner, FontSettings& font) {
    LOGFONTW logFont = LogFontOf(font);
    CHOOSEFONTW request = FontDialogRequest(owner, logFont, font.color);
    const COLORREF shown = request.rgbColors;
    if (!ChooseFontW(&request))
        return false;
    font.faceName = FromWide(logFont.lfFaceName);
    font.height = logFont.lfHeight;
    font.style =
        StyleOf(logFont.lfWeight, logFont.lfItalic, logFont.lfUnderline, logFont.lfStrikeOut);
    // The colour stays as it was when the user kept the one it was shown as.
    if (request.rgbColors != shown)
        font.color = static_cast<Color>(request.rgbColors);
    return true;
}

} // namespace velmora
