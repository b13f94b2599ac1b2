#pragma once
// The main window: two clocks side by side in their frames, the menus and
// toggles, borderless moving and sizing, and the settings it reads and writes.
// It holds the whole state of the clock for the run, in one record.
#include <windows.h>

#include <shellapi.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>

#include "engine/clock_side.h"
#include "engine/era_calendar.h"
#include "engine/locale_settings.h"
#include "engine/progress.h"
#include "engine/reminder_board.h"
#include "engine/text.h"
#include "ui/app_window.h"
#include "ui/clock_label.h"
#include "ui/frame_box.h"
#include "ui/main_form_state.h"
#include "ui/reminder_dialog.h"
#include "ui/reminder_popup.h"
#include "ui/services.h"
#include "ui/settings_dialog.h"
#include "ui/splitter.h"
#include "ui/theme_win.h"
#include "ui/window_class.h"

namespace velmora {

class TForm1 : private SettingsDialogHost {
  public:
    explicit TForm1(FormDependencies dependencies);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Creates the owner window and the main window; the main window's
    // creation runs FormCreate. Both stay hidden.
    bool Create();
    // The first showing, in the window state the settings gave.
    void ShowFirst();
    // Runs when the main window has been destroyed (the program ends its loop).
    void SetDestroyHandler(std::function<void()> handler) { destroyed_ = std::move(handler); }
    bool TranslateAccelerators(MSG& message) const;

    HWND Handle() const { return window_; }
    HWND ApplicationHandle() const { return app_.Handle(); }

    // Event handlers.
    void FormCreate();
    void FormResize();
    void FormShow();
    // Writes the settings as the window closes; closing never fails.
    void FormCloseQuery();
    // Windows is ending: the settings are written without a question or a box.
    void SaveAtSessionEnd();
    void FormMouseMove(WPARAM keys, POINT client);
    void FormDropFiles(HDROP drop);
    void Timer1Timer();
    void Timer2Timer();
    void ReadIn1Click();
    void Save1Click();
    void SaveAs1Click();
    void ShowTitleBar2Click();
    void ShowMenuBar2Click();
    void ShowInTaskBar2Click();
    void IsSaveStatus2Click();
    void Minimize1Click();
    void Exit1Click();
    void AppRestore();
    void Setting1Click();
    void DeskTop1Click();
    void StartUp1Click();
    void StartMenu1Click();
    void About1Click();
    // Both clocks' names, dates and times, one clock a line, as Unicode text.
    void CopyTime1Click();
    void Reminders1Click();
    void ClickThrough1Click();
    void HoverOpaque1Click();
    void HideInFullScreen1Click();
    void Help2Click();
    void Site1Click();

    void AdjustFontSize();
    // Read a settings file into the state and apply it; write the state.
    // Both throw FileError; reading throws a colour's ConversionError after
    // everything else has been applied.
    void ReadSettings(const Text& fileName);
    void WriteSettings(const Text& fileName);

  private:
    friend class FormProbe; // what the tests read

    static constexpr UINT_PTR Timer1Id = 1;
    // The frame, caption and buttons the title bar option adds and takes away.
    static constexpr DWORD SizeableStyle =
        WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool Command(UINT id);
    void InitMenuPopup(HMENU menu) const;

    void CreateControls();
    void Layout();
    void LayoutLabels();
    void SplitterMoved(int left);
    void ArmTick();
    void ReloadPcSettings();
    void UpdateProgress();
    void FollowTaskbar();
    // Made the first time it is asked for: the first window needs none of it.
    TForm2& SettingsDialog();
    int LabelTop() const;
    void ReportOnce(const Text& message, std::optional<Text>& lastShown);
    void ShowError(const std::exception& error);
    void SetCaption(const Text& caption);
    void SetCaption(const WideText& caption);
    void SetStayOnTop(bool on);
    void ApplyTitleBar();
    void ApplyMenuBar();
    void ApplyCaptions();
    void ApplyFonts();
    // The frames' names, the labels' fonts and the layout.
    void ApplyControls();
    void DerivePatterns();
    // How the clock lives on the desktop (main_form_desktop.cpp).
    void ApplyDesktop();
    void ApplyTheme();
    void EraseBackground(HDC dc) const;
    void ApplyClickThrough();
    void OfferClickThroughEverywhere();
    void HotkeyPressed(WPARAM id);
    void WithdrawClickThroughHotkey();
    void ApplyHover();
    void StopFollowingPointer();
    void PointerAt(POINT screen);
    static LRESULT CALLBACK HoverHook(int code, WPARAM message, LPARAM data);
    void FollowFullScreen();
    // What the clock tells the user of (main_form_reminders.cpp).
    void LoadReminders();
    TickWalls WallsNow() const;
    void TellReminders(DateTime utc);
    void Tell(const ToTell& told);
    // What the settings dialog reads and changes live.
    std::uint8_t Alpha() const override { return state_.ViewRate; }
    void SetAlpha(std::uint8_t alpha) override;
    const PcSettings& Pc() const override { return pc_; }
    const LocaleSource& Locale() const override { return deps_.locale; }
    const TimeZoneRules& Zones() const override { return deps_.zones; }
    ClockReading ReadClock() const override { return deps_.clock.Read(); }
    void EnableSave1(bool on) { save1Enabled_ = on; }
    void ApplySettings(const Settings& settings, const Text& fileName);
    Settings CaptureSettings() const;
    SettingsDialogState DialogState() const;
    void TakeDialogState(const SettingsDialogState& state);
    void OfferToSaveUnreadSettings();
    void NameSettingsKeptAtSessionEnd();
    WindowEnvironment Environment(const WINDOWPLACEMENT& placement) const;
    WindowShowState WindowState() const;
    bool TakesZoneCursor(HWND target) const;
    void SnapMove(WINDOWPOS& position) const;
    void SnapDrag(RECT& rect);
    SIZE MinimumSize() const;
    void ChangeDpi(UINT dpi, const RECT& suggested);
    int Scale(int designPixels) const;
    void SetIcons();
    FontSettings DesignLabelFont() const;

    FormDependencies deps_;
    // Before the windows that show them, so that they outlive them.
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    AppWindow app_;
    HWND window_ = nullptr;
    UniqueMenu mainMenu1_;
    UniqueMenu popupMenuRoot_;
    HMENU popupMenu1_ = nullptr; // its first submenu, freed with it
    HACCEL accelerators_ = nullptr;
    std::function<void()> destroyed_;

    FrameBox groupBox1_;
    FrameBox groupBox2_;
    Splitter splitter1_;
    ClockLabel label1_;
    ClockLabel label11_;
    ClockLabel label2_;
    ClockLabel label21_;
    std::array<ClockLabel*, 4> labelOrder_{&label1_, &label11_, &label2_, &label21_};

    // The clock's state.
    MainFormState state_;
    PcSettings pc_;
    std::unique_ptr<BuiltInEraCalendar> eraCalendar_;
    ProgressState progressState_;
    std::unique_ptr<TaskbarProgress> taskbar_;
    bool taskbarReady_ = false;
    Text currentFileName_;
    bool save1Enabled_ = false; // the main menu's save item; the pop-up's is always enabled
    Text initialDirectory_;
    std::minstd_rand random_;
    std::unique_ptr<TForm2> form2_; // created hidden when first used, then reused

    // The window's own state.
    UINT dpi_ = 96;
    bool resizeArmed_ = false;
    bool applyingSettings_ = false;
    bool placingFromFile_ = false; // the smallest size is for sizing by the user
    bool leftAnchored_ = true;
    int anchoredWidth_ = 0; // the width of the frame on the anchored side
    int dateLabelHeight_ = 0;
    WindowShowState initialState_{};
    bool shownOnce_ = false;
    UINT tickPeriod_ = 0;        // what Timer1 was last set to
    bool keepIniAtExit_ = false; // our ".ini" exists but could not be read
    LPCWSTR cursor_ = IDC_ARROW;
    std::optional<POINT> pressedAt_; // the left button's press on the surface, until a drag starts
    POINT snapShift_{}; // where the last snap put the dragged window from the pointer's place
    UINT taskbarCreatedMessage_ = 0;
    std::optional<Text> lastProgressError_;
    std::optional<Text> lastTickError_;
    Palette palette_ = MakePalette(Look::Light);
    bool titleBarDark_ = false;
    bool hiddenForFullScreen_ = false;
    ReminderBoard board_;
    std::vector<std::unique_ptr<ReminderPopup>> popups_;
    std::unique_ptr<ReminderDialog> reminderDialog_; // made when first used
    UniqueHook hoverHook_; // while the clock is translucent and the option on
    bool hovered_ = false;
};

} // namespace velmora
