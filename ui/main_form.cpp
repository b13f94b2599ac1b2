#include "ui/main_form.h"

#include <shellapi.h>
#include <windowsx.h>

#include <utility>

#include "engine/pattern_lists.h"
#include "engine/product.h"
#include "engine/text_win.h"
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

// A timer that wakes this close before a second boundary waits for it.
constexpr int EarlyWakeMilliseconds = 950;

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
    {ID_COPYTIME, &TForm1::CopyTime1Click},
    {ID_CLICKTHROUGH, &TForm1::ClickThrough1Click},
    {ID_HIDEFULLSCREEN, &TForm1::HideInFullScreen1Click},
    {ID_HOVEROPAQUE, &TForm1::HoverOpaque1Click},
    {ID_REMINDERS, &TForm1::Reminders1Click},
};

void SetChecked(HMENU menu, UINT id, bool on) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
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
        WithdrawClickThroughHotkey();
        StopFollowingPointer(); // the hook would call a window that is gone
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
        FollowFullScreen();
        return 0;
    case WM_COMMAND:
        if (Command(LOWORD(wParam)))
            return 0;
        break;
    case WM_INITMENUPOPUP:
        InitMenuPopup(reinterpret_cast<HMENU>(wParam));
        if (HIWORD(lParam))
            break; // a system menu: the default marks its own items
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
        // Our own items of the system menus, the taskbar button's included.
        if (wParam < SC_SIZE && Command(static_cast<UINT>(wParam & 0xFFF0)))
            return 0;
        break;
    case WM_HOTKEY:
        HotkeyPressed(wParam);
        return 0;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        ApplyTheme();
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
        // Among others "ImmersiveColorSet", the apps' light/dark setting, and
        // high contrast; reading the theme again costs little.
        ReloadPcSettings();
        ApplyTheme();
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
    SetChecked(menu, ID_CLICKTHROUGH, state_.ClickThrough);
    SetChecked(menu, ID_HIDEFULLSCREEN, state_.HideInFullScreen);
    SetChecked(menu, ID_HOVEROPAQUE, state_.HoverOpaque);
    if (menu == GetSubMenu(mainMenu1_.get(), 0))
        EnableMenuItem(menu, ID_SAVE, MF_BYCOMMAND | (save1Enabled_ ? MF_ENABLED : MF_GRAYED));
}

// ---- Start-up --------------------------------------------------------------

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
    ApplyTheme();
    OfferClickThroughEverywhere();
    ArmTick();
    app_.SetRestoreHandler([this] {
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
        AppRestore();
    });
    app_.SetCloseHandler([this] { PostMessageW(window_, WM_CLOSE, 0, 0); });
    app_.SetMenuWindow(window_);

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

} // namespace velmora
