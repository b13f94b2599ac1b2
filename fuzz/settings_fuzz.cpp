// Feeds arbitrary bytes to the settings file reader and writer and to the
// value conversions: nothing may crash, and what is written must read back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "engine/conversion_error.h"
#include "settings/ini_document.h"
#include "settings/setting_values.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace {

using namespace velmora;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

WindowEnvironment ConsumeWindow(FuzzedDataProvider& data) {
    WindowEnvironment window;
    window.placement.flags = data.ConsumeIntegral<std::int32_t>();
    window.placement.showCmd = data.ConsumeIntegralInRange(0, 11);
    window.windowState = static_cast<WindowShowState>(data.ConsumeIntegralInRange(0, 2));
    window.screenWidth = data.ConsumeIntegralInRange(0, 10000);
    window.screenHeight = data.ConsumeIntegralInRange(0, 10000);
    window.windowWidth = data.ConsumeIntegralInRange(0, 10000);
    window.windowHeight = data.ConsumeIntegralInRange(0, 10000);
    window.clientWidth = data.ConsumeIntegralInRange(0, 10000);
    window.pixelsPerInch = data.ConsumeIntegralInRange(1, 960);
    window.currentFaceNames = {"Left", "Right"};
    return window;
}

// Windows' MulDiv worked out with a remainder instead of a rounding offset.
void CheckMulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    const std::int32_t result = MulDiv(a, b, c);
    if (c == 0) {
        Check(result == -1);
        return;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<std::int64_t>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    if (quotient > 2147483647 || quotient < -2147483647)
        Check(result == -1);
    else
        Check(result == quotient);
}

void CheckValues(std::string_view text) {
    const ParsedInteger parsed = ParseInteger(text);
    if (parsed.status == IntegerStatus::Ok)
        Check(IntegerOr(IntegerText(parsed.value), ~parsed.value) == parsed.value);
    try {
        const Color color = ParseColor(text, 0);
        Check(ParseColor(ColorText(color), ~color) == color);
    } catch (const ConversionError&) {
        Check(parsed.status == IntegerStatus::NotANumber);
    }
}

Settings WriteAndRead(const Settings& settings, const WindowEnvironment& window) {
    IniDocument document;
    WriteSettingsDocument(document, settings, {"C:\\Velmora\\Velmora.exe", window.pixelsPerInch});
    const SettingsReadResult result =
        ReadSettingsDocument(IniDocument::Parse(document.Serialize()), window);
    Check(!result.error);
    return result.settings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const WindowEnvironment window = ConsumeWindow(data);
    CheckMulDiv(data.ConsumeIntegral<std::int32_t>(), data.ConsumeIntegral<std::int32_t>(),
                data.ConsumeIntegral<std::int32_t>());
    const bool saveStatus = data.ConsumeBool();
    const std::string value = data.ConsumeRandomLengthString(64);
    CheckValues(value);
    const std::string file = data.ConsumeRemainingBytesAsString();

    IniDocument document = IniDocument::Parse(file);
    const std::string serialized = document.Serialize();
    Check(IniDocument::Parse(serialized).Serialize() == serialized);

    Settings settings = ReadSettingsDocument(document, window).settings;
    settings.SaveStatus = saveStatus;
    WriteSettingsDocument(document, settings, {"C:\\Velmora\\Velmora.exe", window.pixelsPerInch});
    const IniDocument written = IniDocument::Parse(document.Serialize());
    const Settings readBack = ReadSettingsDocument(written, window).settings;
    if (saveStatus) {
        // A face name cut to 31 bytes may end in a blank that reading trims;
        // after one round everything is stable.
        const Settings once = WriteAndRead(settings, window);
        Check(once == readBack);
        Check(WriteAndRead(once, window) == once);
    } else {
        Check(readBack == ReadSettingsDocument(IniDocument(), window).settings);
    }
    return 0;
}
