#include "engine/theme.h"

#include <algorithm>
#include <cmath>

namespace velmora {

Look ChooseLook(ThemeChoice choice, const SystemTheme& system) {
    // High contrast is a need, not a taste: it wins over any choice.
    if (system.highContrast)
        return Look::HighContrast;
    switch (choice) {
    case ThemeChoice::Light:
        return Look::Light;
    case ThemeChoice::Dark:
        return Look::Dark;
    case ThemeChoice::FollowWindows:
        break;
    }
    return system.appsDark ? Look::Dark : Look::Light;
}

bool KeepsChosenColour(Look look, std::int32_t chosen) {
    switch (look) {
    case Look::Light:
        return true;
    case Look::HighContrast:
        return false; // Windows asks that every colour come from the theme
    case Look::Dark:
        break;
    }
    // Black, the factory default, and the system's colours were chosen for a
    // light face; any other colour is the user's own and stays.
    const auto value = static_cast<std::uint32_t>(chosen);
    const bool systemColour = (value & 0xFF000000u) == 0xFF000000u;
    const bool noneOrDefault = value == 0x1FFFFFFFu || value == 0x20000000u;
    return !(value == 0 || systemColour || noneOrDefault);
}

namespace {

double Linear(Rgb colour, int shift) {
    const double channel = static_cast<double>((colour >> shift) & 0xFFu) / 255.0;
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour, 0) + 0.7152 * Linear(colour, 8) + 0.0722 * Linear(colour, 16);
}

} // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace velmora
