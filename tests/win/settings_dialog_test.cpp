// The settings dialog in process: its controls, the opening sequence, the
// handlers, OK and Cancel. The modal runs are closed by messages posted
// before they start, so no test waits for a user.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "engine/clock_side.h"
#include "engine/era_calendar.h"
#include "engine/format_pattern.h"
#include "engine/locale_source_win.h"
#include "engine/pattern_lists.h"
#include "engine/text_win.h"
#include "engine/time_zone_rules_win.h"
#include "settings/clock_side_values.h"
#include "settings/settings_reader.h"
#include "tests/win/window_picture.h"
#include "ui/settings_dialog.h"

#include "test_files.h"
#include "tests/win/form_probe.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using enum ControlId;
using testing::ScriptedFonts;
using testing::TestInstant;
using testing::WindowText;

class FakeHost final : public SettingsDialogHost {
  public:
    FakeHost() : pc_(LoadPcSettings(locale_)), era_(pc_.Facts.PcLocale) {
        pc_.Facts.Calendar = &era_;
    }
    std::uint8_t Alpha() const override { return alpha; }
    void SetAlpha(std::uint8_t value) override { alphaLog.push_back(alpha = value); }
    const PcSettings& Pc() const override { return pc_; }
    const LocaleSource& Locale() const override { return locale_; }
    const TimeZoneRules& Zones() const override { return zones_; }
    ClockReading ReadClock() const override { return clock; }
    std::uint8_t alpha = 255;
    std::vector<int> alphaLog;
    // 2026-07-15 12:00 UTC on a computer nine hours ahead.
    ClockReading clock{EncodeDateTime(std::chrono::year{2026} / 7 / 15, 21),
                       EncodeDateTime(std::chrono::year{2026} / 7 / 15, 12)};

  private:
    Win32LocaleSource locale_;
    Win32TimeZoneRules zones_;
    PcSettings pc_;
    BuiltInEraCalendar era_;
};

const FontSettings LeftDesignFont{"ＭＳ ゴシック", -19, FontStyle::Regular, 0};
const FontSettings RightDesignFont{"ＭＳ 明朝", -24, FontStyle::Bold, 0x0000FF};
const FontSettings ChosenFont{"Arial", -30, FontStyle::Italic, 0x00FF00};

class DialogTest : public ::testing::Test {
  protected:
    FakeHost host;
    ScriptedFonts fonts;
    TForm2 dialog{host, fonts};

    void SetUp() override { ASSERT_TRUE(dialog.Create(nullptr, 1041, 1041)); }
    HWND C(ControlId id) const { return dialog.Control(id); }
    static Text Entry(HWND list, int index) {
        wchar_t text[512]{};
        if (SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text)) == CB_ERR)
            return "<none>";
        return FromWide(text);
    }
    static int Selection(HWND list) { return int(SendMessageW(list, CB_GETCURSEL, 0, 0)); }
    static int EntryCount(HWND list) { return int(SendMessageW(list, CB_GETCOUNT, 0, 0)); }
    static bool Checked(HWND button) {
        return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
    static LRESULT SliderAt(HWND slider) { return SendMessageW(slider, TBM_GETPOS, 0, 0); }

    // Both sides as the main window would hand them over, in Japanese.
    SettingsDialogState State() const {
        SettingsDialogState state;
        for (int i = 0; i < 2; ++i) {
            ClockSide side = ClockSideOf(DefaultSettings().Sides[static_cast<std::size_t>(i)]);
            LoadLocaleSettings(host.Locale(), host.Pc().Facts, side.LocaleID, side.FormatSettings);
            BuildPatternLists(side);
            side.SideTime = TestInstant();
            state.Sides[static_cast<std::size_t>(i)] = side;
        }
        state.Fonts = {LeftDesignFont, RightDesignFont};
        state.SameFont = true;
        state.TaskbarReady = true;
        return state;
    }
    // Posted before the modal loop starts, so it handles them in order.
    void Post(ControlId id, UINT message, WPARAM w = 0, LPARAM l = 0) {
        PostMessageW(C(id), message, w, l);
    }
    void PostSelection(ControlId list, int index) {
        Post(list, CB_SETCURSEL, index);
        PostMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(C(list)), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(C(list)));
    }
    void PostTyping(ControlId edit, const wchar_t* text) { // replaces the whole text
        Post(edit, EM_SETSEL, 0, -1);
        for (const wchar_t* c = text; *c; ++c)
            Post(edit, WM_CHAR, *c);
    }
    void PostClose(int command) { PostMessageW(dialog.Handle(), WM_COMMAND, command, 0); }
};

// The layout at `dpi`: the buttons and frames where the design puts them,
// scaled, in the dialog font of that scale.
void ExpectLayoutAt(HWND dialog, int dpi, const std::function<HWND(ControlId)>& control) {
    const auto scaled = [dpi](int design) { return MulDiv(design, dpi, 96); };
    const std::pair<ControlId, RECT> design[] = {
        {BitBtn1, {51, 316, 164, 345}},  {BitBtn2, {211, 316, 325, 345}},
        {GroupBox1, {7, 10, 188, 220}},  {GroupBox2, {196, 10, 375, 220}},
        {GroupBox6, {7, 224, 375, 276}}, {RadioGroup1, {4, 2, 184, 49}},
        {GroupBox7, {4, 55, 184, 100}},  {GroupBox3, {190, 2, 372, 100}},
        {GroupBox4, {4, 105, 372, 202}}, {GroupBox5, {4, 207, 372, 280}}};
    for (const auto& [id, r] : design) {
        const RECT expected{scaled(r.left), scaled(r.top), scaled(r.right), scaled(r.bottom)};
        const RECT placed = testing::ChildRect(control(id));
        EXPECT_TRUE(EqualRect(&placed, &expected)) << static_cast<int>(id);
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(ControlId::BitBtn1), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -scaled(12));
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, scaled(383));
    EXPECT_EQ(client.bottom, scaled(352));
}

TEST_F(DialogTest, ControlsSitWhereTheDesignPutsThemAndFollowTheMonitorsDpi) {
    ASSERT_EQ(GetDpiForSystem(), 96u) << "the design values hold at 96 dpi";
    const auto control = [this](ControlId id) { return C(id); };
    ExpectLayoutAt(dialog.Handle(), 96, control);
    // Moved to monitors of other scales, with the rectangles Windows suggests.
    for (const int dpi : {144, 120, 96}) {
        SCOPED_TRACE(dpi);
        // The frame as this display draws it around the scaled client area.
        const HWND window = dialog.Handle();
        RECT outer{}, client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        const RECT suggested{outer.left, outer.top,
                             outer.right - client.right + MulDiv(DialogClientWidth, dpi, 96),
                             outer.bottom - client.bottom + MulDiv(DialogClientHeight, dpi, 96)};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ExpectLayoutAt(window, dpi, control);
    }
}

TEST_F(DialogTest, CaptionsAndDefaultsOfTheForm) {
    EXPECT_EQ(WindowText(dialog.Handle()), "設定");
    EXPECT_TRUE(GetWindowLongPtrW(dialog.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(GetWindowLongPtrW(dialog.Handle(), GWL_STYLE) & WS_SYSMENU);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));

    const HWND tabs = C(PageControl1);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 3);
    for (const auto& [index, expected] : {std::pair{1, "表示設定"}, {2, "デスクトップ設定"}}) {
        wchar_t name[64]{};
        TCITEMW item{};
        item.mask = TCIF_TEXT, item.pszText = name, item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(FromWide(name), expected);
    }
    EXPECT_EQ(DialogProbe(dialog).ActivePage(), 0);

    EXPECT_EQ(EntryCount(C(ComboBox1)), 95);
    EXPECT_EQ(Entry(C(ComboBox1), 0), "+23.5");
    EXPECT_EQ(Entry(C(ComboBox2), 94), "-23.5");
    EXPECT_EQ(Selection(C(ComboBox1)), 47);
    EXPECT_GT(EntryCount(C(ComboBox13)), 32); // the system's other locales follow
    EXPECT_EQ(Entry(C(ComboBox23), 8), "英語,1033");
    EXPECT_EQ(Entry(C(ComboBox23), 31), "中国語,2052");
    EXPECT_EQ(Entry(C(ComboBox3), 0), "プログレス表示しない");
    EXPECT_EQ(WindowText(C(LabeledEdit2)), "ヒューストン");
    EXPECT_EQ(WindowText(C(BitBtn1)), "&OK");
    EXPECT_EQ(WindowText(C(BitBtn2)), "キャンセル");
    EXPECT_EQ(WindowText(C(Label3)), "100 %");
    EXPECT_TRUE(Checked(C(CheckBox4)) && Checked(C(RadioButton1)) && Checked(C(RadioButton6)));
    EXPECT_FALSE(Enabled(C(Button2)) || Enabled(C(Edit1)) || Enabled(C(TrackBar1)));

    const HWND slider = C(TrackBar1);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), 26);
    EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 255);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPAGESIZE, 0, 0), 25);
    EXPECT_EQ(SliderAt(slider), 255);
    const LONG_PTR style = GetWindowLongPtrW(slider, GWL_STYLE);
    EXPECT_EQ(style & (0x20 | TBS_AUTOTICKS | TBS_TOP), TBS_AUTOTICKS | TBS_TOP);
    EXPECT_EQ(GetWindowLongPtrW(C(DateTimePicker1), GWL_STYLE) & (DTS_TIMEFORMAT | DTS_UPDOWN),
              DTS_TIMEFORMAT | DTS_UPDOWN);
}

TEST_F(DialogTest, OpeningFillsSamplesAndKeepsALocaleOrOffsetOutsideTheTables) {
    SettingsDialogState state = State();
    state.Sides[0].DateIndex = state.Sides[0].TimeIndex = 3;
    state.Sides[1].LocaleID = 9999; // no locale of the system
    state.Sides[1].DiffIndex = 95;
    dialog.Open(state);
    EXPECT_EQ(Selection(C(ComboBox13)), 16); // "日本語,1041"
    EXPECT_EQ(EntryCount(C(ComboBox11)), 32);
    EXPECT_EQ(EntryCount(C(ComboBox12)), 8);
    EXPECT_EQ(Entry(C(ComboBox11), 3), "3/5(火)");
    EXPECT_EQ(Entry(C(ComboBox12), 3), "12:34"); // the stored side's time, no hour fix
    EXPECT_EQ(Selection(C(ComboBox11)), 3);
    EXPECT_EQ(Selection(C(ComboBox12)), 3);
    EXPECT_EQ(Selection(C(ComboBox21)), 0);
    EXPECT_EQ(Selection(C(ComboBox23)), -1); // 9999: Japanese samples, stored as 1041
    EXPECT_EQ(Selection(C(ComboBox2)), -1);
    EXPECT_EQ(Entry(C(ComboBox21), 3), "3/5(火)");
    dialog.CopyBack(state);
    EXPECT_EQ(state.Sides[1].LocaleID, 1041);
    EXPECT_EQ(state.Sides[1].DiffIndex, 95);
}

TEST_F(DialogTest, ChoosingEnglishFillsEnglishSamplesAndCancelRestoresSideAndAlpha) {
    SettingsDialogState state = State();
    state.ViewMode = true;
    const SettingsDialogState before = state;
    PostSelection(ComboBox13, 8); // "英語,1033"
    Post(TrackBar1, TBM_SETPOS, TRUE, 60);
    PostMessageW(dialog.Handle(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 60),
                 reinterpret_cast<LPARAM>(C(TrackBar1)));
    PostClose(IDCANCEL);
    EXPECT_FALSE(dialog.Execute(state));
    EXPECT_EQ(host.alphaLog, (std::vector<int>{128, 60, 128}));
    EXPECT_EQ(host.alpha, 128);

    EXPECT_EQ(Entry(C(ComboBox11), 9), "Mar/05(Tue)");
    EXPECT_EQ(Entry(C(ComboBox11), 10), "Mar/05(Tuesday)");
    TFormatSettings en;
    LoadLocaleSettings(host.Locale(), host.Pc().Facts, 1033, en);
    const auto format = [&](const Text& p) {
        return FromWide(ToWindowsText(FormatPattern(p, TestInstant(), en, host.Pc().Facts)));
    };
    EXPECT_EQ(Entry(C(ComboBox11), 0), format("ddddd"));
    EXPECT_EQ(Entry(C(ComboBox11), 1), format("dddddd"));
    EXPECT_EQ(Entry(C(ComboBox12), 0), format(en.ShortTimePattern));
    EXPECT_EQ(DialogProbe(dialog).LanguageTag(0), 1033);

    EXPECT_EQ(state.Sides[0].LocaleID, 1041);
    EXPECT_EQ(state.Sides[0].DatePatternList, before.Sides[0].DatePatternList);
    EXPECT_EQ(state.Sides[0].BoxName, before.Sides[0].BoxName);
}

TEST_F(DialogTest, OkStoresLanguageOffsetAndProgressSetByTheShowHandler) {
    SettingsDialogState state = State();
    dialog.Open(state);
    dialog.ComboBox3Select(); // entry 0: the controls are off
    ASSERT_FALSE(Enabled(C(DateTimePicker2)));
    state.Progress.ProgressTime = ProgressClock(3); // no entry: the show handler turns them on
    state.Sides[0].TimeIndex = 3;
    PostSelection(ComboBox23, 8);
    PostSelection(ComboBox1, 0);
    PostClose(IDOK);
    ASSERT_TRUE(dialog.Execute(state));
    EXPECT_EQ(state.Sides[0].LocaleID, 1041);
    EXPECT_EQ(state.Sides[1].LocaleID, 1033);
    EXPECT_EQ(state.Sides[0].DiffIndex, 0);
    EXPECT_EQ(Entry(C(ComboBox12), 3), "12:34") << "a new offset leaves the samples";
    EXPECT_TRUE(Enabled(C(DateTimePicker2)));
    EXPECT_EQ(state.Progress.ProgressTime, ProgressClock(-1));
}

// A right-to-left language's samples read right to left, in the list too;
// choosing another language turns that off again, on its side only.
TEST_F(DialogTest, ARightToLeftLanguagesSamplesReadRightToLeft) {
    const auto rightToLeft = [&](ControlId id) {
        COMBOBOXINFO parts{};
        parts.cbSize = sizeof parts;
        GetComboBoxInfo(C(id), &parts);
        const auto reads = [](HWND window) {
            return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
        };
        EXPECT_EQ(reads(C(id)), reads(parts.hwndList)) << int(id);
        return reads(C(id));
    };
    dialog.Open(State());
    for (const auto& [row, expected] : {std::pair{0, true}, {8, false}, {12, true}}) {
        SendMessageW(C(ComboBox13), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        dialog.ComboBox13Select(); // 0: Arabic, 8: English, 12: Hebrew
        EXPECT_EQ(rightToLeft(ComboBox11), expected) << row;
        EXPECT_EQ(rightToLeft(ComboBox12), expected) << row;
        EXPECT_FALSE(rightToLeft(ComboBox21)) << row;
    }
}

// The entry of a zone in a side's zone list: after "固定の時差" (and an
// unknown zone, when there is one), the system's zones in their order.
int ZoneEntry(const FakeHost& host, const char* key, int unknownEntries = 0) {
    const std::vector<TimeZoneEntry> zones = host.Zones().Zones();
    const auto found = std::find_if(zones.begin(), zones.end(),
                                    [&](const TimeZoneEntry& zone) { return zone.KeyName == key; });
    return found == zones.end() ? -1 : 1 + unknownEntries + int(found - zones.begin());
}

TEST_F(DialogTest, ZoneListsOfferTheFixedOffsetThenTheSystemsZones) {
    const std::vector<TimeZoneEntry> zones = host.Zones().Zones();
    ASSERT_FALSE(zones.empty());
    SettingsDialogState state = State();
    state.Sides[1].TimeZone = "Tokyo Standard Time";
    dialog.Open(state);
    EXPECT_EQ(WindowText(C(Label6)), "タイムゾーン");
    EXPECT_EQ(WindowText(C(Label7)), "タイムゾーン");
    for (ControlId list : {ComboBox14, ComboBox24}) {
        EXPECT_EQ(EntryCount(C(list)), 1 + int(zones.size()));
        EXPECT_EQ(Entry(C(list), 0), "固定の時差");
        EXPECT_EQ(Entry(C(list), 1), zones.front().DisplayName);
        EXPECT_EQ(Entry(C(list), int(zones.size())), zones.back().DisplayName);
    }
    EXPECT_EQ(Selection(C(ComboBox14)), 0);
    EXPECT_TRUE(Enabled(C(ComboBox1)));
    // A side on a zone: its offset list rests, its samples show the clock's time.
    EXPECT_EQ(Selection(C(ComboBox24)), ZoneEntry(host, "Tokyo Standard Time"));
    EXPECT_FALSE(Enabled(C(ComboBox2)));
    EXPECT_EQ(Entry(C(ComboBox22), 3), "12:34");
    dialog.CopyBack(state);
    EXPECT_EQ(state.Sides[0].TimeZone, "");
    EXPECT_EQ(state.Sides[1].TimeZone, "Tokyo Standard Time");
}

TEST_F(DialogTest, ChoosingAZoneShowsItsTimeInTheSamplesAndOkStoresIt) {
    SettingsDialogState state = State();
    state.Sides[1].DateIndex = 20; // "yyyy/mm/dd"
    const int central = ZoneEntry(host, "Central Standard Time");
    ASSERT_GT(central, 0);
    PostSelection(ComboBox22, 3); // "hh:nn", chosen before the zone
    PostSelection(ComboBox24, central);
    PostClose(IDOK);
    ASSERT_TRUE(dialog.Execute(state));
    EXPECT_EQ(state.Sides[1].TimeZone, "Central Standard Time");
    EXPECT_EQ(state.Sides[1].TimeIndex, 3);
    EXPECT_EQ(state.Sides[1].DiffIndex, 77) << "the offset list keeps its entry";
    // The host's clock: 12:00 UTC on 15 July 2026, daylight time in Chicago.
    EXPECT_FALSE(Enabled(C(ComboBox2)));
    EXPECT_EQ(Entry(C(ComboBox21), 20), "2026/07/15");
    EXPECT_EQ(Entry(C(ComboBox22), 3), "07:00");
    EXPECT_EQ(Selection(C(ComboBox21)), 20);
    EXPECT_EQ(Selection(C(ComboBox22)), 3);
    EXPECT_EQ(Entry(C(ComboBox12), 3), "12:34") << "the other side stays";

    // Back to the fixed offset: the stored side's time again.
    dialog.Open(state);
    SendMessageW(C(ComboBox24), CB_SETCURSEL, 0, 0);
    dialog.ComboBox24Select();
    EXPECT_TRUE(Enabled(C(ComboBox2)));
    EXPECT_EQ(Entry(C(ComboBox22), 3), "12:34");
    dialog.CopyBack(state);
    EXPECT_EQ(state.Sides[1].TimeZone, "");
}

TEST_F(DialogTest, AnUnknownZoneIsShownAsUnknownAndKeptUntilAnotherChoice) {
    SettingsDialogState state = State();
    state.Sides[0].TimeZone = "Atlantis Standard Time";
    state.Sides[0].DiffIndex = 50;
    dialog.Open(state);
    const int count = EntryCount(C(ComboBox14));
    EXPECT_EQ(count, EntryCount(C(ComboBox24)) + 1);
    EXPECT_EQ(Entry(C(ComboBox14), 1), "不明なタイムゾーン: Atlantis Standard Time");
    EXPECT_EQ(Selection(C(ComboBox14)), 1);
    EXPECT_TRUE(Enabled(C(ComboBox1))) << "its time comes from the offset";
    dialog.CopyBack(state);
    EXPECT_EQ(state.Sides[0].TimeZone, "Atlantis Standard Time");
    EXPECT_EQ(state.Sides[0].DiffIndex, 50);

    // A known zone replaces it; the entry stays in the list while the dialog is open.
    SendMessageW(C(ComboBox14), CB_SETCURSEL, ZoneEntry(host, "Nepal Standard Time", 1), 0);
    dialog.ComboBox14Select();
    EXPECT_FALSE(Enabled(C(ComboBox1)));
    EXPECT_EQ(Entry(C(ComboBox12), 3), "17:45");
    dialog.CopyBack(state);
    EXPECT_EQ(state.Sides[0].TimeZone, "Nepal Standard Time");
    // The next opening without it has no unknown entry.
    dialog.Open(state);
    EXPECT_EQ(EntryCount(C(ComboBox14)), count - 1);
    EXPECT_EQ(Selection(C(ComboBox14)), ZoneEntry(host, "Nepal Standard Time"));
}

TEST_F(DialogTest, ChoosingOneListOfAPairGivesTheOtherItsFirstEntry) {
    SettingsDialogState state = State();
    state.Sides[0].TimeIndex = 99; // beyond the list: no selection
    state.Sides[1].DateIndex = 40;
    dialog.Open(state);
    EXPECT_EQ(Selection(C(ComboBox12)), -1);
    SendMessageW(C(ComboBox11), CB_SETCURSEL, 5, 0);
    dialog.SampleSelect(ComboBox11);
    EXPECT_EQ(Selection(C(ComboBox12)), 0);
    // A list left without a selection gives entry 0, never an index beyond it.
    dialog.CopyBack(state);
    EXPECT_EQ(state.Sides[0].DateIndex, 5);
    EXPECT_EQ(state.Sides[1].DateIndex, 0);
}

TEST_F(DialogTest, TranslucencyBoxSliderAndPercentLabel) {
    SettingsDialogState state = State();
    state.ViewMode = true;
    dialog.Open(state);
    EXPECT_EQ(SliderAt(C(TrackBar1)), 128);
    EXPECT_TRUE(Enabled(C(TrackBar1)));
    EXPECT_EQ(host.alphaLog, std::vector<int>{128});
    EXPECT_EQ(WindowText(C(Label3)), "50 %");
    // The next opening finds the box as it is: neither handler runs.
    host.alpha = 77;
    host.alphaLog.clear();
    dialog.Open(state);
    EXPECT_TRUE(host.alphaLog.empty());
    EXPECT_EQ(SliderAt(C(TrackBar1)), 128);

    for (const auto& [position, label] : {std::pair{26, "10 %"}, {200, "78 %"}, {255, "100 %"}}) {
        dialog.SetTrackBarPosition(position);
        EXPECT_EQ(WindowText(C(Label3)), label) << position;
        EXPECT_EQ(host.alpha, position);
        EXPECT_TRUE(Checked(C(CheckBox1))) << "the slider never clears the box";
    }
    // Clearing the box puts the slider back to opaque; setting it again gives 128.
    dialog.SetTrackBarPosition(26);
    dialog.SetChecked(CheckBox1, false);
    EXPECT_EQ(SliderAt(C(TrackBar1)), 255);
    EXPECT_FALSE(Enabled(C(TrackBar1)));
    EXPECT_EQ(host.alpha, 255);
    EXPECT_EQ(WindowText(C(Label3)), "100 %");
    dialog.SetChecked(CheckBox1, true);
    EXPECT_EQ(host.alpha, 128);
}

TEST_F(DialogTest, BlinkModesClampAndSwingKeepsItsState) {
    // {mode, checked item (-1: none), swing enabled, stored}
    const int cases[][4] = {{0, 0, 1, 0}, {2, 2, 0, 2}, {7, 2, 0, 2}, {-3, -1, 1, -1}};
    const ControlId items[] = {RadioGroup1Item0, RadioGroup1Item1, RadioGroup1Item2};
    for (const auto& c : cases) {
        SettingsDialogState state = State();
        state.Display.BlinkMode = BlinkPairing(c[0]);
        state.Display.SwingBlink = true;
        dialog.Open(state);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(Checked(C(items[i])), i == c[1]) << c[0] << " item " << i;
        EXPECT_EQ(Enabled(C(SwingBlink2)), c[2] == 1) << c[0];
        dialog.CopyBack(state);
        EXPECT_EQ(state.Display.BlinkMode, BlinkPairing(c[3])) << c[0];
        EXPECT_TRUE(state.Display.SwingBlink) << c[0];
    }
}

TEST_F(DialogTest, TitleModesAndTheCustomTitleEdit) {
    // {mode, edit enabled, stored}; 5 again after 9 turns the edit back on.
    const int cases[][3] = {{5, 1, 5}, {3, 0, 3}, {9, 0, 1}, {5, 1, 5}, {1, 0, 1}};
    for (const auto& c : cases) {
        SettingsDialogState state = State();
        state.TitleMode = TitleSource(c[0]);
        dialog.Open(state);
        EXPECT_EQ(Enabled(C(Edit1)), c[1] == 1) << c[0];
        dialog.CopyBack(state);
        EXPECT_EQ(state.TitleMode, TitleSource(c[2])) << c[0];
        EXPECT_EQ(state.TitleString, "");
    }
}

TEST_F(DialogTest, LeavingANameEditRenamesTheTitleButtonAndTheProgressEntry) {
    for (const auto& [side, selected] : {std::pair{0, 1}, {0, 0}, {1, 2}, {1, 1}}) {
        SettingsDialogState state = State();
        state.Progress.ProgressTime = ProgressClock(selected);
        dialog.Open(state);
        SetWindowTextW(C(side == 0 ? LabeledEdit1 : LabeledEdit2), L"南極点");
        side == 0 ? dialog.LabeledEdit1Exit() : dialog.LabeledEdit2Exit();
        EXPECT_EQ(WindowText(C(side == 0 ? RadioButton3 : RadioButton4)), "「南極点」の日時");
        EXPECT_EQ(Entry(C(ComboBox3), side + 1), "「南極点」の現地時間");
        EXPECT_EQ(EntryCount(C(ComboBox3)), 3);
        EXPECT_EQ(Selection(C(ComboBox3)), selected) << side;
    }
}

TEST_F(DialogTest, OpeningLeavesTheNameCaptionsAloneUntilThePageChanges) {
    SettingsDialogState state = State();
    state.Sides[0].BoxName = "南極点";
    dialog.Open(state);
    EXPECT_EQ(WindowText(C(RadioButton3)), "左側");
    EXPECT_EQ(Entry(C(ComboBox3), 1), "左側の現地時間");
    dialog.SetActivePage(1);
    dialog.PageControl1Change();
    EXPECT_EQ(WindowText(C(RadioButton3)), "「南極点」の日時");
    EXPECT_EQ(WindowText(C(RadioButton4)), "「ヒューストン」の日時");
}

TEST_F(DialogTest, ProgressEntriesEnableTheirControls) {
    const struct {
        bool taskbarReady;
        std::int32_t progressTime;
        bool frameEnabled, controlsEnabled;
        std::int32_t stored;
    } cases[] = {{true, 0, true, false, 0},
                 {true, 2, true, true, 2},
                 {true, 3, true, true, -1},
                 {false, 1, false, false, 1}};
    for (const auto& c : cases) {
        SettingsDialogState state = State();
        state.TaskbarReady = c.taskbarReady;
        state.Progress.ProgressTime = ProgressClock(c.progressTime);
        dialog.Open(state);
        dialog.ComboBox3Select(); // the show handler
        dialog.CopyBack(state);
        EXPECT_EQ(Enabled(C(ComboBox3)), c.frameEnabled) << c.progressTime;
        for (ControlId id : {RadioButton6, RadioButton8, Label5, DateTimePicker1})
            EXPECT_EQ(Enabled(C(id)), c.controlsEnabled) << c.progressTime << " " << int(id);
        EXPECT_EQ(state.Progress.ProgressTime, ProgressClock(c.stored)) << c.progressTime;
    }
}

TEST_F(DialogTest, ProgressTimesAndColoursComeBackFormatted) {
    const struct {
        Text from, to;
        std::int32_t colour;
        Text storedFrom, storedTo;
        std::int32_t storedColour;
    } cases[] = {
        {"21:30", "6:05", 1, "21:30", "06:05", 1},
        {" 9:5 ", "PM 5:00", 2, "09:05", "17:00", 2},
        {"09:00", "17:00", 7, "09:00", "17:00", 0},
        {"abc", "24:00", 0, "09:00", "17:00", 0}, // unreadable: the picker's last time stays
    };
    for (const auto& c : cases) {
        SettingsDialogState state = State();
        state.Progress.ProgressFrom = c.from;
        state.Progress.ProgressTo = c.to;
        state.Progress.ProgressColor = ProgressColour(c.colour);
        dialog.Open(state);
        dialog.CopyBack(state);
        EXPECT_EQ(state.Progress.ProgressFrom, c.storedFrom) << c.from;
        EXPECT_EQ(state.Progress.ProgressTo, c.storedTo) << c.to;
        EXPECT_EQ(state.Progress.ProgressColor, ProgressColour(c.storedColour)) << c.colour;
    }
}

TEST_F(DialogTest, SameFontGivesBothSidesTheLeftFont) {
    SettingsDialogState state = State();
    state.SameFont = false;
    dialog.Open(state);
    EXPECT_TRUE(Enabled(C(Button2)));
    EXPECT_EQ(DialogProbe(dialog).RightFont(), RightDesignFont);
    fonts.answers = {ChosenFont};
    dialog.Button2Click();
    EXPECT_EQ(fonts.offered.back(), RightDesignFont);
    EXPECT_EQ(DialogProbe(dialog).RightFont(), ChosenFont);

    dialog.SetChecked(CheckBox4, true);
    EXPECT_FALSE(Enabled(C(Button2)));
    EXPECT_EQ(DialogProbe(dialog).RightFont(), LeftDesignFont);
    dialog.CopyBack(state);
    EXPECT_TRUE(state.SameFont);
    EXPECT_EQ(state.Fonts[0], LeftDesignFont);
    EXPECT_EQ(state.Fonts[1], LeftDesignFont);
    // Unchecking brings back the right font last chosen.
    dialog.SetChecked(CheckBox4, false);
    dialog.CopyBack(state);
    EXPECT_EQ(state.Fonts[1], ChosenFont);
}

TEST_F(DialogTest, ACancelledFontDialogChangesNothing) {
    SettingsDialogState state = State();
    state.SameFont = true;
    dialog.Open(state);
    EXPECT_EQ(DialogProbe(dialog).RightFont(), LeftDesignFont);
    fonts.answers = {std::nullopt, ChosenFont};
    dialog.Button1Click();
    EXPECT_EQ(DialogProbe(dialog).LeftFont(), LeftDesignFont);
    dialog.Button1Click();
    EXPECT_EQ(DialogProbe(dialog).LeftFont(), ChosenFont);
    // With "左右同じ" on, the left button changes only the left font until OK.
    EXPECT_EQ(DialogProbe(dialog).RightFont(), LeftDesignFont);
    dialog.CopyBack(state);
    EXPECT_EQ(state.Fonts[1], ChosenFont);
    // Unchecking keeps the right font the dialog held at opening.
    dialog.SetChecked(CheckBox4, false);
    EXPECT_EQ(DialogProbe(dialog).RightFont(), LeftDesignFont);
}

TEST_F(DialogTest, OkCopiesEveryControlBackAndLeavingTheNameEditRenames) {
    SettingsDialogState state = State();
    PostMessageW(dialog.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(C(LabeledEdit1)), TRUE);
    PostTyping(LabeledEdit1, L"Oslo");
    PostMessageW(dialog.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(C(BitBtn1)), TRUE);
    PostSelection(ComboBox11, 7);
    for (ControlId id : {CheckBox2, CheckBox3, RadioButton4, RadioGroup1Item1, RadioGroup2Item2,
                         CheckBox6, CheckBox7})
        Post(id, BM_CLICK);
    state.ClickThrough = true; // shown checked, clicked off
    Post(CheckBox5, BM_CLICK);
    PostClose(IDOK);
    ASSERT_TRUE(dialog.Execute(state));
    EXPECT_EQ(state.Theme, ThemeChoice::Dark);
    EXPECT_TRUE(state.HideInFullScreen && state.HoverOpaque);
    EXPECT_FALSE(state.ClickThrough);
    EXPECT_EQ(state.Sides[0].BoxName, "Oslo");
    EXPECT_EQ(state.Sides[0].DateIndex, 7);
    EXPECT_EQ(state.Sides[0].TimeIndex, 0);
    EXPECT_TRUE(state.StayOnTop && state.AutoScale);
    EXPECT_EQ(state.TitleMode, TitleSource::RightClock);
    EXPECT_EQ(state.Display.BlinkMode, BlinkPairing::Alternate);
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(WindowText(C(RadioButton3)), "「Oslo」の日時");
}

TEST_F(DialogTest, EnterIsOkAndEscapeIsCancel) {
    for (const auto& [key, result] : {std::pair{VK_RETURN, true}, {VK_ESCAPE, false}}) {
        SettingsDialogState state = State();
        state.Sides[0].BoxName = "before";
        PostTyping(LabeledEdit1, L"after");
        Post(LabeledEdit1, WM_KEYDOWN, key);
        EXPECT_EQ(dialog.Execute(state), result) << key;
        EXPECT_EQ(state.Sides[0].BoxName, result ? "after" : "before");
    }
}

TEST_F(DialogTest, AMnemonicReachesItsControl) {
    SettingsDialogState state = State();
    dialog.SetActivePage(1);
    Post(BitBtn1, WM_SYSCHAR, 'h'); // "半透明(&H)"
    PostClose(IDOK);
    ASSERT_TRUE(dialog.Execute(state));
    EXPECT_TRUE(state.ViewMode);
    EXPECT_EQ(host.alpha, 128);
}

// The owner's timers fire inside the modal loop while the owner is disabled.
struct TimerProbe {
    HWND owner = nullptr;
    int ticks = 0;
    bool ownerDisabled = true;
    std::function<void(int)> onTick;
} probe;

void CALLBACK ProbeTimer(HWND, UINT, UINT_PTR, DWORD) {
    ++probe.ticks;
    probe.ownerDisabled = probe.ownerDisabled && !IsWindowEnabled(probe.owner);
    probe.onTick(probe.ticks);
}

TEST(OwnedDialogTest, TimersKeepFiringWhileTheOwnerIsDisabledAndScreenshotsOfBothTabs) {
    FakeHost host;
    ScriptedFonts fonts;
    TForm2 dialog{host, fonts};
    const HWND owner =
        CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(dialog.Create(owner, 1041, 1041));
    const std::filesystem::path directory = testing::WinePath(VELMORA_ARTIFACT_DIR);
    std::filesystem::create_directories(directory);
    std::vector<bool> saved;
    const auto save = [&](const char* name) {
        saved.push_back(testing::SaveWindowPicture(dialog.Handle(), (directory / name).wstring()));
    };
    probe = {owner, 0, true, [&](int ticks) {
                 // Painting takes a while under some systems: each tab gets a second.
                 if (ticks == 20) {
                     save("settings_dialog_data.bmp");
                     dialog.SetActivePage(1);
                 } else if (ticks == 40) {
                     save("settings_dialog_display.bmp");
                     dialog.SetActivePage(2);
                 } else if (ticks == 60) {
                     save("settings_dialog_desktop.bmp");
                     PostMessageW(dialog.Handle(), WM_COMMAND, IDCANCEL, 0);
                 }
             }};
    SetTimer(owner, 1, 50, ProbeTimer);
    SettingsDialogState state;
    state.Sides[0].BoxName = "昭和基地";
    state.Sides[1].BoxName = "ヒューストン";
    state.ViewMode = state.TaskbarReady = true;
    state.Progress.ProgressTime = ProgressClock::Left;
    state.TitleMode = TitleSource::TitleString;
    state.TitleString = "走れブリッツェン";
    EXPECT_FALSE(dialog.Execute(state));
    KillTimer(owner, 1);
    EXPECT_TRUE(probe.ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(saved, (std::vector<bool>{true, true, true}));
    // Each tab was painted with its own controls.
    EXPECT_NE(testing::ReadBytes((directory / "settings_dialog_data.bmp").wstring()),
              testing::ReadBytes((directory / "settings_dialog_display.bmp").wstring()));
    EXPECT_NE(testing::ReadBytes((directory / "settings_dialog_display.bmp").wstring()),
              testing::ReadBytes((directory / "settings_dialog_desktop.bmp").wstring()));
    DestroyWindow(owner);
}

} // namespace
} // namespace velmora
