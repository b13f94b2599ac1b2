#include "settings/color_names.h"

#include <array>

#include "settings/ini_document.h"

namespace velmora {
namespace {

constexpr Color Rgb(std::uint32_t bgr) {
    return static_cast<Color>(bgr);
}
constexpr Color SystemColor(std::uint32_t index) {
    return static_cast<Color>(0xFF000000u + index);
}

// The order matters: a value with two names is written with the first.
constexpr std::array<ColorName, 52> Table{{
    {"clBlack", Rgb(0x000000)},
    {"clMaroon", Rgb(0x000080)},
    {"clGreen", Rgb(0x008000)},
    {"clOlive", Rgb(0x008080)},
    {"clNavy", Rgb(0x800000)},
    {"clPurple", Rgb(0x800080)},
    {"clTeal", Rgb(0x808000)},
    {"clGray", Rgb(0x808080)},
    {"clSilver", Rgb(0xC0C0C0)},
    {"clRed", Rgb(0x0000FF)},
    {"clLime", Rgb(0x00FF00)},
    {"clYellow", Rgb(0x00FFFF)},
    {"clBlue", Rgb(0xFF0000)},
    {"clFuchsia", Rgb(0xFF00FF)},
    {"clAqua", Rgb(0xFFFF00)},
    {"clWhite", Rgb(0xFFFFFF)},
    {"clMoneyGreen", Rgb(0xC0DCC0)},
    {"clSkyBlue", Rgb(0xF0CAA6)},
    {"clCream", Rgb(0xF0FBFF)},
    {"clMedGray", Rgb(0xA4A0A0)},
    {"clActiveBorder", SystemColor(10)},
    {"clActiveCaption", SystemColor(2)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clBackground", SystemColor(1)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnHighlight", SystemColor(20)},
    {"clBtnShadow", SystemColor(16)},
    {"clBtnText", SystemColor(18)},
    {"clCaptionText", SystemColor(9)},
    {"clDefault", Rgb(0x20000000)},
    {"clGradientActiveCaption", SystemColor(27)},
    {"clGradientInactiveCaption", SystemColor(28)},
    {"clGrayText", SystemColor(17)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clHotLight", SystemColor(26)},
    {"clInactiveBorder", SystemColor(11)},
    {"clInactiveCaption", SystemColor(3)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clInfoBk", SystemColor(24)},
    {"clInfoText", SystemColor(23)},
    {"clMenu", SystemColor(4)},
    {"clMenuBar", SystemColor(30)},
    {"clMenuHighlight", SystemColor(29)},
    {"clMenuText", SystemColor(7)},
    {"clNone", Rgb(0x1FFFFFFF)},
    {"clScrollBar", SystemColor(0)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clWindowText", SystemColor(8)},
}};

} // namespace

std::span<const ColorName> ColorNames() {
    return Table;
}

std::optional<Color> ColorFromName(std::string_view name) {
    for (const ColorName& entry : Table) {
        if (EqualsIgnoringAsciiCase(entry.name, name))
            return entry.value;
    }
    return std::nullopt;
}

} // namespace velmora
