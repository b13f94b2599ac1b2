#include "ui/main_form_state.h"

namespace velmora {

void CopySettingsToState(const Settings& from, MainFormState& to) {
    // Only what the file keeps: the patterns derived before stay, since an
    // unknown blink mode leaves the blink pairs as they were.
    for (std::size_t i = 0; i < to.Sides.size(); ++i) {
        const SideSettings& values = from.sides[i];
        ClockSide& side = to.Sides[i];
        side.BoxName = values.boxName;
        side.DiffIndex = values.diffIndex;
        side.DateIndex = values.dateIndex;
        side.TimeIndex = values.timeIndex;
        side.LocaleID = values.localeId;
        side.TimeZone = values.timeZone;
    }
    to.Display.BlinkMode = from.blinkMode;
    to.Display.SwingBlink = from.swingBlink;
    to.ViewMode = from.viewMode;
    to.ViewRate = from.viewRate;
    to.StayOnTop = from.stayOnTop;
    to.TitleMode = from.titleMode;
    to.TitleString = from.titleString;
    to.ShowTitleBar = from.showTitleBar;
    to.ShowMenuBar = from.showMenuBar;
    to.ShowInTaskBar = from.showInTaskBar;
    to.SaveStatus = from.saveStatus;
    to.Progress.ProgressTime = from.progressTime;
    to.Progress.ProgressColor = from.progressColor;
    to.Progress.ProgressFrom = from.progressFrom;
    to.Progress.ProgressTo = from.progressTo;
    to.AutoScale = from.autoScale;
    to.SameFont = from.sameFont;
    to.Fonts = from.fonts;
}

void CopyStateToSettings(const MainFormState& from, Settings& to) {
    for (std::size_t i = 0; i < from.Sides.size(); ++i) {
        const ClockSide& side = from.Sides[i];
        to.sides[i] = {side.BoxName,   side.DiffIndex, side.DateIndex,
                       side.TimeIndex, side.LocaleID,  side.TimeZone};
    }
    to.blinkMode = from.Display.BlinkMode;
    to.swingBlink = from.Display.SwingBlink;
    to.viewMode = from.ViewMode;
    to.viewRate = from.ViewRate;
    to.stayOnTop = from.StayOnTop;
    to.titleMode = from.TitleMode;
    to.titleString = from.TitleString;
    to.showTitleBar = from.ShowTitleBar;
    to.showMenuBar = from.ShowMenuBar;
    to.showInTaskBar = from.ShowInTaskBar;
    to.saveStatus = from.SaveStatus;
    to.progressTime = from.Progress.ProgressTime;
    to.progressColor = from.Progress.ProgressColor;
    to.progressFrom = from.Progress.ProgressFrom;
    to.progressTo = from.Progress.ProgressTo;
    to.autoScale = from.AutoScale;
    to.sameFont = from.SameFont;
    to.fonts = from.Fonts;
}

} // namespace velmora
