#pragma once
// The main window's state in one record: the frames, labels, menus and
// chrome are drawn from it, and the settings dialog edits a copy of it. The
// window's own geometry (placement, split, state) stays with the window and
// is read from it when the settings are written.
#include <array>

#include "engine/clock_side.h"
#include "settings/settings_record.h"

namespace velmora {

// It starts from the key table's defaults, as a file without keys gives them.
// The settings it shares with the file are the file record's own fields, and
// each side is the file's side with what is derived from it.
struct MainFormState : SharedSettings {
    std::array<ClockSide, 2> Sides; // left, right
};

// What a settings file sets in the state. The sides' formats and pattern
// lists are derived from it afterwards.
void CopySettingsToState(const Settings& from, MainFormState& to);
// The state's part of a settings file. The window adds its geometry, and a
// side on a time zone the zone's offset now.
void CopyStateToSettings(const MainFormState& from, Settings& to);
// What the file keeps, from the settings dialog's copy back to the window.
void CopyKeptValues(const MainFormState& from, MainFormState& to);

} // namespace velmora
