#pragma once
// Every value the settings file keeps, and the window's values that some
// defaults are computed from.
#include <array>
#include <cstdint>

#include "engine/text.h"
#include "settings/setting_values.h"

namespace velmora {

// The fields of WINDOWPLACEMENT that the file keeps (not ptMinPosition).
struct WindowPlacementValues {
    std::int32_t flags = 0;
    std::int32_t showCmd = 0;
    std::int32_t maxX = 0;
    std::int32_t maxY = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WindowPlacementValues&) const = default;
};

struct SideSettings {
    Text boxName;
    std::int32_t diffIndex = 0;
    std::int32_t dateIndex = 0;
    std::int32_t timeIndex = 0;
    std::int32_t localeId = 0;
    Text timeZone; // the platform's zone key; empty for the fixed offset

    bool operator==(const SideSettings&) const = default;
};

struct FontSettings {
    Text faceName;
    std::int32_t height = 0; // pixels; negative for a character height
    std::uint8_t style = 0;
    Color color = 0;

    bool operator==(const FontSettings&) const = default;
};

// The faintest alpha value a window takes: the settings dialog's slider stops
// there, and a file asking for less gets it, since a fainter window can hardly
// be seen and at 0 lets every click through to what lies behind it.
constexpr std::uint8_t LeastViewRate = 26;

struct Settings {
    WindowPlacementValues placement;
    std::int32_t split = 0;       // width of the left clock's frame
    std::int32_t windowState = 0; // 0 normal, 1 minimised, 2 maximised; applied at start-up only
    std::array<SideSettings, 2> sides;

    std::int32_t blinkMode = 0;
    bool swingBlink = false;
    bool viewMode = false;
    std::uint8_t viewRate = 255; // the window's alpha value
    bool stayOnTop = false;
    std::int32_t titleMode = 0;
    Text titleString;
    bool showTitleBar = true;
    bool showMenuBar = true;
    bool showInTaskBar = true;
    bool saveStatus = true;
    std::int32_t progressTime = 0;
    std::int32_t progressColor = 0;
    Text progressFrom;
    Text progressTo;

    bool autoScale = false;
    bool sameFont = true;
    std::array<FontSettings, 2> fonts; // left, right date label

    bool operator==(const Settings&) const = default;
};

// What reading needs from the window: its values at the time of reading
// supply the defaults of the placement keys, "State", "Split" and empty
// face names.
struct WindowEnvironment {
    WindowPlacementValues placement; // the window's current placement
    std::int32_t windowState = 0;
    std::int32_t screenWidth = 0; // primary screen
    std::int32_t screenHeight = 0;
    std::int32_t windowWidth = 0; // outer size of the main window
    std::int32_t windowHeight = 0;
    // Client width once the placement read from the same file is applied:
    // the window code applies ReadWindowPlacement's result first.
    std::int32_t clientWidth = 0;
    std::int32_t pixelsPerInch = 96;
    std::array<Text, 2> currentFaceNames; // kept when "Name1"/"Name2" is empty
};

// What writing needs besides the record.
struct WriterEnvironment {
    Text executablePath; // full path, code page 932
    std::int32_t pixelsPerInch = 96;
};

} // namespace velmora
