#pragma once
#include <string_view>

#include "engine/date_time.h"
#include "engine/format_settings.h"
#include "engine/pc_locale.h"
#include "engine/text.h"
#include "engine/wide_text.h"

namespace velmora {

constexpr std::size_t FormatBufferSize = 256;

// The one formatter for every date and time text the clock shows. The
// pattern is code page 932; the result is shown text: the pattern's own
// characters decoded by pc.Decoder, the record's names as they are. An empty
// pattern is formatted as "c"; the result is at most 256 bytes as code page
// 932 counts them (Cp932Width for names).
WideText FormatPattern(std::string_view pattern, DateTime value, const TFormatSettings& settings,
                       const PcLocaleFacts& pc);

} // namespace velmora
