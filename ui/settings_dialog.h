#pragma once
// The settings dialog: created once, hidden, and reused for every opening.
// It owns no settings: Execute copies a state record into its controls,
// runs modally, and on OK copies the controls back into the record.
#include <windows.h>

#include <array>
#include <cstdint>
#include <vector>

#include "engine/clock_source.h"
#include "engine/date_time.h"
#include "engine/format_settings.h"
#include "engine/locale_settings.h"
#include "engine/locale_source.h"
#include "engine/modes.h"
#include "engine/progress.h"
#include "engine/text.h"
#include "engine/time_zone_rules.h"
#include "engine/unique_handle_win.h"
#include "settings/settings_record.h"
#include "ui/main_form_state.h"
#include "ui/settings_dialog_layout.h"

namespace velmora {

// The dialog edits a copy of the main window's state. Each side's time and
// pattern lists only feed the samples; the window derives its own again.
struct SettingsDialogState : MainFormState {
    bool TaskbarReady = false; // read only
};

// The main window's live parts that the dialog reaches while it is open.
class SettingsDialogHost {
  public:
    virtual ~SettingsDialogHost() = default;
    virtual std::uint8_t Alpha() const = 0;
    virtual void SetAlpha(std::uint8_t alpha) = 0;
    // The computer's own locale, as last reloaded.
    virtual const PcSettings& Pc() const = 0;
    virtual const LocaleSource& Locale() const = 0;
    // The zones to choose from, and the clock their samples are shown at.
    virtual const TimeZoneRules& Zones() const = 0;
    virtual ClockReading ReadClock() const = 0;
};

// The platform's font dialog: true and `font` replaced when the user confirms.
class FontChooser {
  public:
    virtual ~FontChooser() = default;
    virtual bool Choose(HWND owner, FontSettings& font) = 0;
};

class TForm2 {
  public:
    TForm2(SettingsDialogHost& host, FontChooser& fonts);
    ~TForm2();
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    // Creates the hidden dialog owned by `owner` and runs FormCreate with the
    // sides' locale identifiers as they are then.
    bool Create(HWND owner, std::int32_t leftLocaleId, std::int32_t rightLocaleId);
    HWND Handle() const { return dialog_; }
    HWND Control(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }

    // Opens the dialog for `state` and runs it modally on this thread; the
    // owner's timers keep firing. True and `state` updated on OK; otherwise
    // the alpha value goes back to the one taken at opening. False at once
    // if the dialog could not be created.
    bool Execute(SettingsDialogState& state);

    // The steps of Execute, for callers that drive the dialog themselves.
    void Open(const SettingsDialogState& state); // copies the state in
    bool ShowModal();                            // true for OK
    void CopyBack(SettingsDialogState& state) const;
    void RestoreAlpha();

    // Event handlers.
    void FormCreate(std::int32_t leftLocaleId, std::int32_t rightLocaleId);
    void FillSamples1() { FillSamples(0); }
    void FillSamples2() { FillSamples(1); }
    void ComboBox13Select() { LanguageSelect(0); }
    void ComboBox23Select() { LanguageSelect(1); }
    void ComboBox14Select() { ZoneSelect(0); }
    void ComboBox24Select() { ZoneSelect(1); }
    void SampleSelect(ControlId selected);
    void Button1Click();
    void Button2Click();
    void CheckBox4Click();
    void CheckBox1Click();
    void TrackBar1Change();
    void LabeledEdit1Exit() { NameEditExit(0); }
    void LabeledEdit2Exit() { NameEditExit(1); }
    void PageControl1Change();
    void RadioButton5Click();
    void RadioGroup1Click();
    void ComboBox3Select();

    // Changes made by the code, running the handler when the value changes.
    void SetChecked(ControlId box, bool on);
    void SetTrackBarPosition(int position);
    void SetBlinkChoice(BlinkPairing mode);
    void SetTitleRadio(TitleSource titleMode);
    void SetActivePage(int page);

  private:
    friend class DialogProbe; // what the tests read

    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Command(ControlId id, UINT code);
    HBRUSH ControlColor(HWND control, HDC dc);
    bool SetHandCursor(HWND control, LPARAM hit);

    void CreateControls();
    void FillFixedLists();
    HWND CreatePage();
    void FillSamples(int side);
    void LanguageSelect(int side);
    void FillZoneList(int side, const Text& storedZone);
    void ZoneSelect(int side);
    bool KnownZoneChosen(int side) const;
    void ChooseFontFor(FontSettings& dialogFont, FontSettings& labelFont);
    void NameEditExit(int side);
    void SetProgressControlsEnabled(bool on);
    void SetPicker(ControlId picker, DateTime timeOfDay);
    Text PickerText(ControlId picker) const;
    int Scale(int designPixels) const;
    void MakeFonts();
    HFONT FontOf(ControlId id) const;
    RECT ControlRect(const ControlSpec& spec) const;
    void PlacePages();
    void DpiChanged(UINT dpi, const RECT& suggested);

    SettingsDialogHost& host_;
    FontChooser& fonts_;
    HWND dialog_ = nullptr;
    std::array<HWND, PageCount> pages_{};
    std::array<HWND, ControlCount> controls_{};
    UINT dpi_ = 96;
    UniqueFont dialogFont_;
    UniqueFont pickerFont_;
    std::array<UniqueBrush, 3> colourBrushes_;
    UniqueBrush white_;

    // Hidden parts of the form.
    std::vector<std::int32_t> memo4_; // the identifiers of the language lists' entries
    std::array<std::int32_t, 2> languageTags_{FallbackLcid, FallbackLcid};
    std::array<TFormatSettings, 2> sampleFormats_;
    FontSettings label11Font_;
    FontSettings label21Font_;
    FontSettings fontDialog1_;
    FontSettings fontDialog2_;
    std::array<ClockSide, 2> sampleSides_; // the stored sides the samples show
    std::array<std::int32_t, 2> storedDiffIndex_{ZeroOffsetIndex, ZeroOffsetIndex};
    // The zone keys of the zone lists' entries, "" for the fixed offset; the
    // entries from firstZoneEntry_ on are zones the system knows.
    std::array<std::vector<Text>, 2> zoneKeys_;
    std::array<std::size_t, 2> firstZoneEntry_{1, 1};
    std::array<DateTime, 2> sampleTimes_{}; // the time the samples show
    std::uint8_t alphaAtOpening_ = 255;
    int trackBarPosition_ = 255;
    BlinkPairing blinkChoice_{}; // none checked: BlinkPairing(-1)
    TitleSource titleChoice_ = TitleSource::ProductTitle;
    int activePage_ = 0;
    bool groupBox5Enabled_ = true;
    bool progressControlsOn_ = true;
    bool edit1On_ = false;
    int modalResult_ = 0;
};

} // namespace velmora
