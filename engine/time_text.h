#pragma once
// Time texts such as the working-hours start and end, read back into a time
// of day with the computer's own formatting record.
#include <string_view>

#include "engine/date_time.h"
#include "engine/format_settings.h"
#include "engine/locale_source.h"

namespace velmora {

// A fraction of a day, 0 <= value < 1. Accepts an optional before/after-noon
// marker (the record's or "AM"/"PM", case ignored) before or after the time,
// hours, and optionally minutes, seconds and milliseconds. Raises
// ConversionError "'%s' は時刻ではありません" with the text as given.
DateTime ParseTimeText(std::string_view text, const TFormatSettings& pcFormat,
                       const LocaleSource& compare);

} // namespace velmora
