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

namespace velmora {
namespace {

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
    applied.rcNormalPosition = ToRECT(MovedInside(ToRect(onScreen), ToRect(nearest.rcWork)));
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
    environment.currentFaceNames = {state_.Fonts[0].faceName, state_.Fonts[1].faceName};
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
    // As stored, even below the smallest size the user can drag it to.
    placingFromFile_ = true;
    SetWindowPlacement(window_, &placement);
    BringOntoScreen(window_, placement);
    placingFromFile_ = false;
    RECT client{};
    GetClientRect(window_, &client);
    environment.clientWidth = client.right;

    const SettingsReadResult read = ReadSettingsDocument(document, environment);
    if (!running)
        initialState_ = read.settings.WindowState;
    ApplySettings(read.settings, fileName);
    // A colour that did not convert took its default; the rest is in effect.
    if (read.error)
        throw *read.error;
}

// The file's values become the state, and the window is drawn from it.
void TForm1::ApplySettings(const Settings& s, const Text& fileName) {
    applyingSettings_ = true;
    CopySettingsToState(s, state_);
    lastProgressError_.reset(); // new settings: an error is worth showing again
    lastTickError_.reset();

    ApplyCaptions();
    SetAlpha(state_.ViewRate);
    SetStayOnTop(state_.StayOnTop);
    ApplyFonts();
    if (const auto title = FixedTitle(state_.TitleMode, state_.TitleString))
        SetCaption(*title);
    ApplyTitleBar();
    ApplyMenuBar();
    ApplyDesktop();

    for (ClockSide& side : state_.Sides) {
        LoadLocaleSettings(deps_.locale, pc_.Facts, side.LocaleID, side.FormatSettings);
        BuildPatternLists(side);
    }
    DerivePatterns();
    LoadReminders();

    leftAnchored_ = true;
    anchoredWidth_ = s.Split;
    Layout();
    FormShow();
    initialDirectory_ = SplitPath(fileName).directory;
    applyingSettings_ = false;
    resizeArmed_ = false;
    UpdateProgress();
}

Settings TForm1::CaptureSettings() const {
    Settings s;
    CopyStateToSettings(state_, s);
    s.Placement = ValuesOf(CurrentPlacement(window_));
    RECT frame{};
    GetWindowRect(groupBox1_.Handle(), &frame);
    s.Split = frame.right - frame.left;
    s.WindowState = WindowState();
    // A side on a time zone also stores the zone's offset now, for programs
    // that know only the fixed offsets.
    const ClockReading now = deps_.clock.Read();
    for (std::size_t i = 0; i < s.Sides.size(); ++i)
        s.Sides[i].DiffIndex = DiffIndexToStore(state_.Sides[i], now, deps_.zones);
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

// Settings kept at the end of a Windows session wait under this ending until
// the next start names them, then take the other, a settings file to open.
constexpr char SessionEndPending[] = ".unsaved";
constexpr char SessionEndKept[] = "-unsaved.dat";

// A box at the end of a session would hold up the log-off, so nothing asks:
// settings that must not replace an unread ".ini" go beside it, and a file
// that cannot be written is not reported, there is nobody to read it.
void TForm1::SaveAtSessionEnd() {
    try {
        WriteSettings(keepIniAtExit_ ? SiblingPath(deps_.executablePath, SessionEndPending)
                                     : IniPathOf(deps_.executablePath));
    } catch (const std::exception&) {
    }
}

void TForm1::NameSettingsKeptAtSessionEnd() {
    const Text kept = SiblingPath(deps_.executablePath, SessionEndKept);
    if (!deps_.files.RenameFile(SiblingPath(deps_.executablePath, SessionEndPending), kept))
        return;
    const Text text = "前回 Windows を終了したとき、ファイル \"" + IniPathOf(deps_.executablePath) +
                      "\" は起動時に読み込めなかったため、設定をファイル \"" + kept +
                      "\" に保存しました。\r\n「読込み」で開くことができます。";
    deps_.boxes.Show(window_, text, FromWide(WideWindowText(app_.Handle())),
                     MB_OK | MB_ICONINFORMATION);
}

void TForm1::FormCloseQuery() {
    if (keepIniAtExit_) {
        OfferToSaveUnreadSettings();
        return;
    }
    // Closing never fails: a start-up file that cannot be written is
    // reported and the window closes all the same.
    try {
        WriteSettings(IniPathOf(deps_.executablePath));
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

} // namespace velmora
