// Month and day names of every language reach the labels, the settings
// dialog's samples and the screen as the system gives them, and the language
// list offers the system's other locales.
#include <gtest/gtest.h>

#include <random>

#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "engine/language_table.h"
#include "engine/text_win.h"
#include "tests/win/form_probe.h"
#include "ui/clock_label.h"
#include "ui/form_logic.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using namespace testing;

constexpr int MonthNameDateIndex = 28; // "yyyy/mmmm/dd(dddd)"
constexpr int AmPmTimeIndex = 6;       // "ampm h:nn"

std::wstring LocaleItem(std::int32_t lcid, LCTYPE item) {
    wchar_t text[256]{};
    GetLocaleInfoW(static_cast<LCID>(lcid), item, text, 256);
    return text;
}

// A one-character separator item is the separator; any other falls back.
std::wstring Separator(std::int32_t lcid, LCTYPE item, const wchar_t* fallback) {
    const std::wstring text = LocaleItem(lcid, item);
    return text.size() == 1 ? text : fallback;
}

std::wstring WideWindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring Entry(HWND list, int index) {
    wchar_t text[512]{};
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::string ClockFile(std::int32_t lcid) {
    return "[DATA]\r\nBoxName1=L\r\nDiffIndex1=47\r\nDateIndex1=" +
           std::to_string(MonthNameDateIndex) + "\r\nTimeIndex1=" + std::to_string(AmPmTimeIndex) +
           "\r\nLocaleID1=" + std::to_string(lcid) + "\r\n[MODE]\r\nTitleMode=3\r\n";
}

class ScriptTest : public ::testing::Test, public FormFixture {
  protected:
    HWND DialogControl(ControlId id) { return FormProbe::SettingsDialog(*form).Control(id); }

    // The dialog as the main window opens it, without running it modally.
    void OpenDialog() {
        SettingsDialogState state;
        for (int i = 0; i < 2; ++i)
            state.Sides[static_cast<std::size_t>(i)] = FormProbe(*form).Side(i);
        FormProbe::SettingsDialog(*form).Open(state);
    }
};

// 2024-03-05 12:34:57, a Tuesday afternoon, for each of the 32 languages: the
// date label, the time label, the dialog's samples for the same language and
// the caption, which follows the computer's own record whatever the clock's
// language.
TEST_F(ScriptTest, EveryLanguageShowsTheSystemsNamesExactly) {
    for (int row = 0; row < LanguageRowCount; ++row) {
        const std::int32_t lcid = LanguageRowToLcid(row);
        Start(ClockFile(lcid));
        const std::wstring date = L"2024" + Separator(lcid, LOCALE_SDATE, L"/") +
                                  LocaleItem(lcid, LOCALE_SMONTHNAME3) +
                                  Separator(lcid, LOCALE_SDATE, L"/") + L"05(" +
                                  LocaleItem(lcid, LOCALE_SDAYNAME2) + L")";
        const std::wstring time =
            LocaleItem(lcid, LOCALE_S2359) + L" 0" + Separator(lcid, LOCALE_STIME, L":") + L"34";
        EXPECT_EQ(WideWindowText(FormProbe(*form).Label(0).Handle()), date) << lcid;
        EXPECT_EQ(WideWindowText(FormProbe(*form).Label(1).Handle()), time) << lcid;
        EXPECT_EQ(WideWindowText(form->Handle()), L"3/5 12:34 L") << lcid;

        OpenDialog();
        const HWND languages = DialogControl(ControlId::ComboBox13);
        EXPECT_EQ(SendMessageW(languages, CB_GETCURSEL, 0, 0), row) << lcid;
        EXPECT_EQ(Entry(DialogControl(ControlId::ComboBox11), MonthNameDateIndex), date) << lcid;
        // The time samples are formatted without the twelve-hour fix.
        EXPECT_EQ(Entry(DialogControl(ControlId::ComboBox12), AmPmTimeIndex),
                  time.substr(0, time.size() - 4) + L"12" + time.substr(time.size() - 3))
            << lcid;
    }
    EXPECT_TRUE(errors.messages.empty());
}

// An off-screen canvas on which texts are drawn as the labels draw them.
class TextCanvas {
  public:
    TextCanvas() {
        const WindowDc screen(nullptr);
        memory_.reset(CreateCompatibleDC(screen.get()));
        bitmap_.reset(CreateCompatibleBitmap(screen.get(), Width, Height));
        selected_.emplace(memory_.get(), bitmap_.get());
    }

    // The pixels of `area` after drawing `text` on white.
    std::vector<COLORREF> Draw(HFONT font, std::wstring_view text, RECT area,
                               TextPlacement placement = TextPlacement::Middle) {
        const HDC dc = memory_.get();
        const RECT whole{0, 0, Width, Height};
        FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const SelectedObject selectedFont(dc, font);
        DrawClockText(dc, text, area, placement);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                pixels.push_back(GetPixel(dc, x, y));
        return pixels;
    }

  private:
    static constexpr int Width = 160;
    static constexpr int Height = 64;
    UniqueMemoryDc memory_;
    UniqueBitmap bitmap_;
    std::optional<SelectedObject> selected_;
};

// Each character of a label drawn alone, as the label draws it, must not be
// the missing-glyph box that the label's font draws for a character no font
// has.
TEST_F(ScriptTest, ThaiArabicKoreanAndCzechNamesAreDrawnWithRealGlyphs) {
    TextCanvas canvas;
    const auto draw = [&](HFONT font, std::wstring_view character) {
        return canvas.Draw(font, character, {0, 0, 64, 64});
    };
    for (const std::int32_t lcid : {1054, 1025, 1042, 1029}) {
        Start(ClockFile(lcid));
        const HFONT font = FormProbe(*form).Label(0).FontHandle();
        const std::vector<COLORREF> box = draw(font, L"\u0378"); // unassigned
        const std::vector<COLORREF> blank = draw(font, L" ");
        ASSERT_NE(box, blank) << "no missing-glyph box to compare with";
        for (const wchar_t c : WideWindowText(FormProbe(*form).Label(0).Handle())) {
            // A vowel or tone mark is drawn on the letter before it, never alone.
            WORD type = 0;
            GetStringTypeW(CT_CTYPE3, &c, 1, &type);
            if (c < 0x80 || (type & C3_NONSPACING) != 0)
                continue;
            const std::vector<COLORREF> drawn = draw(font, std::wstring(1, c));
            EXPECT_NE(drawn, box) << lcid << " U+" << std::hex << int(c);
            EXPECT_NE(drawn, blank) << lcid << " U+" << std::hex << int(c);
        }
    }
}

// Whatever a locale or a file hands over is drawn without a crash or a
// hang: marks without their letters (Wine's Uniscribe crashes on a Thai mark
// after anything but a Thai letter), lone surrogates, right-to-left runs,
// in any order. A fixed seed, so that a failure comes back.
TEST_F(ScriptTest, AnyUtf16TextIsDrawn) {
    Start(ClockFile(1054));
    TextCanvas canvas;
    const HFONT font = FormProbe(*form).Label(0).FontHandle();
    const char16_t pool[] = {u'\u0E48', u'\u0E31', u'\u0E35', u'\u0301', u'\u064B', u'\u05B0',
                             0xD800,    0xDBFF,    0xDC00,    0xDFFF,    u'\u0E01', u'\u0628',
                             u'\u05D0', u'\u200E', u'\u200F', u'\u202E', u'a',      u'9',
                             u' ',      u'年',     u'\uFFFF', u'\u0000'};
    std::mt19937 random(20261209);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pool) - 1);
    std::uniform_int_distribution<int> length(1, 12);
    for (int i = 0; i < 1000; ++i) {
        std::wstring text;
        for (int n = length(random); n > 0; --n)
            text.push_back(static_cast<wchar_t>(pool[pick(random)]));
        canvas.Draw(font, text, {0, 0, 160, 64});
    }
    SUCCEED() << "1000 texts drawn";
}

// Printable ASCII is drawn by GDI alone. A left-to-right mark, which shows
// nothing, sends the same text through Uniscribe: the two must give the same
// pixels, centred and clipped alike, in wide and narrow labels. The area
// starts at the corner, as a label's does: Wine's Uniscribe draws past a
// clipping edge on the left.
TEST(ClockText, PlainTextIsDrawnAsUniscribeDrawsIt) {
    TextCanvas canvas;
    for (const wchar_t* face : {L"MS UI Gothic", L"Tahoma", L"Courier New"}) {
        for (const LONG height : {-12, -27}) {
            LOGFONTW request{};
            request.lfHeight = height;
            request.lfCharSet = DEFAULT_CHARSET;
            wcsncpy(request.lfFaceName, face, LF_FACESIZE - 1);
            const UniqueFont font(CreateFontIndirectW(&request));
            for (const std::wstring text : {L"12:34:56", L"PM 9:05", L"0", L"~!@#$%^&*()_+{}|<>?"})
                for (const RECT area : {RECT{0, 0, 160, 64}, RECT{0, 0, 40, 30}})
                    for (const auto placement : {TextPlacement::Bottom, TextPlacement::Middle})
                        EXPECT_EQ(canvas.Draw(font.get(), text, area, placement),
                                  canvas.Draw(font.get(), text + L"\u200E", area, placement))
                            << face << " " << height << " " << area.right;
        }
    }
}

// After the 32 rows the system's other locales follow under their own names,
// ordered by name; one chosen there runs the clock and is kept as its number.
TEST_F(ScriptTest, ALocaleBeyondTheTableIsOfferedShownAndStoredAsItsNumber) {
    constexpr std::int32_t Ukrainian = 1058;
    Start(ClockFile(1041));
    const HWND languages = DialogControl(ControlId::ComboBox13);
    const auto count = static_cast<int>(SendMessageW(languages, CB_GETCOUNT, 0, 0));
    ASSERT_GT(count, LanguageRowCount);
    for (int i = LanguageRowCount + 1; i < count; ++i) {
        const std::wstring before = Entry(languages, i - 1);
        const std::wstring after = Entry(languages, i);
        EXPECT_NE(CompareStringW(LOCALE_USER_DEFAULT, 0, before.c_str(), -1, after.c_str(), -1),
                  CSTR_GREATER_THAN)
            << i;
    }
    const std::wstring name = LocaleItem(Ukrainian, LOCALE_SLOCALIZEDDISPLAYNAME);
    const auto row = static_cast<int>(SendMessageW(languages, CB_FINDSTRINGEXACT,
                                                   static_cast<WPARAM>(LanguageRowCount - 1),
                                                   reinterpret_cast<LPARAM>(name.c_str())));
    ASSERT_GE(row, LanguageRowCount) << "no entry for Ukrainian";

    PostMessageW(languages, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    PostMessageW(GetParent(languages), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(languages), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(languages));
    PostMessageW(FormProbe::SettingsDialog(*form).Handle(), WM_COMMAND, IDOK, 0);
    form->Setting1Click();

    EXPECT_EQ(FormProbe(*form).Side(0).LocaleID, Ukrainian);
    form->Timer1Timer();
    EXPECT_NE(WideWindowText(FormProbe(*form).Label(0).Handle())
                  .find(LocaleItem(Ukrainian, LOCALE_SMONTHNAME3)),
              std::wstring::npos);
    form->WriteSettings(TestIni);
    EXPECT_NE(files.files[TestIni].find("LocaleID1=1058\r\n"), std::string::npos);

    // Opened again, the dialog selects the same entry.
    OpenDialog();
    EXPECT_EQ(SendMessageW(languages, CB_GETCURSEL, 0, 0), row);
    EXPECT_TRUE(errors.messages.empty());
}

} // namespace
} // namespace velmora
