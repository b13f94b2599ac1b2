#pragma once
// The clock's palettes in GDI colours, what Windows says of light, dark and
// high contrast, and the drawing that differs between the looks.
#include <windows.h>

#include <string>

#include "engine/theme.h"
#include "settings/setting_values.h"
#include "ui/services.h"

namespace velmora {

// The user's own key; the tests read one of theirs.
inline constexpr wchar_t UserPersonalizeKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// Reads "AppsUseLightTheme" under HKEY_CURRENT_USER\`personalizeKey` (absent
// means light, as before Windows had a dark mode) and the high-contrast flag.
class Win32ThemeSource final : public ThemeSource {
  public:
    explicit Win32ThemeSource(std::wstring personalizeKey = UserPersonalizeKey)
        : key_(std::move(personalizeKey)) {}
    SystemTheme Read() const override;

  private:
    std::wstring key_;
};

struct Palette {
    Look look = Look::Light;
    COLORREF face = 0;        // the window's, the frames' and the labels' background
    COLORREF text = 0;        // labels that do not keep their own colour
    COLORREF captionText = 0; // the frames' names
    COLORREF edgeLight = 0;   // the frames' etched line
    COLORREF edgeDark = 0;

    bool operator==(const Palette&) const = default;
};

// The light and high-contrast palettes are the system's colours of the moment.
Palette MakePalette(Look look);

COLORREF LabelInk(const Palette& palette, Color chosen);
void FillFace(HDC dc, const RECT& area, const Palette& palette);
void DrawEtchedFrame(HDC dc, RECT border, const Palette& palette);
// A dark title bar where Windows offers one; elsewhere nothing changes.
void UseDarkTitleBar(HWND window, bool dark);

} // namespace velmora
