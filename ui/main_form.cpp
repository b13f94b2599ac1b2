#include "ui/main_form.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "engine/conversion_error.h"
#include "engine/display_patterns.h"
#include "engine/pattern_lists.h"
#include "engine/text_win.h"
#include "engine/tick.h"
#include "settings/file_error.h"
#include "settings/setting_values.h"
#include "settings/settings_reader.h"
#include "settings/window_design.h"
#include "shell/shell_resources.h"
#include "ui/form_logic.h"
#include "ui/resource.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

constexpr wchar_t ClassName[] = L"TForm1";

constexpr UINT_PTR Timer1Id = 1;

// A timer that wakes this close before a second boundary waits for it.
constexpr int EarlyWakeMilliseconds = 950;

constexpr DWORD SizeableStyle =
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// The program's icon at the sizes of the system's DPI, shared and never freed.
ClassIcons ProgramIcons() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [&](int metric) {
        const int size = GetSystemMetrics(metric);
        return static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELMORA), IMAGE_ICON, size, size, LR_SHARED));
    };
    return {load(SM_CXICON), load(SM_CXSMICON)};
}

// No taskbar progress on this system.
class AbsentTaskbar final : public TaskbarProgress {
  public:
    bool SetState(ProgressKind) override { return false; }
    bool SetValue(std::uint64_t, std::uint64_t) override { return false; }
    bool Available() const override { return false; }
};

// Which handler each command runs, from either menu or a shortcut key.
struct CommandRoute {
    UINT id;
    void (TForm1::*handler)();
};
constexpr CommandRoute CommandRoutes[] = {
    {ID_READIN, &TForm1::ReadIn1Click},
    {ID_SAVE, &TForm1::Save1Click},
    {ID_SAVEAS, &TForm1::SaveAs1Click},
    {ID_DESKTOP, &TForm1::DeskTop1Click},
    {ID_STARTUP, &TForm1::StartUp1Click},
    {ID_STARTMENU, &TForm1::StartMenu1Click},
    {ID_MINIMIZE, &TForm1::Minimize1Click},
    {ID_EXIT, &TForm1::Exit1Click},
    {ID_SETTING, &TForm1::Setting1Click},
    {ID_SHOWTITLEBAR, &TForm1::ShowTitleBar2Click},
    {ID_SHOWMENUBAR, &TForm1::ShowMenuBar2Click},
    {ID_SHOWINTASKBAR, &TForm1::ShowInTaskBar2Click},
    {ID_SAVESTATUS, &TForm1::IsSaveStatus2Click},
    {ID_HELP, &TForm1::Help2Click},
    {ID_ABOUT, &TForm1::About1Click},
    {ID_SITE, &TForm1::Site1Click},
};

void SetChecked(HMENU menu, UINT id, bool on) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ChildRect(HWND child) {
    RECT rect = WindowRect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int ClientHeight(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect.bottom;
}

// A child already where it belongs is left alone: a resize lays every child
// out again, and under Wine each move is a request to the window server.
void Place(HWND window, int left, int top, int width, int height) {
    const RECT wanted{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    const RECT current = ChildRect(window);
    if (EqualRect(&wanted, &current))
        return;
    SetWindowPos(window, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                 wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TForm1::TForm1(FormDependencies dependencies)
    : deps_(std::move(dependencies)), taskbar_(std::make_unique<AbsentTaskbar>()) {
    ReloadPcSettings();
    // Until a settings file is read the clocks run on the defaults, so the
    // tick never formats lists that were not built.
    CopySettingsToState(DefaultSettings(), state_);
    state_.Fonts = {DesignLabelFont(), DesignLabelFont()};
    for (ClockSide& side : state_.Sides) {
        LoadLocaleSettings(deps_.locale, pc_.Facts, side.LocaleID, side.FormatSettings);
        BuildPatternLists(side);
    }
    DerivePatterns();
}

TForm1::~TForm1() {
    if (window_)
        DestroyWindow(window_);
}

bool TForm1::Create() {
    // The classes carry the icons at the system's DPI, so that a start on a
    // monitor of that DPI, the usual one, sends no icons of its own.
    const ClassIcons icons = ProgramIcons();
    if (!app_.Create(ProductName, icons))
        return false;
    RegisterWindowClassOnce(ClassName, Procedure, LoadCursorW(nullptr, IDC_ARROW),
                            GetSysColorBrush(COLOR_BTNFACE), 0, icons);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    mainMenu1_.reset(LoadMenuW(instance, L"MainMenu1"));
    popupMenuRoot_.reset(LoadMenuW(instance, L"PopupMenu1"));
    popupMenu1_ = GetSubMenu(popupMenuRoot_.get(), 0);
    // A table loaded from the resources is freed with the program.
    accelerators_ = LoadAcceleratorsW(instance, L"Accelerators1");
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");

    dpi_ = GetDpiForSystem();
    const DWORD style = WS_OVERLAPPED | SizeableStyle | WS_CLIPCHILDREN;
    RECT outer{0, 0, Scale(DesignClientWidth), Scale(DesignClientHeight)};
    AdjustWindowRectExForDpi(&outer, style, TRUE, WS_EX_LAYERED, dpi_);
    // Files dropped on the window are read as settings from creation on.
    CreateWindowExW(WS_EX_LAYERED | WS_EX_ACCEPTFILES, ClassName, ToWide(ProductName).c_str(),
                    style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                    outer.bottom - outer.top, app_.Handle(), mainMenu1_.get(), instance, this);
    if (!window_)
        return false;
    if (dpi_ != GetDpiForSystem())
        SetIcons();
    return true;
}

TForm2& TForm1::SettingsDialog() {
    if (!form2_) {
        SettingsDialogHost& host = *this;
        form2_ = std::make_unique<TForm2>(host, deps_.fonts);
        form2_->Create(window_, state_.Sides[0].LocaleID, state_.Sides[1].LocaleID);
    }
    return *form2_;
}

void TForm1::ShowFirst() {
    shownOnce_ = true;
    switch (initialState_) {
    case WindowShowState::Maximised:
        ShowWindow(window_, SW_SHOWMAXIMIZED);
        break;
    case WindowShowState::Minimised:
        ShowWindow(window_, SW_SHOWNORMAL);
        Minimize1Click();
        break;
    default:
        ShowWindow(window_, SW_SHOWNORMAL);
        break;
    }
    UpdateWindow(window_);
}

bool TForm1::TranslateAccelerators(MSG& message) const {
    return window_ && TranslateAcceleratorW(window_, accelerators_, &message);
}

// The program's icon in the caption and on the taskbar button, at the sizes
// for the window's DPI. The ones they replace are freed after the swap.
void TForm1::SetIcons() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [&](int metric) {
        const int size = GetSystemMetricsForDpi(metric, dpi_);
        return UniqueIcon(static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELMORA), IMAGE_ICON, size, size, 0)));
    };
    UniqueIcon big = load(SM_CXICON);
    UniqueIcon small = load(SM_CXSMICON);
    for (HWND window : {app_.Handle(), window_}) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    }
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

int TForm1::Scale(int designPixels) const {
    return MulDiv(designPixels, static_cast<int>(dpi_), 96);
}

FontSettings TForm1::DesignLabelFont() const {
    return {DesignLabelFace, Scale(DesignLabelHeight), {}, 0};
}

// ---- Window procedure ----------------------------------------------------

LRESULT CALLBACK TForm1::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TForm1* self = BindWindowObject<TForm1>(window, message, lParam);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        self->window_ = window;
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;
        if (self->destroyed_)
            self->destroyed_();
    }
    return result;
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        FormCreate();
        return 0;
    case WM_SIZE:
        Layout();
        FormResize();
        return 0;
    case WM_SHOWWINDOW:
        if (wParam)
            FormShow();
        break;
    case WM_CLOSE:
        FormCloseQuery();
        DestroyWindow(window_);
        return 0;
    case WM_QUERYENDSESSION:
        SaveAtSessionEnd();
        return TRUE;
    case WM_DESTROY:
        KillTimer(window_, Timer1Id);
        // A shown menu bar would be destroyed with the window: detached, it
        // is freed once, by its owner.
        SetMenu(window_, nullptr);
        mainMenu1_.reset();
        return 0;
    case WM_TIMER:
        // The progress refresh rides on the tick's timer: one wake-up a
        // second, not two.
        if (wParam != Timer1Id)
            break;
        if (DecodeDateTime(deps_.clock.Now()).millisecond >= EarlyWakeMilliseconds) {
            ArmTick();
            return 0;
        }
        Timer1Timer();
        if (taskbarReady_)
            Timer2Timer();
        return 0;
    case WM_COMMAND:
        if (Command(LOWORD(wParam)))
            return 0;
        break;
    case WM_INITMENUPOPUP:
        InitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_CONTEXTMENU: {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (at.x == -1 && at.y == -1)
            GetCursorPos(&at);
        TrackPopupMenu(popupMenu1_, TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(window_, &at);
        pressedAt_ = at;
        return 0;
    }
    case WM_MOUSEMOVE:
        FormMouseMove(wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_SETCURSOR:
        // A child asks its parent first: the divider keeps its own cursor.
        if (LOWORD(lParam) == HTCLIENT && TakesZoneCursor(reinterpret_cast<HWND>(wParam))) {
            SetCursor(LoadCursorW(nullptr, cursor_));
            return TRUE;
        }
        break;
    case WM_SYSCOMMAND:
        // The title bar's minimise button minimises the whole application,
        // as the menu command does.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            Minimize1Click();
            return 0;
        }
        break;
    case WM_DROPFILES:
        FormDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_WINDOWPOSCHANGING:
        SnapMove(*reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case WM_EXITSIZEMOVE:
        snapShift_ = {};
        break;
    case WM_MOVING:
        SnapDrag(*reinterpret_cast<RECT*>(lParam));
        return TRUE;
    case WM_GETMINMAXINFO:
        if (!placingFromFile_) {
            const SIZE least = MinimumSize();
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
        }
        return 0;
    case WM_DPICHANGED:
        ChangeDpi(HIWORD(wParam), *reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_SETTINGCHANGE:
        ReloadPcSettings();
        break;
    case WM_TIMECHANGE:
        Timer1Timer();
        return 0;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)
            Timer1Timer();
        return TRUE;
    default:
        if (message == taskbarCreatedMessage_ && message != 0) {
            ReloadPcSettings();
            return 0;
        }
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool TForm1::Command(UINT id) {
    for (const CommandRoute& route : CommandRoutes)
        if (route.id == id) {
            (this->*route.handler)();
            return true;
        }
    return false;
}

// A menu shows the state as it is when it opens: the toggles' marks in both
// menus, and the main menu's save item only once there is a file to save to.
void TForm1::InitMenuPopup(HMENU menu) const {
    SetChecked(menu, ID_SHOWTITLEBAR, state_.ShowTitleBar);
    SetChecked(menu, ID_SHOWMENUBAR, state_.ShowMenuBar);
    SetChecked(menu, ID_SHOWINTASKBAR, state_.ShowInTaskBar);
    SetChecked(menu, ID_SAVESTATUS, state_.SaveStatus);
    if (menu == GetSubMenu(mainMenu1_.get(), 0))
        EnableMenuItem(menu, ID_SAVE, MF_BYCOMMAND | (save1Enabled_ ? MF_ENABLED : MF_GRAYED));
}

// ---- Start-up and layout --------------------------------------------------

void TForm1::CreateControls() {
    dpi_ = GetDpiForWindow(window_);
    SetAlpha(255);
    groupBox1_.Create(window_);
    splitter1_.Create(window_, [this](int left) { SplitterMoved(left); });
    groupBox2_.Create(window_);
    label1_.Create(groupBox1_.Handle(), TextPlacement::Bottom);
    label11_.Create(groupBox1_.Handle(), TextPlacement::Middle);
    label2_.Create(groupBox2_.Handle(), TextPlacement::Bottom);
    label21_.Create(groupBox2_.Handle(), TextPlacement::Middle);

    LOGFONTW frameFont = LogFontOf({DesignFrameFace, Scale(DesignFrameFontHeight), {}, 0});
    groupBox1_.SetFont(frameFont);
    groupBox2_.SetFont(frameFont);
    // Names, label fonts and sizes come when the settings are read, or
    // from these defaults when they are not.
    state_.Fonts = {DesignLabelFont(), DesignLabelFont()};
    leftAnchored_ = true;
    anchoredWidth_ = Scale(DesignSplit);
}

void TForm1::FormCreate() {
    CreateControls();
    ArmTick();
    app_.SetRestoreHandler([this] {
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        AppRestore();
    });
    app_.SetCloseHandler([this] { PostMessageW(window_, WM_CLOSE, 0, 0); });

    currentFileName_.clear();
    const StartupChoice startup = ChooseStartupFile(deps_.commandLine, deps_.executablePath);
    EnableSave1(startup.fromCommandLine);

    if (deps_.makeTaskbar)
        if (auto made = deps_.makeTaskbar(app_.Handle()))
            taskbar_ = std::move(made);
    // Until the taskbar object is first needed, whether the platform has one.
    taskbarReady_ = taskbar_->Available();

    // A file that cannot be read leaves the defaults; the start-up goes on.
    try {
        ReadSettings(startup.file);
    } catch (const FileError& error) {
        // Our own ".ini" exists but was not read (held open, say): writing it
        // at exit would replace the user's settings with these defaults.
        keepIniAtExit_ = startup.file == IniPathOf(deps_.executablePath);
        ApplyControls();
        ShowError(error);
    } catch (const std::exception& error) {
        ApplyControls();
        ShowError(error);
    }
    NameSettingsKeptAtSessionEnd();
    Timer1Timer();
    random_.seed(ClockSeed(deps_.clock.Now()));
    UpdateProgress();
}

int TForm1::LabelTop() const {
    return groupBox1_.LabelTop(Scale(FrameInset));
}

void TForm1::Layout() {
    if (!groupBox1_.Handle())
        return;
    RECT client{};
    GetClientRect(window_, &client);
    const int padding = Scale(WindowPadding);
    const int left = padding;
    const int right = std::max(static_cast<int>(client.right) - padding, left);
    const int top = padding;
    const int height = std::max(static_cast<int>(client.bottom) - 2 * padding, 0);
    const int splitter = Scale(SplitterWidth);
    const int width =
        AnchoredFrameWidth(anchoredWidth_, right - left - splitter, Scale(MinimumFrameWidth));
    if (leftAnchored_) {
        Place(groupBox1_.Handle(), left, top, width, height);
        Place(splitter1_.Handle(), left + width, top, splitter, height);
        Place(groupBox2_.Handle(), left + width + splitter, top, right - left - width - splitter,
              height);
    } else {
        Place(groupBox2_.Handle(), right - width, top, width, height);
        Place(splitter1_.Handle(), right - width - splitter, top, splitter, height);
        Place(groupBox1_.Handle(), left, top, right - left - width - splitter, height);
    }
    // The date labels' height follows the frames' here, not on resizing
    // alone: a start lays the window out before showing it, and labels left
    // at the height they had would be sized and drawn again as it appears.
    dateLabelHeight_ = DateLabelHeight(ClientHeight(groupBox1_.Handle()), LabelTop());
    LayoutLabels();
}

void TForm1::LayoutLabels() {
    const int inset = Scale(FrameInset);
    const int top = LabelTop();
    for (const auto& [frame, date, time] : {std::tuple{&groupBox1_, &label1_, &label11_},
                                            std::tuple{&groupBox2_, &label2_, &label21_}}) {
        RECT area{};
        GetClientRect(frame->Handle(), &area);
        const int width = area.right - 2 * inset;
        Place(date->Handle(), inset, top, width, dateLabelHeight_);
        Place(time->Handle(), inset, top + dateLabelHeight_, width,
              area.bottom - inset - top - dateLabelHeight_);
    }
}

// The labels already fit: every resize lays the window out first.
void TForm1::FormResize() {
    // Resizes caused by applying a settings file leave the fonts and the
    // anchoring as the file gave them, wherever the mouse happens to be.
    if (applyingSettings_)
        return;
    if (!resizeArmed_) {
        resizeArmed_ = true;
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const RECT window = WindowRect(window_);
    if (!CursorOnWindow(ToPoint(cursor), ToRect(window)))
        return;
    // The clock on the side away from the dragged edge keeps its width.
    const RECT divider = ChildRect(splitter1_.Handle());
    const bool anchorLeft = cursor.x - window.left > divider.left || IsZoomed(window_);
    leftAnchored_ = anchorLeft;
    const RECT kept = ChildRect(anchorLeft ? groupBox1_.Handle() : groupBox2_.Handle());
    anchoredWidth_ = kept.right - kept.left;
    Layout();
    if (state_.AutoScale)
        AdjustFontSize();
}

void TForm1::SplitterMoved(int left) {
    RECT client{};
    GetClientRect(window_, &client);
    const int padding = Scale(WindowPadding);
    anchoredWidth_ =
        leftAnchored_ ? left - padding : client.right - padding - (left + Scale(SplitterWidth));
    anchoredWidth_ = std::max(anchoredWidth_, 0);
    Layout();
    FormResize();
}

void TForm1::AdjustFontSize() {
    for (const auto& [font, frame, date, time] :
         {std::tuple{&state_.Fonts[0], &groupBox1_, &label1_, &label11_},
          std::tuple{&state_.Fonts[1], &groupBox2_, &label2_, &label21_}}) {
        const FontRequest request = AutoScaleFontRequest(ClientHeight(frame->Handle()), *font);
        const LOGFONTW created = ToLogFont(request);
        *font = FontOfRequest(request, font->color);
        date->SetFont(*font, UniqueFont(CreateFontIndirectW(&created)));
        time->SetFont(*font, UniqueFont(CreateFontIndirectW(&created)));
    }
}

// The labels draw each side's font from the state.
void TForm1::ApplyFonts() {
    label1_.SetFont(state_.Fonts[0]);
    label11_.SetFont(state_.Fonts[0]);
    label2_.SetFont(state_.Fonts[1]);
    label21_.SetFont(state_.Fonts[1]);
}

void TForm1::ApplyCaptions() {
    groupBox1_.SetCaption(state_.Sides[0].BoxName);
    groupBox2_.SetCaption(state_.Sides[1].BoxName);
}

void TForm1::ApplyControls() {
    ApplyCaptions();
    ApplyFonts();
    Layout();
}

// The patterns a tick formats follow the sides, the blink options and
// whether the time labels' faces are proportional.
void TForm1::DerivePatterns() {
    DeriveDisplayPatterns(state_.Sides[0], state_.Sides[1], state_.Display, deps_.fontPitch,
                          state_.Fonts[0].faceName, state_.Fonts[1].faceName);
}

void TForm1::SnapMove(WINDOWPOS& position) const {
    if ((position.flags & SWP_NOMOVE) || !IsWindowVisible(window_) || IsZoomed(window_) ||
        IsIconic(window_))
        return;
    const RECT current = WindowRect(window_);
    const int width = current.right - current.left;
    const int height = current.bottom - current.top;
    if (!(position.flags & SWP_NOSIZE) && (position.cx != width || position.cy != height))
        return;
    const RECT moved{position.x, position.y, position.x + width, position.y + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&moved, MONITOR_DEFAULTTONEAREST), &monitor);
    const Point snapped = SnapToWorkArea(ToRect(moved), ToRect(monitor.rcWork), SnapDistance);
    position.x = snapped.x;
    position.y = snapped.y;
}

// The move loop adds each pointer step to the rectangle given back last, so
// the snap is taken out before snapping again: the window follows the
// pointer away from an edge in steps of any size.
void TForm1::SnapDrag(RECT& rect) {
    OffsetRect(&rect, -snapShift_.x, -snapShift_.y);
    WINDOWPOS position{
        window_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0};
    SnapMove(position);
    snapShift_ = {position.x - rect.left, position.y - rect.top};
    OffsetRect(&rect, snapShift_.x, snapShift_.y);
}

// Small enough for any screen, large enough that the menu bar stays one
// row and both clocks' frames remain between the border bands.
SIZE TForm1::MinimumSize() const {
    const bool menuShown = GetMenu(window_) != nullptr;
    int barWidth = 0;
    for (int item = 0; menuShown && item < GetMenuItemCount(mainMenu1_.get()); ++item) {
        RECT rect{};
        if (GetMenuItemRect(window_, mainMenu1_.get(), static_cast<UINT>(item), &rect))
            barWidth += rect.right - rect.left;
    }
    RECT least{0, 0, std::max(Scale(MinimumClientWidth), barWidth), Scale(MinimumClientHeight)};
    AdjustWindowRectExForDpi(&least, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                             menuShown, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)),
                             dpi_);
    return {least.right - least.left, least.bottom - least.top};
}

void TForm1::ChangeDpi(UINT dpi, const RECT& suggested) {
    const UINT old = dpi_;
    dpi_ = dpi;
    anchoredWidth_ = MulDiv(anchoredWidth_, static_cast<int>(dpi), static_cast<int>(old));
    // Through the points the settings file keeps, so that what is written at
    // this DPI reads back as the same font.
    for (FontSettings& font : state_.Fonts)
        font.height =
            FontHeightFromSize(FontSizeFromHeight(font.height, static_cast<std::int32_t>(old)),
                               static_cast<std::int32_t>(dpi));
    ApplyFonts();
    const LOGFONTW frameFont = LogFontOf({DesignFrameFace, Scale(DesignFrameFontHeight), {}, 0});
    groupBox1_.SetFont(frameFont);
    groupBox2_.SetFont(frameFont);
    SetIcons();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

// ---- Tick, progress, locale ------------------------------------------------

void TForm1::ArmTick() {
    const UINT period = NextTickPeriod(DecodeDateTime(deps_.clock.Now()).millisecond, tickPeriod_);
    if (period == 0)
        return;
    SetTimer(window_, Timer1Id, period, nullptr);
    tickPeriod_ = period;
}

void TForm1::Timer1Timer() {
    try {
        const TickTexts texts =
            Tick({state_.Sides[0], state_.Sides[1], state_.TitleMode, pc_, state_.Progress,
                  progressState_, deps_.clock, *taskbar_, deps_.zones});
        label1_.SetText(texts.LeftDate);
        label11_.SetText(texts.LeftTime);
        label2_.SetText(texts.RightDate);
        label21_.SetText(texts.RightTime);
        if (texts.Caption)
            SetCaption(*texts.Caption);
    } catch (const std::exception& error) {
        ReportOnce(error.what(), lastTickError_);
    }
    ArmTick();
}

void TForm1::Timer2Timer() {
    UpdateProgress();
}

void TForm1::UpdateProgress() {
    try {
        UpdateProgressWindow(state_.Progress, progressState_, pc_.FormatSettings, deps_.locale,
                             *taskbar_);
    } catch (const ConversionError& error) {
        ReportOnce(error.what(), lastProgressError_);
    }
    FollowTaskbar();
}

// Showing a bar may have tried to make the taskbar object and failed: then
// the refresh stops and the dialog's progress settings are disabled.
void TForm1::FollowTaskbar() {
    taskbarReady_ = taskbarReady_ && taskbar_->Available();
}

void TForm1::ReloadPcSettings() {
    pc_ = velmora::ReloadPcSettings(deps_.locale);
    eraCalendar_ = std::make_unique<BuiltInEraCalendar>(pc_.Facts.PcLocale);
    pc_.Facts.Calendar = eraCalendar_.get();
}

// An error that would come back every second is shown once, until the
// settings change.
void TForm1::ReportOnce(const Text& message, std::optional<Text>& lastShown) {
    if (lastShown == message)
        return;
    lastShown = message; // before the box: the timers keep firing inside it
    deps_.errors.ShowError(window_, message);
}

void TForm1::ShowError(const std::exception& error) {
    deps_.errors.ShowError(window_, error.what());
}

// ---- Chrome ----------------------------------------------------------------

void TForm1::SetCaption(const Text& caption) {
    SetCaption(FromWindowsText(ToWide(caption)));
}

void TForm1::SetCaption(const WideText& caption) {
    // The time in the caption changes once a minute but is set every second:
    // setting it redraws the title bar and the taskbar button. The shortcut
    // commands may have renamed the taskbar button meanwhile.
    const std::wstring shown = ToWindowsText(LeadingUnits(caption, MaxShownTextBytes));
    if (WideWindowText(window_) == shown && WideWindowText(app_.Handle()) == shown)
        return;
    SetWindowTextW(window_, shown.c_str());
    app_.SetTitle(shown);
}

void TForm1::SetStayOnTop(bool on) {
    state_.StayOnTop = on;
    // Making a normal window normal does nothing but cost a round of
    // messages, at every start among others.
    const bool topmost = (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (!on && !topmost)
        return;
    SetWindowPos(window_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm1::SetAlpha(std::uint8_t alpha) {
    state_.ViewRate = alpha;
    SetLayeredWindowAttributes(window_, 0, alpha, LWA_ALPHA);
}

// Each toggle flips its value in the state and applies it; the menus show
// it when they next open.
void TForm1::ShowTitleBar2Click() {
    state_.ShowTitleBar = !state_.ShowTitleBar;
    ApplyTitleBar();
}

void TForm1::ShowMenuBar2Click() {
    state_.ShowMenuBar = !state_.ShowMenuBar;
    ApplyMenuBar();
}

void TForm1::ShowInTaskBar2Click() {
    state_.ShowInTaskBar = !state_.ShowInTaskBar;
    FormShow();
}

void TForm1::IsSaveStatus2Click() {
    state_.SaveStatus = !state_.SaveStatus;
}

void TForm1::ApplyTitleBar() {
    // The outer rectangle stays; the client area takes the frame's place.
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    const LONG_PTR changed = state_.ShowTitleBar
                                 ? (style | SizeableStyle) & ~static_cast<LONG_PTR>(WS_POPUP)
                                 : (style & ~static_cast<LONG_PTR>(SizeableStyle)) | WS_POPUP;
    if (changed == style)
        return; // a frame redrawn for nothing costs a start-up milliseconds
    SetWindowLongPtrW(window_, GWL_STYLE, changed);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::ApplyMenuBar() {
    // Without the bar every command stays in the pop-up menu.
    const HMENU shown = state_.ShowMenuBar ? mainMenu1_.get() : nullptr;
    if (GetMenu(window_) != shown)
        SetMenu(window_, shown);
    FormResize();
}

void TForm1::FormShow() {
    // The owner window carries the taskbar button. It is shown without
    // taking the activation from the main window.
    ShowWindow(app_.Handle(), state_.ShowInTaskBar ? SW_SHOWNA : SW_HIDE);
}

void TForm1::AppRestore() {
    FormShow();
}

void TForm1::Minimize1Click() {
    // The owner's button stays while minimised, even when the option hides it,
    // so the user can bring the clock back.
    ShowWindow(window_, SW_HIDE);
    ShowWindow(app_.Handle(), SW_MINIMIZE);
}

void TForm1::Exit1Click() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

// The window's own surface and the frames and labels, which pass the
// pointer through to it; not the divider.
bool TForm1::TakesZoneCursor(HWND target) const {
    return target == window_ || (IsChild(window_, target) && target != splitter1_.Handle());
}

void TForm1::FormMouseMove(WPARAM keys, POINT client) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const BorderHit hit = HitTestBorder(ToPoint(cursor), ToRect(WindowRect(window_)));
    cursor_ = CursorResource(hit.cursor);
    SetCursor(LoadCursorW(nullptr, cursor_));
    const std::optional<POINT> pressed = std::exchange(pressedAt_, std::nullopt);
    if (!(keys & MK_LBUTTON))
        return;
    ReleaseCapture();
    // With a title bar the window has a sizing frame of its own.
    if (hit.zone != BorderZone::Inside && state_.ShowTitleBar)
        return;
    // The system's loop follows the pointer from where it is now: the way it
    // came since the press is applied first, so the grabbed point stays under it.
    if (pressed && !IsZoomed(window_)) {
        RECT dragged = ToRECT(DraggedFromZone(ToRect(WindowRect(window_)), hit.zone,
                                              {cursor.x - pressed->x, cursor.y - pressed->y}));
        if (hit.zone == BorderZone::Inside)
            SnapDrag(dragged);
        SetWindowPos(window_, nullptr, dragged.left, dragged.top, dragged.right - dragged.left,
                     dragged.bottom - dragged.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const LPARAM position = MAKELPARAM(client.x, client.y);
    const WPARAM command = hit.zone == BorderZone::Inside ? SC_MOVE | HTCAPTION
                                                          : SC_SIZE + static_cast<WPARAM>(hit.zone);
    SendMessageW(window_, WM_SYSCOMMAND, command, position);
}

} // namespace velmora
