#pragma once
// Formatting records filled from locale data, and the record of the
// computer's own locale.
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/format_settings.h"
#include "engine/locale_source.h"
#include "engine/pc_locale.h"
#include "engine/text.h"

namespace velmora {

// The computer's own locale: its facts and its formatting record.
struct PcSettings {
    PcLocaleFacts Facts;
    TFormatSettings FormatSettings;
};

// Fills every field. A locale that is not installed takes
// everything but its names from the computer's locale. Never fails.
void LoadLocaleSettings(const LocaleSource& source, const PcLocaleFacts& pc, std::int32_t lcid,
                        TFormatSettings& settings);

// Reads the thread locale and everything of it. The source decodes the
// clock's text from then on; the era calendar is not attached:
// Facts.Calendar is left empty for the owner to set.
PcSettings LoadPcSettings(const LocaleSource& source);

// After the system broadcasts a settings change: the thread locale goes back
// to the user's default, then everything is read again.
PcSettings ReloadPcSettings(LocaleSource& source);

// Adapts a locale date pattern to the computer's calendar: era year tokens on
// an era calendar, no "g" on a Chinese, Japanese or Korean Gregorian PC.
WideText TranslateLocaleDatePattern(std::u16string_view pattern, const LocaleSource& source,
                                    const PcLocaleFacts& pc);

// A decimal integer with an optional sign; no value when the text is not one.
std::optional<std::int32_t> ParseDecimal(std::string_view text);

} // namespace velmora
