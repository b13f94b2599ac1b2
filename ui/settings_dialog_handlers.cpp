// The settings dialog's behaviour: creation of the language lists, the
// opening sequence, the event handlers and the copy back on OK.
#include "ui/settings_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "engine/conversion_error.h"
#include "engine/format_pattern.h"
#include "engine/language_table.h"
#include "engine/pattern_lists.h"
#include "engine/text_win.h"
#include "engine/time_text.h"
#include "ui/system_locales.h"

namespace velmora {
namespace {

using enum ControlId;

constexpr int TrackBarMaximum = 255;
constexpr int TranslucentPosition = 128;

Text ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return FromWide(text);
}

void SetControlText(HWND control, const Text& text) {
    SetWindowTextW(control, ToWide(text).c_str());
}

bool IsChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetRightToLeftReading(HWND combo, bool on) {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    GetComboBoxInfo(combo, &parts);
    for (const HWND window : {combo, parts.hwndList}) {
        if (!window)
            continue;
        const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
        const LONG_PTR wanted = on ? style | WS_EX_RTLREADING : style & ~LONG_PTR{WS_EX_RTLREADING};
        if (wanted != style) {
            SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
            InvalidateRect(window, nullptr, TRUE);
        }
    }
}

int Selection(HWND list) {
    return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
}

// An index outside the list leaves it without a selection (not every
// platform clears the selection for such an index by itself).
void Select(HWND list, int index) {
    const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count)
        index = -1;
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AddEntry(HWND list, const std::wstring& text) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void AddEntry(HWND list, const Text& text) {
    AddEntry(list, ToWide(text));
}

void AddEntry(HWND list, const WideText& text) {
    AddEntry(list, ToWindowsText(text));
}

// The identifier of a language row: the text after the first comma, or the
// whole line without one.
std::optional<std::int32_t> LcidOfRow(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos)
        line.remove_prefix(comma + 1);
    return ParseDecimal(line);
}

struct SideControls {
    ControlId name, zone, offset, language, dates, times, titleRadio;
};
constexpr SideControls SideControlsOf[2] = {
    {LabeledEdit1, ComboBox14, ComboBox1, ComboBox13, ComboBox11, ComboBox12, RadioButton3},
    {LabeledEdit2, ComboBox24, ComboBox2, ComboBox23, ComboBox21, ComboBox22, RadioButton4},
};

constexpr const char* FixedOffsetEntry = "固定の時差";
constexpr const char* UnknownZonePrefix = "不明なタイムゾーン: ";

// The radio buttons of the modes, in the order of the modes' values.
constexpr ControlId TitleRadios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4,
                                     RadioButton5};
constexpr auto FirstTitleRadio = TitleSource::ProductTitle;
constexpr ControlId ColourRadios[] = {RadioButton6, RadioButton7, RadioButton8};
constexpr ControlId BlinkRadios[] = {RadioGroup1Item0, RadioGroup1Item1, RadioGroup1Item2};
constexpr ControlId ThemeRadios[] = {RadioGroup2Item0, RadioGroup2Item1, RadioGroup2Item2};

// What the progress entry switches on and off.
constexpr ControlId ProgressControls[] = {RadioButton6, RadioButton7,    RadioButton8,   Label4,
                                          Label5,       DateTimePicker1, DateTimePicker2};

} // namespace

// ---- Creation ---------------------------------------------------------------

void TForm2::FormCreate(std::int32_t leftLocaleId, std::int32_t rightLocaleId) {
    // The slider draws no selection range.
    const HWND slider = Control(TrackBar1);
    SetWindowLongPtrW(slider, GWL_STYLE,
                      GetWindowLongPtrW(slider, GWL_STYLE) & ~static_cast<LONG_PTR>(0x20));

    SendMessageW(Control(ComboBox13), CB_RESETCONTENT, 0, 0);
    SendMessageW(Control(ComboBox23), CB_RESETCONTENT, 0, 0);

    languageTags_ = {leftLocaleId, rightLocaleId};
    for (int side = 0; side < 2; ++side)
        LoadLocaleSettings(host_.Locale(), host_.Pc().Facts, languageTags_[side],
                           sampleFormats_[side]);

    memo4_.clear();
    std::vector<std::int32_t> listed;
    for (const char* row : LanguageTable) {
        const std::int32_t lcid = LcidOfRow(row).value_or(host_.Locale().UserDefaultLCID());
        AddEntry(Control(ComboBox13), row);
        AddEntry(Control(ComboBox23), row);
        memo4_.push_back(lcid);
        listed.push_back(lcid);
    }
    // Then every other locale of the system under its own name.
    for (const SystemLocale& locale : OtherSystemLocales(listed)) {
        AddEntry(Control(ComboBox13), locale.DisplayName);
        AddEntry(Control(ComboBox23), locale.DisplayName);
        memo4_.push_back(locale.Lcid);
    }
    SetActivePage(0);
}

// ---- Opening ----------------------------------------------------------------

void TForm2::Open(const SettingsDialogState& state) {
    for (int side = 0; side < 2; ++side) {
        const ClockSide& from = state.Sides[static_cast<std::size_t>(side)];
        const SideControls& to = SideControlsOf[side];
        SetControlText(Control(to.name), from.BoxName);
        FillZoneList(side, from.TimeZone);
        Select(Control(to.offset), from.DiffIndex);
        EnableWindow(Control(to.offset), !KnownZoneChosen(side));
        storedDiffIndex_[static_cast<std::size_t>(side)] = from.DiffIndex;
        sampleTimes_[static_cast<std::size_t>(side)] = from.SideTime;
        const auto row = std::find(memo4_.begin(), memo4_.end(), from.LocaleID);
        Select(Control(to.language), row == memo4_.end() ? -1 : int(row - memo4_.begin()));
        sampleSides_[static_cast<std::size_t>(side)] = from;
    }
    ComboBox13Select();
    ComboBox23Select();

    SetBlinkChoice(state.Display.BlinkMode);
    SetChecked(SwingBlink2, state.Display.SwingBlink);
    SetChecked(CheckBox1, state.ViewMode); // may move the slider and the alpha value
    SetChecked(CheckBox2, state.StayOnTop);
    alphaAtOpening_ = host_.Alpha();
    SetTitleRadio(state.TitleMode);
    SetChecked(CheckBox3, state.AutoScale);
    for (int i = 0; i < std::ssize(ThemeRadios); ++i)
        SetChecked(ThemeRadios[i], static_cast<int>(state.Theme) == i);
    SetChecked(CheckBox5, state.ClickThrough);
    SetChecked(CheckBox7, state.HoverOpaque);
    SetChecked(CheckBox6, state.HideInFullScreen);

    label11Font_ = state.Fonts[0];
    fontDialog1_ = label11Font_;
    label21Font_ = state.SameFont ? state.Fonts[0] : state.Fonts[1];
    fontDialog2_ = label21Font_;
    SetChecked(CheckBox4, state.SameFont);

    SetControlText(Control(Edit1), state.TitleString);

    groupBox5Enabled_ = state.TaskbarReady;
    EnableWindow(Control(GroupBox5), groupBox5Enabled_);
    EnableWindow(Control(ComboBox3), groupBox5Enabled_);
    SetProgressControlsEnabled(progressControlsOn_);

    Select(Control(ComboBox3), static_cast<int>(state.Progress.ProgressTime));
    // A colour without a button shows green.
    const auto colour = static_cast<std::int32_t>(state.Progress.ProgressColor);
    const int checkedColour = colour >= 0 && colour < std::ssize(ColourRadios) ? colour : 0;
    for (int i = 0; i < std::ssize(ColourRadios); ++i)
        SendMessageW(Control(ColourRadios[i]), BM_SETCHECK,
                     i == checkedColour ? BST_CHECKED : BST_UNCHECKED, 0);

    // A time text that does not read (a hand-edited file) leaves its picker
    // as it was, so that the dialog still opens and OK can mend the text.
    const PcSettings& pc = host_.Pc();
    const std::pair<ControlId, const Text*> times[] = {
        {DateTimePicker1, &state.Progress.ProgressFrom},
        {DateTimePicker2, &state.Progress.ProgressTo}};
    for (const auto& [picker, text] : times) {
        try {
            SetPicker(picker, ParseTimeText(*text, pc.FormatSettings, host_.Locale()));
        } catch (const ConversionError&) {
        }
    }
}

// ---- Samples and languages --------------------------------------------------

void TForm2::FillSamples(int side) {
    const ClockSide& stored = sampleSides_[static_cast<std::size_t>(side)];
    const DateTime time = sampleTimes_[static_cast<std::size_t>(side)];
    const TFormatSettings& format = sampleFormats_[static_cast<std::size_t>(side)];
    const PcLocaleFacts& facts = host_.Pc().Facts;
    const SideControls& controls = SideControlsOf[side];
    auto fill = [&](ControlId id, const Text& shortPattern, const Text& longPattern,
                    const std::vector<Text>& patterns, std::int32_t selected) {
        const HWND list = Control(id);
        SendMessageW(list, CB_RESETCONTENT, 0, 0);
        AddEntry(list, FormatPattern(shortPattern, time, format, facts));
        AddEntry(list, FormatPattern(longPattern, time, format, facts));
        for (std::size_t i = 2; i < patterns.size(); ++i)
            AddEntry(list, FormatPattern(patterns[i], time, format, facts));
        Select(list, selected);
    };
    fill(controls.dates, LocaleShortDate, LocaleLongDate, stored.DatePatternList, stored.DateIndex);
    fill(controls.times, format.ShortTimePattern, format.LongTimePattern, stored.TimePatternList,
         stored.TimeIndex);
}

void TForm2::LanguageSelect(int side) {
    const int row = Selection(Control(SideControlsOf[side].language));
    const std::int32_t lcid = row >= 0 && row < static_cast<int>(memo4_.size())
                                  ? memo4_[static_cast<std::size_t>(row)]
                                  : FallbackLcid;
    LoadLocaleSettings(host_.Locale(), host_.Pc().Facts, lcid,
                       sampleFormats_[static_cast<std::size_t>(side)]);
    languageTags_[static_cast<std::size_t>(side)] = lcid;
    // A right-to-left language's samples read in its own order, list and all.
    const bool rightToLeft =
        host_.Locale().LocaleInfo(lcid, locale_item::IReadingLayout) == Text("1");
    for (const ControlId id : {SideControlsOf[side].dates, SideControlsOf[side].times})
        SetRightToLeftReading(Control(id), rightToLeft);
    FillSamples(side);
}

// ---- Time zones -------------------------------------------------------------

// "固定の時差" first, then a stored zone the system does not know (a file from
// another computer), kept until the user picks something else, then the
// system's zones. The stored choice is selected.
void TForm2::FillZoneList(int side, const Text& storedZone) {
    const auto index = static_cast<std::size_t>(side);
    const HWND list = Control(SideControlsOf[side].zone);
    std::vector<Text>& keys = zoneKeys_[index];
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    keys.assign(1, Text());
    AddEntry(list, FixedOffsetEntry);

    const std::vector<TimeZoneEntry> zones = host_.Zones().Zones();
    const bool known = std::any_of(zones.begin(), zones.end(), [&](const TimeZoneEntry& zone) {
        return zone.KeyName == storedZone;
    });
    if (!storedZone.empty() && !known) {
        keys.push_back(storedZone);
        AddEntry(list, UnknownZonePrefix + storedZone);
    }
    firstZoneEntry_[index] = keys.size();
    for (const TimeZoneEntry& zone : zones) {
        keys.push_back(zone.KeyName);
        AddEntry(list, zone.DisplayName);
    }
    const auto chosen = std::find(keys.begin(), keys.end(), storedZone);
    Select(list, static_cast<int>(chosen - keys.begin()));
}

bool TForm2::KnownZoneChosen(int side) const {
    const int entry = Selection(Control(SideControlsOf[side].zone));
    return entry >= static_cast<int>(firstZoneEntry_[static_cast<std::size_t>(side)]);
}

// A zone decides the side's time, so the offset list rests; the samples show
// the zone's time now. The fixed offset and an unknown zone show the side's
// time as the clock showed it at opening. The chosen samples stay chosen.
void TForm2::ZoneSelect(int side) {
    const auto index = static_cast<std::size_t>(side);
    const SideControls& controls = SideControlsOf[side];
    const bool known = KnownZoneChosen(side);
    EnableWindow(Control(controls.offset), !known);

    std::optional<DateTime> zoneTime;
    if (known) {
        const Text& key =
            zoneKeys_[index][static_cast<std::size_t>(Selection(Control(controls.zone)))];
        zoneTime = host_.Zones().ToZoneTime(key, host_.ReadClock().Utc);
    }
    sampleTimes_[index] = zoneTime.value_or(sampleSides_[index].SideTime);
    const int date = Selection(Control(controls.dates));
    const int time = Selection(Control(controls.times));
    FillSamples(side);
    Select(Control(controls.dates), date);
    Select(Control(controls.times), time);
}

// Choosing a date gives a side without a time its first time, and the reverse.
void TForm2::SampleSelect(ControlId selected) {
    for (const SideControls& side : SideControlsOf) {
        ControlId partner = Count;
        if (selected == side.dates)
            partner = side.times;
        else if (selected == side.times)
            partner = side.dates;
        if (partner != Count && Selection(Control(partner)) < 0)
            Select(Control(partner), 0);
    }
}

// ---- Fonts ------------------------------------------------------------------

void TForm2::Button1Click() {
    ChooseFontFor(fontDialog1_, label11Font_);
}

void TForm2::Button2Click() {
    ChooseFontFor(fontDialog2_, label21Font_);
}

// The font dialog starts from the side's font; a cancelled dialog changes nothing.
void TForm2::ChooseFontFor(FontSettings& dialogFont, FontSettings& labelFont) {
    dialogFont = labelFont;
    FontSettings chosen = dialogFont;
    if (fonts_.Choose(dialog_, chosen)) {
        dialogFont = chosen;
        labelFont = chosen;
    }
}

void TForm2::CheckBox4Click() {
    const bool same = IsChecked(Control(CheckBox4));
    EnableWindow(Control(Button2), !same);
    label21Font_ = same ? label11Font_ : fontDialog2_;
}

// ---- Translucency -----------------------------------------------------------

void TForm2::CheckBox1Click() {
    const bool on = IsChecked(Control(CheckBox1));
    SetTrackBarPosition(on ? TranslucentPosition : TrackBarMaximum);
    EnableWindow(Control(TrackBar1), on);
}

void TForm2::TrackBar1Change() {
    if (trackBarPosition_ < TrackBarMaximum)
        SetChecked(CheckBox1, true);
    host_.SetAlpha(static_cast<std::uint8_t>(trackBarPosition_));
    SetControlText(Control(Label3),
                   std::to_string(trackBarPosition_ * 100 / TrackBarMaximum) + " %");
}

// ---- Names, title, blink, progress ------------------------------------------

void TForm2::NameEditExit(int side) {
    const SideControls& controls = SideControlsOf[side];
    const Text name = ControlText(Control(controls.name));
    SetControlText(Control(controls.titleRadio), "「" + name + "」の日時");

    const HWND list = Control(ComboBox3);
    const int selected = Selection(list);
    const int entry = side + 1;
    SendMessageW(list, CB_DELETESTRING, static_cast<WPARAM>(entry), 0);
    SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(entry),
                 reinterpret_cast<LPARAM>(ToWide("「" + name + "」の現地時間").c_str()));
    Select(list, selected);
}

void TForm2::PageControl1Change() {
    LabeledEdit1Exit();
    LabeledEdit2Exit();
}

void TForm2::RadioButton5Click() {
    edit1On_ = IsChecked(Control(RadioButton5));
    EnableWindow(Control(Edit1), edit1On_);
    InvalidateRect(Control(Edit1), nullptr, TRUE);
}

void TForm2::RadioGroup1Click() {
    EnableWindow(Control(SwingBlink2), blinkChoice_ != BlinkPairing::Stop);
}

void TForm2::ComboBox3Select() {
    SetProgressControlsEnabled(Selection(Control(ComboBox3)) != 0);
}

// A disabled progress frame keeps everything inside it from taking input.
void TForm2::SetProgressControlsEnabled(bool on) {
    progressControlsOn_ = on;
    for (ControlId id : ProgressControls)
        EnableWindow(Control(id), groupBox5Enabled_ && on);
}

// ---- Changes made by the code -----------------------------------------------

void TForm2::SetChecked(ControlId box, bool on) {
    if (IsChecked(Control(box)) == on)
        return;
    SendMessageW(Control(box), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    if (box == CheckBox1)
        CheckBox1Click();
    else if (box == CheckBox4)
        CheckBox4Click();
}

void TForm2::SetTrackBarPosition(int position) {
    const HWND slider = Control(TrackBar1);
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    const int actual = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
    if (actual == trackBarPosition_)
        return;
    trackBarPosition_ = actual;
    TrackBar1Change();
}

// Values beyond the items clamp to the last one; negative ones clear the group.
void TForm2::SetBlinkChoice(BlinkPairing mode) {
    const int index =
        std::clamp(static_cast<int>(mode), -1, static_cast<int>(std::ssize(BlinkRadios)) - 1);
    if (static_cast<BlinkPairing>(index) == blinkChoice_)
        return;
    blinkChoice_ = static_cast<BlinkPairing>(index);
    for (int i = 0; i < std::ssize(BlinkRadios); ++i)
        SendMessageW(Control(BlinkRadios[i]), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED,
                     0);
    RadioGroup1Click();
}

// A mode without a button checks the first.
void TForm2::SetTitleRadio(TitleSource titleMode) {
    const int offset = static_cast<int>(titleMode) - static_cast<int>(FirstTitleRadio);
    const int index = offset >= 0 && offset < std::ssize(TitleRadios) ? offset : 0;
    const auto chosen = static_cast<TitleSource>(static_cast<int>(FirstTitleRadio) + index);
    if (chosen == titleChoice_)
        return;
    titleChoice_ = chosen;
    for (int i = 0; i < std::ssize(TitleRadios); ++i)
        SendMessageW(Control(TitleRadios[i]), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED,
                     0);
    RadioButton5Click();
}

// ---- Time pickers -----------------------------------------------------------

void TForm2::SetPicker(ControlId picker, DateTime timeOfDay) {
    const DecodedDateTime decoded = DecodeDateTime(timeOfDay);
    SYSTEMTIME time{};
    GetLocalTime(&time); // the pickers need a date; only the time counts
    time.wHour = static_cast<WORD>(decoded.hour);
    time.wMinute = static_cast<WORD>(decoded.minute);
    time.wSecond = static_cast<WORD>(decoded.second);
    time.wMilliseconds = 0;
    SendMessageW(Control(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

Text TForm2::PickerText(ControlId picker) const {
    SYSTEMTIME time{};
    SendMessageW(Control(picker), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    const DateTime timeOfDay =
        (time.wHour * 3'600'000.0 + time.wMinute * 60'000.0 + time.wSecond * 1'000.0) /
        MillisecondsPerDay;
    const PcSettings& pc = host_.Pc();
    return FromWide(ToWindowsText(FormatPattern("HH:nn", timeOfDay, pc.FormatSettings, pc.Facts)));
}

// ---- OK ---------------------------------------------------------------------

void TForm2::CopyBack(SettingsDialogState& state) const {
    for (int side = 0; side < 2; ++side) {
        ClockSide& to = state.Sides[static_cast<std::size_t>(side)];
        const SideControls& from = SideControlsOf[side];
        to.BoxName = ControlText(Control(from.name));
        // An offset list without a selection (an index from a hand-edited
        // file) keeps the stored offset; pattern lists without one take entry 0.
        const int offset = Selection(Control(from.offset));
        to.DiffIndex = offset >= 0 ? offset : storedDiffIndex_[static_cast<std::size_t>(side)];
        const int zone = Selection(Control(from.zone));
        if (zone >= 0)
            to.TimeZone = zoneKeys_[static_cast<std::size_t>(side)][static_cast<std::size_t>(zone)];
        to.DateIndex = std::max(Selection(Control(from.dates)), 0);
        to.TimeIndex = std::max(Selection(Control(from.times)), 0);
        to.LocaleID = languageTags_[static_cast<std::size_t>(side)];
    }
    state.Display.BlinkMode = blinkChoice_;
    state.Display.SwingBlink = IsChecked(Control(SwingBlink2));

    state.AutoScale = IsChecked(Control(CheckBox3));
    state.SameFont = IsChecked(Control(CheckBox4));
    state.Fonts[0] = label11Font_;
    state.Fonts[1] = state.SameFont ? label11Font_ : label21Font_;

    state.ViewMode = IsChecked(Control(CheckBox1));
    state.ViewRate = host_.Alpha(); // the slider sets it live
    state.StayOnTop = IsChecked(Control(CheckBox2));
    state.TitleMode = titleChoice_;
    state.TitleString = ControlText(Control(Edit1));

    // Without a selected entry: -1, which no clock is named by.
    state.Progress.ProgressTime = static_cast<ProgressClock>(Selection(Control(ComboBox3)));
    state.Progress.ProgressColor = ProgressColour::Green;
    for (int i = 0; i < std::ssize(ColourRadios); ++i) {
        if (IsChecked(Control(ColourRadios[i])))
            state.Progress.ProgressColor = static_cast<ProgressColour>(i);
    }
    state.Theme = ThemeChoice::FollowWindows;
    for (int i = 0; i < std::ssize(ThemeRadios); ++i) {
        if (IsChecked(Control(ThemeRadios[i])))
            state.Theme = static_cast<ThemeChoice>(i);
    }
    state.ClickThrough = IsChecked(Control(CheckBox5));
    state.HoverOpaque = IsChecked(Control(CheckBox7));
    state.HideInFullScreen = IsChecked(Control(CheckBox6));
    state.Progress.ProgressFrom = PickerText(DateTimePicker1);
    state.Progress.ProgressTo = PickerText(DateTimePicker2);
}

} // namespace velmora
