#pragma once
// The colour names the settings file writes and reads, in table order.
#include <optional>
#include <span>
#include <string_view>

#include "settings/setting_values.h"

namespace velmora {

struct ColorName {
    std::string_view name;
    Color value;
};

std::span<const ColorName> ColorNames();
// ASCII letter case ignored.
std::optional<Color> ColorFromName(std::string_view name);

} // namespace velmora
