// Feeds arbitrary working-hours texts, with arbitrary separators and
// before/after-noon markers, to the time reader: it either gives a time of day
// or raises the conversion error naming the text, and every time it writes
// plainly it reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/conversion_error.h"
#include "engine/time_text.h"
#include "tests/native/fake_locale_source.h"

namespace {

using namespace velmora;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

template <typename Char> bool HasDigitOrBlank(std::basic_string_view<Char> text) {
    for (const Char c : text) {
        if ((c >= '0' && c <= '9') || c == ' ')
            return true;
    }
    return false;
}

// "H:m:s.z" with the record's separators; the reader must give it back
// unless a separator or a marker could be taken for part of a number.
void CheckPlainTimeReadsBack(int hour, int minute, int second, int millisecond,
                             const TFormatSettings& format, const LocaleSource& compare) {
    if (HasDigitOrBlank(std::string_view(&format.TimeSep, 1)) ||
        HasDigitOrBlank(std::string_view(&format.DecimalSep, 1)) ||
        HasDigitOrBlank(std::u16string_view(format.AmText)) ||
        HasDigitOrBlank(std::u16string_view(format.PmText)))
        return;
    const std::string text = std::to_string(hour) + format.TimeSep + std::to_string(minute) +
                             format.TimeSep + std::to_string(second) + format.DecimalSep +
                             std::to_string(millisecond);
    const long long expected =
        hour * 3'600'000LL + minute * 60'000LL + second * 1'000LL + millisecond;
    const DateTime value = ParseTimeText(text, format, compare);
    Check(static_cast<long long>(value * MillisecondsPerDay + 0.5) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    TFormatSettings format;
    format.TimeSep = data.ConsumeIntegral<char>();
    format.DecimalSep = data.ConsumeIntegral<char>();
    const FakeLocaleSource compare;
    format.AmText = DecodeText(data.ConsumeRandomLengthString(8), &compare);
    format.PmText = DecodeText(data.ConsumeRandomLengthString(8), &compare);

    CheckPlainTimeReadsBack(data.ConsumeIntegralInRange(0, 23), data.ConsumeIntegralInRange(0, 59),
                            data.ConsumeIntegralInRange(0, 59), data.ConsumeIntegralInRange(0, 999),
                            format, compare);

    const std::string text = data.ConsumeRemainingBytesAsString();
    try {
        const DateTime value = ParseTimeText(text, format, compare);
        Check(value >= 0 && value < 1);
    } catch (const ConversionError& error) {
        // The message quotes the text as given (up to a NUL, which ends it).
        Check(std::string(error.what()).find(text.substr(0, text.find('\0'))) != std::string::npos);
    }
    return 0;
}
