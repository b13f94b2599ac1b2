#pragma once
// Every value the settings file keeps, and the window's values that some
// defaults are computed from.
#include <array>
#include <cstdint>

#include "engine/modes.h"
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
    FontStyle style{};
    Color color = 0;

    bool operator==(const FontSettings&) const = default;
};

// The faintest alpha value a window takes: the settings dialog's slider stops
// there, and a file asking for less gets it, since a fainter window can hardly
// be seen and at 0 lets every click through to what lies behind it.
constexpr std::uint8_t LeastViewRate = 26;

// Like the other modes, any 32-bit value a file gives is kept; the window
// shows itself normally for an unnamed one.
enum class WindowShowState : std::int32_t {
    Normal = 0,
    Minimised = 1,
    Maximised = 2,
};

// A value-initialised record is all zeros and empty texts; the defaults of
// the keys are in the key table, and DefaultSettings gives them as a record.
struct Settings {
    WindowPlacementValues placement;
    std::int32_t split = 0;        // width of the left clock's frame
    WindowShowState windowState{}; // applied at start-up only
    std::array<SideSettings, 2> sides;

    BlinkPairing blinkMode{};
    bool swingBlink = false;
    bool viewMode = false;
    std::uint8_t viewRate = 0; // the window's alpha value
    bool stayOnTop = false;
    TitleSource titleMode{};
    Text titleString;
    bool showTitleBar = false;
    bool showMenuBar = false;
    bool showInTaskBar = false;
    bool saveStatus = false;
    ProgressClock progressTime{};
    ProgressColour progressColor{};
    Text progressFrom;
    Text progressTo;

    bool autoScale = false;
    bool sameFont = false;
    std::array<FontSettings, 2> fonts; // left, right date label

    bool operator==(const Settings&) const = default;
};

// What reading needs from the window: its values at the time of reading
// supply the defaults of the placement keys, "State", "Split" and empty
// face names.
struct WindowEnvironment {
    WindowPlacementValues placement; // the window's current placement
    WindowShowState windowState{};
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
