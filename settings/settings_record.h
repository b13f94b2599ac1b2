#pragma once
// Every value the settings file keeps, and the window's values that some
// defaults are computed from.
#include <array>
#include <cstdint>

#include "engine/clock_side.h"
#include "engine/modes.h"
#include "engine/progress.h"
#include "engine/reminder.h"
#include "engine/text.h"
#include "engine/theme.h"
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

// What the file keeps besides the window's geometry and the two clocks. The
// window and the settings dialog hold these fields as they are (see
// ui/main_form_state.h), so a new setting is a field here and a row in the
// key table, and nothing copies it by name.
struct SharedSettings {
    DisplayOptions Display;
    bool ViewMode = false;
    std::uint8_t ViewRate = 0; // the window's alpha value
    bool StayOnTop = false;
    TitleSource TitleMode{};
    Text TitleString;
    bool ShowTitleBar = false;
    bool ShowMenuBar = false;
    bool ShowInTaskBar = false;
    bool SaveStatus = false;
    ProgressSettings Progress;
    bool AutoScale = false;
    bool SameFont = false;
    std::array<FontSettings, 2> Fonts; // left, right date label
    // How the clock lives on the desktop.
    ThemeChoice Theme{};
    bool ClickThrough = false;     // while translucent, clicks reach the window beneath
    bool HoverOpaque = false;      // while translucent, opaque under the pointer
    bool HideInFullScreen = false; // while a full-screen program covers its monitor
    // What the clock tells the user of.
    ReminderOptions Reminding;
    std::array<ReminderSettings, MaxReminders> Reminders; // the slots in use have a time

    bool operator==(const SharedSettings&) const = default;
};

// Every value of the file. A value-initialised record has zeros, empty texts
// and the clocks' own defaults; the keys' defaults are in the key table, and
// DefaultSettings gives them as a record.
struct Settings : SharedSettings {
    WindowPlacementValues Placement;
    std::int32_t Split = 0;        // width of the left clock's frame
    WindowShowState WindowState{}; // applied at start-up only
    std::array<SideSettings, 2> Sides;

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
    std::size_t slot = 0; // the reminder slot of the key being written
};

} // namespace velmora
