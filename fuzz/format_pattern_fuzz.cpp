// Feeds arbitrary patterns, values and locale records to FormatPattern: it
// must stay in bounds and never return more than its buffer holds.
#include <cstdint>
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/era_calendar.h"
#include "engine/format_pattern.h"

namespace {

constexpr std::size_t MaxFieldLength = 64;

velmora::TFormatSettings ConsumeSettings(FuzzedDataProvider& data) {
    velmora::TFormatSettings settings;
    settings.DateSep = data.ConsumeIntegral<char>();
    settings.TimeSep = data.ConsumeIntegral<char>();
    settings.ShortDatePattern = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.LongDatePattern = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.ShortTimePattern = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.LongTimePattern = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.AmText = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.PmText = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.MonthNames[data.ConsumeIntegralInRange<std::size_t>(0, 11)] =
        data.ConsumeRandomLengthString(MaxFieldLength);
    settings.DayNames[data.ConsumeIntegralInRange<std::size_t>(0, 6)] =
        data.ConsumeRandomLengthString(MaxFieldLength);
    return settings;
}

// Mostly plausible clock values, sometimes any double at all (NaN, inf,
// values far outside the calendar).
double ConsumeValue(FuzzedDataProvider& data) {
    if (data.ConsumeBool())
        return data.ConsumeFloatingPointInRange<double>(-700'000.0, 3'000'000.0);
    return data.ConsumeFloatingPoint<double>();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::int32_t pcLocale = data.PickValueInArray({0x0411, 0x0404, 0x0412, 0x0409, 0x0804});
    const velmora::BuiltInEraCalendar calendar(pcLocale);
    velmora::PcLocaleFacts pc;
    pc.PcLocale = pcLocale;
    pc.PcPrimaryLanguage = pcLocale & 0x3FF;
    pc.PcSubLanguage = (pcLocale >> 10) & 0x3F;
    pc.Calendar = data.ConsumeBool() ? &calendar : nullptr;

    const velmora::TFormatSettings settings = ConsumeSettings(data);
    const double value = ConsumeValue(data);
    const std::string pattern = data.ConsumeRemainingBytesAsString();

    const velmora::Text text = velmora::FormatPattern(pattern, value, settings, pc);
    if (text.size() > velmora::FormatBufferSize)
        std::abort();
    return 0;
}
