// Real locale data of the Japanese test prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/conversion_error.h"
#include "engine/era_calendar.h"
#include "engine/format_pattern.h"
#include "engine/language_table.h"
#include "engine/locale_settings.h"
#include "engine/locale_source_win.h"
#include "engine/text_win.h"
#include "engine/time_text.h"

namespace velmora {
namespace {

using namespace std::chrono;

class LocaleWinTest : public ::testing::Test {
  protected:
    LocaleWinTest() : pc(LoadPcSettings(source)), calendar(pc.Facts.PcLocale) {
        pc.Facts.Calendar = &calendar;
    }

    TFormatSettings Load(std::int32_t lcid) {
        TFormatSettings settings;
        LoadLocaleSettings(source, pc.Facts, lcid, settings);
        return settings;
    }

    Win32LocaleSource source;
    PcSettings pc;
    BuiltInEraCalendar calendar;
};

TEST_F(LocaleWinTest, EveryListedLanguageHasItsOwnNamesAndDatePatterns) {
    const DateTime monday = EncodeDateTime(year{2026} / December / 7);
    const TFormatSettings english;
    for (int row = 0; row < LanguageRowCount; ++row) {
        const std::int32_t lcid = LanguageRowToLcid(row);
        const TFormatSettings settings = Load(lcid);
        // Read from the locale, not left at the English defaults.
        if (lcid != 1033) {
            EXPECT_NE(settings.MonthNames, english.MonthNames) << lcid;
            EXPECT_NE(settings.DayAbbrevs, english.DayAbbrevs) << lcid;
        }
        for (const char* pattern : {"ddddd", "dddddd"}) {
            const WideText date = FormatPattern(pattern, monday, settings, pc.Facts);
            EXPECT_NE(date.find(u'7'), WideText::npos) << lcid << " " << pattern;
            EXPECT_NE(date.find(u"26"), WideText::npos) << lcid << " " << pattern;
        }
    }
}

// The picture without its era letters, as a Japanese Gregorian PC writes
// every locale's date: quoted text keeps them.
std::wstring WithoutEra(const std::wstring& picture) {
    std::wstring result;
    bool quoted = false;
    for (const wchar_t c : picture) {
        if (c == L'\'')
            quoted = !quoted;
        if (quoted || (c != L'g' && c != L'G'))
            result.push_back(c);
    }
    return result;
}

// What the system's own date formatting writes for the locale. Where the
// picture names the era, the clock's rule differs (no era letters on this
// PC; Wine writes its Gregorian era name, and twice): the system formats
// the picture without them.
WideText SystemDate(std::int32_t lcid, bool longDate, const SYSTEMTIME& date) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH]{};
    LCIDToLocaleName(static_cast<LCID>(lcid), name, LOCALE_NAME_MAX_LENGTH, 0);
    wchar_t picture[256]{};
    GetLocaleInfoEx(name, longDate ? LOCALE_SLONGDATE : LOCALE_SSHORTDATE, picture, 256);
    wchar_t withoutEra[256]{};
    WithoutEra(picture).copy(withoutEra, 255);
    const bool era = std::wstring_view(withoutEra) != picture;
    wchar_t text[256]{};
    GetDateFormatEx(name, era ? 0 : (longDate ? DATE_LONGDATE : DATE_SHORTDATE), &date,
                    era ? withoutEra : nullptr, text, 256, nullptr);
    return FromWindowsText(text);
}

struct DateComparison {
    int equal = 0;
    std::vector<std::string> different;
};

// Entries 0 and 1 of a clock's date list against the system's short and
// long date of the same locale.
DateComparison CompareOwnDates(const std::vector<std::int32_t>& lcids, const LocaleSource& source,
                               const PcSettings& pc) {
    const SYSTEMTIME wednesday{2026, 12, 3, 9, 10, 30, 0, 0};
    const DateTime value = EncodeDateTime(year{2026} / December / 9, 10, 30);
    DateComparison result;
    for (const std::int32_t lcid : lcids) {
        TFormatSettings settings;
        LoadLocaleSettings(source, pc.Facts, lcid, settings);
        for (const auto& [pattern, longDate] : {std::pair{"ddddd", false}, {"dddddd", true}}) {
            const WideText shown = FormatPattern(pattern, value, settings, pc.Facts);
            if (shown == SystemDate(lcid, longDate, wednesday))
                ++result.equal;
            else
                result.different.push_back(std::to_string(lcid) + " " + pattern + ": " +
                                           FromWide(ToWindowsText(shown)));
        }
    }
    return result;
}

// A clock on each language writes its short and long date as the system
// does, every character and the month in the form a date needs.
TEST_F(LocaleWinTest, EveryListedLanguagesOwnDatesAreTheSystems) {
    std::vector<std::int32_t> lcids;
    for (int row = 0; row < LanguageRowCount; ++row)
        lcids.push_back(LanguageRowToLcid(row));
    const DateComparison result = CompareOwnDates(lcids, source, pc);
    EXPECT_EQ(result.equal, 2 * LanguageRowCount);
    for (const std::string& different : result.different)
        ADD_FAILURE() << different;
}

// Every locale of the system whose calendar is the Gregorian one, in process.
TEST_F(LocaleWinTest, EveryGregorianLocalesOwnDatesAreTheSystems) {
    std::vector<std::int32_t> lcids;
    EnumSystemLocalesEx(
        [](LPWSTR name, DWORD, LPARAM found) -> BOOL {
            const LCID lcid = LocaleNameToLCID(name, 0);
            DWORD calendarType = 0;
            if (lcid != 0 && lcid != LOCALE_CUSTOM_UNSPECIFIED && name[0] != L'\0' &&
                GetLocaleInfoEx(name, LOCALE_ICALENDARTYPE | LOCALE_RETURN_NUMBER,
                                reinterpret_cast<LPWSTR>(&calendarType), 2) &&
                calendarType == CAL_GREGORIAN)
                reinterpret_cast<std::vector<std::int32_t>*>(found)->push_back(
                    static_cast<std::int32_t>(lcid));
            return TRUE;
        },
        LOCALE_SPECIFICDATA, reinterpret_cast<LPARAM>(&lcids), nullptr);
    std::sort(lcids.begin(), lcids.end());
    lcids.erase(std::unique(lcids.begin(), lcids.end()), lcids.end());
    ASSERT_GT(lcids.size(), 100u);
    const DateComparison result = CompareOwnDates(lcids, source, pc);
    std::printf("%d of %zu own dates equal\n", result.equal, 2 * lcids.size());
    // Lithuanian and Tibetan long dates put the day number after the month
    // ("yyyy 'm'. MMMM d 'd'."). Wine's look-ahead then takes the genitive
    // by what follows the day too ("MMMM d" alone keeps the nominative,
    // "MMMM d 'd'" does not); the clock takes it after a day number only.
    const std::vector<std::string> named{"1063 dddddd", "1105 dddddd"};
    std::vector<std::string> found;
    for (const std::string& different : result.different) {
        std::printf("  %s\n", different.c_str());
        found.push_back(different.substr(0, different.find(':')));
    }
    EXPECT_EQ(found, named);
}

// The month's genitive form where the system's own formatting takes it, for
// the same picture in the clock's tokens and in the system's.
TEST_F(LocaleWinTest, MonthNamesTakeTheGenitiveWhereTheSystemDoes) {
    const SYSTEMTIME wednesday{2026, 12, 3, 9, 10, 30, 0, 0};
    const DateTime value = EncodeDateTime(year{2026} / December / 9, 10, 30);
    const std::pair<const char*, const wchar_t*> pictures[] = {
        {"d mmmm", L"d MMMM"},
        {"dd mmmm", L"dd MMMM"},
        {"d 'x' mmmm", L"d 'x' MMMM"},
        {"d yyyy mmmm", L"d yyyy MMMM"},
        {"dd mm yyyy mmmm", L"dd MM yyyy MMMM"},
        {"d mmm", L"d MMM"},
        {"mmmm yyyy", L"MMMM yyyy"},
        {"mmmm d", L"MMMM d"},
        {"yyyy mmmm dd", L"yyyy MMMM dd"},
        {"yyyy/mmmm/dd(dddd)", L"yyyy.MMMM.dd(dddd)"},
        {"d ddd mmmm", L"d ddd MMMM"},
        {"ddd d mmmm", L"ddd d MMMM"},
        {"dddd mmmm", L"dddd MMMM"},
        {"'d' mmmm", L"'d' MMMM"},
    };
    for (const std::int32_t lcid : {1045, 1049, 1027}) { // Polish, Russian, Catalan
        wchar_t name[LOCALE_NAME_MAX_LENGTH]{};
        LCIDToLocaleName(static_cast<LCID>(lcid), name, LOCALE_NAME_MAX_LENGTH, 0);
        TFormatSettings settings = Load(lcid);
        settings.DateSep = '.';
        for (const auto& [pattern, picture] : pictures) {
            // In a buffer of its own: Wine's look-ahead reads past the end.
            wchar_t alone[64]{};
            std::wstring_view(picture).copy(alone, 63);
            wchar_t system[256]{};
            GetDateFormatEx(name, 0, &wednesday, alone, system, 256, nullptr);
            EXPECT_EQ(FormatPattern(pattern, value, settings, pc.Facts), FromWindowsText(system))
                << lcid << " " << pattern;
        }
    }
}

TEST_F(LocaleWinTest, EnglishAndJapaneseNames) {
    struct Case {
        std::int32_t lcid;
        std::u16string_view december;
        std::u16string_view monday;
    };
    const Case cases[] = {{1033, u"December", u"Monday"}, {1041, u"12月", u"月曜日"}};
    for (const Case& c : cases) {
        const TFormatSettings settings = Load(c.lcid);
        EXPECT_EQ(settings.MonthNames[11], c.december) << c.lcid;
        EXPECT_EQ(settings.DayNames[1], c.monday) << c.lcid;
    }
}

TEST_F(LocaleWinTest, TheComputersRecordIsJapanese) {
    EXPECT_EQ(pc.Facts.PcLocale, 1041);
    EXPECT_EQ(pc.Facts.PcPrimaryLanguage, LangJapanese);
    EXPECT_EQ(pc.FormatSettings.DateSep, '/');
    EXPECT_EQ(pc.FormatSettings.TimeSep, ':');
    EXPECT_EQ(pc.FormatSettings.ShortTimePattern.find("mm"),
              pc.FormatSettings.ShortTimePattern.size() - 2);
    // A Japanese Gregorian PC drops the era letters of every date pattern.
    EXPECT_EQ(pc.FormatSettings.LongDatePattern.find_first_of(u"gG"), WideText::npos);
}

TEST_F(LocaleWinTest, ParsesTimeTextsWithTheComputersRecord) {
    const TFormatSettings& record = pc.FormatSettings;
    const Text am = FromWide(ToWindowsText(record.AmText));
    const Text pm = FromWide(ToWindowsText(record.PmText));
    struct Case {
        Text text;
        int minutes;
    };
    const Case cases[] = {
        {"09:00", 9 * 60},           {"17:30", 17 * 60 + 30},     {"pm 9:30", 21 * 60 + 30},
        {pm + "3:15", 15 * 60 + 15}, {"3:15 " + am, 3 * 60 + 15},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ParseTimeText(c.text, record, source), c.minutes / 1440.0) << c.text;
    EXPECT_THROW(ParseTimeText("13:00 PM", record, source), ConversionError);
}

TEST(Win32LocaleSource, ComparesIgnoringCaseOverEqualLengths) {
    const Win32LocaleSource source;
    EXPECT_TRUE(source.EqualIgnoreCase(u"pm", u"PM"));
    EXPECT_TRUE(source.EqualIgnoreCase(u"午後", u"午後"));
    EXPECT_FALSE(source.EqualIgnoreCase(u"午後", u"午前"));
    EXPECT_FALSE(source.EqualIgnoreCase(u"P", u"PM"));
    EXPECT_TRUE(source.IsValidLocale(1041));
    EXPECT_FALSE(source.IsValidLocale(0x7FFF));
    EXPECT_EQ(source.LocaleInfo(1041, locale_item::SDate), Text("/"));
    EXPECT_FALSE(source.LocaleInfo(1041, 0xFFFF).has_value());
}

} // namespace
} // namespace velmora
