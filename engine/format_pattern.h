#pragma once
#include <string_view>

#include "engine/date_time.h"
#include "engine/format_settings.h"
#include "engine/pc_locale.h"
#include "engine/text.h"

namespace velmora {

constexpr std::size_t FormatBufferSize = 256;

// The one formatter for every date and time text the clock shows. An empty
// pattern is formatted as "c"; the result is at most 256 bytes.
Text FormatPattern(std::string_view pattern, DateTime value, const TFormatSettings& settings,
                   const PcLocaleFacts& pc);

} // namespace velmora
