// The main window's settings: reading a file into the state and the window,
// writing them back, and the file commands of the menus.
#include "ui/main_form.h"

#include <vector>

#include "engine/display_patterns.h"
#include "engine/pattern_lists.h"
#include "engine/side_time.h"
#include "engine/text_win.h"
#include "engine/tick.h"
#include "settings/file_error.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"
#include "ui/form_logic.h"
#include "ui/resource.h"

namespace velmora {
namespace {

bool Checked(HMENU menu, UINT id) {
    return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void SetChecked(HMENU menu, UINT id, bool on) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

WINDOWPLACEMENT CurrentPlacement(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement;
}

WindowPlacementValues ValuesOf(const WINDOWPLACEMENT& p) {
    return {static_cast<std::int32_t>(p.flags),
            static_cast<std::int32_t>(p.showCmd),
            p.ptMaxPosition.x,
            p.ptMaxPosition.y,
            p.rcNormalPosition.left,
            p.rcNormalPosition.top,
            p.rcNormalPosition.right,
            p.rcNormalPosition.bottom};
}

MONITORINFO MonitorInfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

// A placement saved with a bigger or another set of monitors can leave the
// window off every screen: it goes onto the nearest monitor's work area, its
// size kept. Checked on the placement as applied, since the system clamps
// what it cannot hold.
void BringOntoScreen(HWND window, WINDOWPLACEMENT& applied) {
    const RECT normal = CurrentPlacement(window).rcNormalPosition;
    // The normal position counts from the corner of the primary work area.
    const MONITORINFO primary = MonitorInfoOf(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    const LONG dx = primary.rcWork.left - primary.rcMonitor.left;
    const LONG dy = primary.rcWork.top - primary.rcMonitor.top;
    RECT onScreen = normal;
    OffsetRect(&onScreen, dx, dy);
    if (MonitorFromRect(&onScreen, MONITOR_DEFAULTTONULL) != nullptr)
        return;
    const MONITORINFO nearest = MonitorInfoOf(MonitorFromRect(&onScreen, MONITOR_DEFAULTTONEAREST));
    applied.rcNormalPosition = MovedInside(onScreen, nearest.rcWork);
    OffsetRect(&applied.rcNormalPosition, -dx, -dy);
    SetWindowPlacement(window, &applied);
}

void Apply(const WindowPlacementValues& values, WINDOWPLACEMENT& p) {
    p.flags = static_cast<UINT>(values.flags);
    p.showCmd = static_cast<UINT>(values.showCmd);
    p.ptMaxPosition = {values.maxX, values.maxY};
    p.rcNormalPosition = {values.left, values.top, values.right, values.bottom};
}

} // namespace

WindowShowState TForm1::WindowState() const {
    // Minimised, the main window is hidden and its owner carries the button.
    if (IsIconic(window_) || IsIconic(app_.Handle()))
        return WindowShowState::Minimised;
    if (IsZoomed(window_))
        return WindowShowState::Maximised;
    return WindowShowState::Normal;
}

WindowEnvironment TForm1::Environment(const WINDOWPLACEMENT& placement) const {
    WindowEnvironment environment;
    environment.placement = ValuesOf(placement);
    environment.windowState = WindowState();
    environment.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    environment.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    RECT outer{};
    GetWindowRect(window_, &outer);
    environment.windowWidth = outer.right - outer.left;
    environment.windowHeight = outer.bottom - outer.top;
    RECT client{};
    GetClientRect(window_, &client);
    environment.clientWidth = client.right;
    environment.pixelsPerInch = static_cast<std::int32_t>(dpi_);
    environment.currentFaceNames = {label1_.Font().faceName, label2_.Font().faceName};
    return environment;
}

void TForm1::ReadSettings(const Text& fileName) {
    WINDOWPLACEMENT placement = CurrentPlacement(window_);
    const IniDocument document = LoadSettingsDocument(deps_.files, fileName);
    if (fileName == IniPathOf(deps_.executablePath))
        keepIniAtExit_ = false; // read after all: ours to write again

    // The placement goes first: "Split" defaults to half the client width
    // that it leaves.
    WindowEnvironment environment = Environment(placement);
    Apply(ReadWindowPlacement(document, environment), placement);
    const bool running = shownOnce_;
    if (!running)
        placement.showCmd = SW_HIDE; // sized and placed, shown later
    else if (placement.showCmd == SW_HIDE)
        placement.showCmd = SW_SHOWNORMAL; // a file never makes the running clock vanish
    SetWindowPlacement(window_, &placement);
    BringOntoScreen(window_, placement);
    RECT client{};
    GetClientRect(window_, &client);
    environment.clientWidth = client.right;

    const SettingsReadResult read = ReadSettingsDocument(document, environment);
    if (!running)
        initialState_ = read.settings.windowState;
    ApplySettings(read.settings, fileName);
    // A colour that did not convert took its default; the rest is in effect.
    if (read.error)
        throw *read.error;
}

void TForm1::ApplySettings(const Settings& s, const Text& fileName) {
    applyingSettings_ = true;
    groupBox1_.SetCaption(s.sides[0].boxName);
    groupBox2_.SetCaption(s.sides[1].boxName);
    for (const auto& [side, values] :
         {std::pair{&left_, &s.sides[0]}, std::pair{&right_, &s.sides[1]}}) {
        side->BoxName = values->boxName;
        side->DiffIndex = values->diffIndex;
        side->DateIndex = values->dateIndex;
        side->TimeIndex = values->timeIndex;
        side->LocaleID = values->localeId;
        side->TimeZone = values->timeZone;
    }

    display_.BlinkMode = s.blinkMode;
    display_.SwingBlink = s.swingBlink;
    viewMode_ = s.viewMode;
    SetAlpha(s.viewRate);
    SetStayOnTop(s.stayOnTop);
    titleMode_ = s.titleMode;
    titleString_ = s.titleString;

    SetChecked(mainMenu1_, ID_SHOWTITLEBAR1, s.showTitleBar);
    SetChecked(mainMenu1_, ID_SHOWMENUBAR1, s.showMenuBar);
    SetChecked(mainMenu1_, ID_SHOWINTASKBAR1, s.showInTaskBar);
    SetChecked(mainMenu1_, ID_ISSAVESTATUS, s.saveStatus);
    SetChecked(popupMenu1_, ID_ISSAVESTATUS2, s.saveStatus);

    progress_.ProgressTime = s.progressTime;
    progress_.ProgressColor = s.progressColor;
    progress_.ProgressFrom = s.progressFrom;
    progress_.ProgressTo = s.progressTo;
    lastProgressError_.reset(); // new settings: an error is worth showing again
    lastTickError_.reset();

    autoScale_ = s.autoScale;
    sameFont_ = s.sameFont;
    label1_.SetFont(s.fonts[0]);
    label11_.SetFont(s.fonts[0]);
    label2_.SetFont(s.fonts[1]);
    label21_.SetFont(s.fonts[1]);

    if (const auto title = FixedTitle(titleMode_, titleString_))
        SetCaption(*title);

    // Each toggle flips the pop-up item back to the value read and applies it.
    for (const auto& [main, popup] : {std::pair{ID_SHOWTITLEBAR1, ID_SHOWTITLEBAR2},
                                      std::pair{ID_SHOWMENUBAR1, ID_SHOWMENUBAR2},
                                      std::pair{ID_SHOWINTASKBAR1, ID_SHOWINTASKBAR2}}) {
        SetChecked(popupMenu1_, popup, !Checked(mainMenu1_, main));
        switch (popup) {
        case ID_SHOWTITLEBAR2:
            ShowTitleBar2Click();
            break;
        case ID_SHOWMENUBAR2:
            ShowMenuBar2Click();
            break;
        default:
            ShowInTaskBar2Click();
            break;
        }
    }

    for (ClockSide* side : {&left_, &right_}) {
        LoadLocaleSettings(deps_.locale, pc_.Facts, side->LocaleID, side->FormatSettings);
        BuildPatternLists(*side);
    }
    DeriveDisplayPatterns(left_, right_, display_, deps_.fontPitch, label11_.Font().faceName,
                          label21_.Font().faceName);

    leftAnchored_ = true;
    anchoredWidth_ = s.split;
    Layout();
    FormShow();
    initialDirectory_ = SplitPath(fileName).directory;
    applyingSettings_ = false;
    resizeArmed_ = false;
    UpdateProgress();
}

Settings TForm1::CaptureSettings() const {
    Settings s;
    s.placement = ValuesOf(CurrentPlacement(window_));
    RECT frame{};
    GetWindowRect(groupBox1_.Handle(), &frame);
    s.split = frame.right - frame.left;
    s.windowState = WindowState();
    // A side on a time zone also stores the zone's offset now, for programs
    // that know only the fixed offsets.
    const ClockReading now = deps_.clock.Read();
    s.sides[0] = {groupBox1_.Caption(), DiffIndexToStore(left_, now, deps_.zones),
                  left_.DateIndex,      left_.TimeIndex,
                  left_.LocaleID,       left_.TimeZone};
    s.sides[1] = {groupBox2_.Caption(), DiffIndexToStore(right_, now, deps_.zones),
                  right_.DateIndex,     right_.TimeIndex,
                  right_.LocaleID,      right_.TimeZone};
    s.blinkMode = display_.BlinkMode;
    s.swingBlink = display_.SwingBlink;
    s.viewMode = viewMode_;
    s.viewRate = alpha_;
    s.stayOnTop = stayOnTop_;
    s.titleMode = titleMode_;
    s.titleString = titleString_;
    s.showTitleBar = Checked(mainMenu1_, ID_SHOWTITLEBAR1);
    s.showMenuBar = Checked(mainMenu1_, ID_SHOWMENUBAR1);
    s.showInTaskBar = Checked(mainMenu1_, ID_SHOWINTASKBAR1);
    s.saveStatus = Checked(mainMenu1_, ID_ISSAVESTATUS);
    s.progressTime = progress_.ProgressTime;
    s.progressColor = progress_.ProgressColor;
    s.progressFrom = progress_.ProgressFrom;
    s.progressTo = progress_.ProgressTo;
    s.autoScale = autoScale_;
    s.sameFont = sameFont_;
    s.fonts = {label1_.Font(), label2_.Font()};
    return s;
}

void TForm1::WriteSettings(const Text& fileName) {
    const WriterEnvironment environment{deps_.executablePath, static_cast<std::int32_t>(dpi_)};
    WriteSettingsFile(deps_.files, fileName, CaptureSettings(), environment);
}

// ---- File commands ---------------------------------------------------------

void TForm1::ReadIn1Click() {
    const auto chosen = deps_.dialogs.ChooseFileToOpen(window_, initialDirectory_);
    if (!chosen)
        return;
    currentFileName_ = *chosen;
    try {
        ReadSettings(currentFileName_);
        EnableSave1(true);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TForm1::Save1Click() {
    if (currentFileName_.empty()) {
        SaveAs1Click();
        return;
    }
    try {
        WriteSettings(currentFileName_);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TForm1::SaveAs1Click() {
    const auto chosen = deps_.dialogs.ChooseFileToSave(window_, initialDirectory_);
    if (!chosen)
        return;
    currentFileName_ = *chosen;
    try {
        WriteSettings(currentFileName_);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TForm1::FormDropFiles(HDROP drop) {
    // The whole name of the first file: a name cut to a fixed buffer would
    // read some other file or none.
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::vector<wchar_t> name(length + 1, L'\0');
    DragQueryFileW(drop, 0, name.data(), length + 1);
    DragFinish(drop);
    currentFileName_ = FromWide(std::wstring_view(name.data(), length));
    try {
        ReadSettings(currentFileName_);
        EnableSave1(true);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

// The start-up ".ini" was never read, so closing does not overwrite it: the
// user hears that the settings were not saved and may keep them elsewhere.
void TForm1::OfferToSaveUnreadSettings() {
    const Text question = "ファイル \"" + IniPathOf(deps_.executablePath) +
                          "\" は起動時に読み込めなかったため、設定を保存しませんでした。\r\n"
                          "別の名前で保存しますか？";
    if (deps_.boxes.Show(window_, question, "確認", MB_YESNO | MB_ICONQUESTION) == IDYES)
        SaveAs1Click();
}

bool TForm1::FormCloseQuery() {
    if (keepIniAtExit_) {
        OfferToSaveUnreadSettings();
        return true;
    }
    // Closing never fails: a start-up file that cannot be written is
    // reported and the window closes all the same.
    try {
        WriteSettings(IniPathOf(deps_.executablePath));
    } catch (const std::exception& error) {
        ShowError(error);
    }
    return true;
}

} // namespace velmora
