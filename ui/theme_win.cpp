#include "ui/theme_win.h"

#include <dwmapi.h>

#include "ui/form_logic.h"

namespace velmora {

SystemTheme Win32ThemeSource::Read() const {
    SystemTheme theme;
    DWORD light = 1;
    DWORD size = sizeof(light);
    if (RegGetValueW(HKEY_CURRENT_USER, key_.c_str(), L"AppsUseLightTheme", RRF_RT_REG_DWORD,
                     nullptr, &light, &size) == ERROR_SUCCESS)
        theme.appsDark = light == 0;
    HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0))
        theme.highContrast = (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return theme;
}

Palette MakePalette(Look look) {
    if (look == Look::Dark)
        return {look,
                DarkColours::Face,
                DarkColours::Text,
                DarkColours::CaptionText,
                DarkColours::EdgeLight,
                DarkColours::EdgeDark};
    // Light is the button face as it always was; in high contrast the same
    // system colours are the theme's.
    return {look,
            GetSysColor(COLOR_BTNFACE),
            GetSysColor(COLOR_BTNTEXT),
            GetSysColor(COLOR_BTNTEXT),
            GetSysColor(COLOR_BTNHIGHLIGHT),
            GetSysColor(COLOR_BTNSHADOW)};
}

COLORREF LabelInk(const Palette& palette, Color chosen) {
    return KeepsChosenColour(palette.look, chosen) ? ResolveColor(chosen) : palette.text;
}

void FillFace(HDC dc, const RECT& area, const Palette& palette) {
    // The DC's own brush: no brush is made and freed at every tick.
    SetDCBrushColor(dc, palette.face);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawEtchedFrame(HDC dc, RECT border, const Palette& palette) {
    if (palette.look != Look::Dark) {
        DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
        return;
    }
    // An etched line is a dark rectangle with a light one a pixel inside
    // and to the right, as DrawEdge draws it with the system's colours.
    const auto frame = [dc](RECT r, COLORREF colour) {
        SetDCBrushColor(dc, colour);
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    };
    frame({border.left + 1, border.top + 1, border.right, border.bottom}, palette.edgeLight);
    frame({border.left, border.top, border.right - 1, border.bottom - 1}, palette.edgeDark);
}

void UseDarkTitleBar(HWND window, bool dark) {
    // Attribute 20 since Windows 10 20H1, 19 before it; older systems and
    // Wine refuse both, and the title bar stays as the system draws it.
    const BOOL value = dark ? TRUE : FALSE;
    for (const DWORD attribute : {20u, 19u}) {
        if (SUCCEEDED(DwmSetWindowAttribute(window, attribute, &value, sizeof(value))))
            return;
    }
}

} // namespace velmora
