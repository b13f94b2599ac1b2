#pragma once
// The main window's state in one record: the frames, labels, menus and
// chrome are drawn from it, and reading, writing and the settings dialog
// copy it. The window's own geometry (placement, split, state) stays with
// the window and is read from it when the settings are written.
#include <array>
#include <cstdint>

#include "engine/clock_side.h"
#include "engine/progress.h"
#include "engine/text.h"
#include "settings/settings_record.h"

namespace velmora {

// It starts from the key table's defaults, as a file without keys gives them.
struct MainFormState {
    std::array<ClockSide, 2> Sides; // left, right
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
    // Each side's date label font; the time label below it shares it.
    std::array<FontSettings, 2> Fonts;
};

// What a settings file sets in the state. The sides' formats and pattern
// lists are derived from it afterwards.
void CopySettingsToState(const Settings& from, MainFormState& to);
// The state's part of a settings file. The window adds its geometry, and a
// side on a time zone the zone's offset now.
void CopyStateToSettings(const MainFormState& from, Settings& to);

} // namespace velmora
