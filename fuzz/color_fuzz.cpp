// Feeds arbitrary colour texts to the colour reader: a name of the table or a
// number is taken, a number out of range gives the fallback, anything else
// raises the conversion error; every colour written reads back as itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/conversion_error.h"
#include "settings/color_names.h"
#include "settings/setting_values.h"

namespace {

using namespace velmora;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Color fallback = data.ConsumeIntegral<Color>();
    const Color any = data.ConsumeIntegral<Color>();
    Check(ParseColor(ColorText(any), ~any) == any);

    const std::string text = data.ConsumeRemainingBytesAsString();
    const ParsedInteger number = ParseInteger(text);
    const std::optional<Color> named = ColorFromName(text);
    try {
        const Color color = ParseColor(text, fallback);
        if (named)
            Check(color == *named);
        else if (number.status == IntegerStatus::Ok)
            Check(color == number.value);
        else
            Check(number.status == IntegerStatus::OutOfRange && color == fallback);
        Check(ParseColor(ColorText(color), ~color) == color);
    } catch (const ConversionError&) {
        Check(!named && number.status == IntegerStatus::NotANumber);
    }
    return 0;
}
