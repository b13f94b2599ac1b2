// Feeds arbitrary patterns, values and locale records to FormatPattern: it
// must stay in bounds and never return more than its buffer holds. What it
// writes then goes the way of a label's text to the shaping engine, which
// must get no lone surrogate and no combining mark first.
#include <cstdint>
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/cp932_decoder_iconv.h"
#include "engine/era_calendar.h"
#include "engine/format_pattern.h"
#include "engine/reading_order.h"
#include "engine/shapeable_text.h"

namespace {

constexpr std::size_t MaxFieldLength = 64;

// Any UTF-16 units, lone surrogates included.
velmora::WideText ConsumeShown(FuzzedDataProvider& data) {
    const std::string bytes = data.ConsumeRandomLengthString(MaxFieldLength);
    velmora::WideText shown;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        shown.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                              static_cast<unsigned char>(bytes[i + 1]) << 8));
    return shown;
}

velmora::TFormatSettings ConsumeSettings(FuzzedDataProvider& data) {
    velmora::TFormatSettings settings;
    settings.DateSep = data.ConsumeIntegral<char>();
    settings.TimeSep = data.ConsumeIntegral<char>();
    settings.ShortDatePattern = ConsumeShown(data);
    settings.LongDatePattern = ConsumeShown(data);
    settings.ShortTimePattern = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.LongTimePattern = data.ConsumeRandomLengthString(MaxFieldLength);
    settings.AmText = ConsumeShown(data);
    settings.PmText = ConsumeShown(data);
    settings.MonthNames[data.ConsumeIntegralInRange<std::size_t>(0, 11)] = ConsumeShown(data);
    settings.DayNames[data.ConsumeIntegralInRange<std::size_t>(0, 6)] = ConsumeShown(data);
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
    static const velmora::IconvCp932Decoder decoder;
    pc.Decoder = data.ConsumeBool() ? &decoder : nullptr;

    const velmora::TFormatSettings settings = ConsumeSettings(data);
    const double value = ConsumeValue(data);
    const std::string pattern = data.ConsumeRemainingBytesAsString();

    const velmora::WideText text = velmora::FormatPattern(pattern, value, settings, pc);
    std::size_t width = 0;
    for (const char16_t unit : text)
        width += velmora::Cp932Width(unit);
    // Pattern characters count their bytes, which may be fewer than their width.
    if (text.size() > velmora::FormatBufferSize || width > 2 * velmora::FormatBufferSize)
        std::abort();

    const velmora::WideText shaped = velmora::ShapeableText(velmora::WithLeftToRightAnchors(text));
    if (!shaped.empty() && velmora::IsCombiningMark(shaped.front()))
        std::abort();
    for (std::size_t i = 0; i < shaped.size(); ++i) {
        const char16_t unit = shaped[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low ||
            (high && (i + 1 == shaped.size() || shaped[i + 1] < 0xDC00 || shaped[i + 1] > 0xDFFF)))
            std::abort();
        if (high)
            ++i;
    }
    return 0;
}
