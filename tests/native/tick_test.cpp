#include "engine/tick.h"

#include <gtest/gtest.h>

#include "engine/display_patterns.h"
#include "engine/pattern_lists.h"
#include "tests/native/fake_time_zone_rules.h"
#include "tests/native/recording_taskbar.h"
#include "tests/native/shown_text.h"

namespace velmora {
namespace {

using namespace std::chrono;

DateTime At(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
    return EncodeDateTime(year{y} / month{mo} / day{d}, h, mi, s);
}

// Moves on by `step` after each reading, as a real clock does between two reads.
struct SteppingClock final : ClockSource {
    ClockReading Read() const override {
        const ClockReading current = reading;
        reading.Local += step;
        reading.Utc += step;
        return current;
    }
    mutable ClockReading reading;
    DateTime step = 0;
};

// The tests' computer runs on Tokyo time, nine hours ahead of UTC.
constexpr DateTime PcAheadOfUtc = 9 / 24.0;

// Faces named "P..." are proportional.
struct FakeFontPitch final : FontPitch {
    bool IsProportionalFont(const Text& face) const override {
        return !face.empty() && face[0] == 'P';
    }
};

class TickTest : public ::testing::Test {
  protected:
    TickTest() {
        left.BoxName = "昭和基地";
        right.BoxName = "ヒューストン";
        pc.Facts.Decoder = &TestDecoder();
        for (ClockSide* side : {&left, &right}) {
            side->DiffIndex = 47;
            side->FormatSettings.ShortTimePattern = "h:mm";
            BuildPatternLists(*side);
            side->DateIndex = 20; // "yyyy/mm/dd"
        }
    }

    void Derive(std::int32_t timeIndex, std::int32_t blinkMode, const char* face = "Fixed") {
        left.TimeIndex = right.TimeIndex = timeIndex;
        DeriveDisplayPatterns(left, right, {BlinkPairing(blinkMode), true}, pitch, face, face);
    }

    TickTexts TickAt(DateTime now) {
        clock.reading = {now, now - PcAheadOfUtc};
        return Tick({left, right, titleMode, pc, progress, progressState, clock, taskbar, zones});
    }

    ClockSide left, right;
    TitleSource titleMode = TitleSource::ProductTitle;
    PcSettings pc;
    ProgressSettings progress;
    ProgressState progressState;
    SteppingClock clock;
    RecordingTaskbar taskbar;
    FakeFontPitch pitch;
    FakeTimeZoneRules zones;
};

TEST_F(TickTest, TheSeparatorBlinksByTheComputersSeconds) {
    struct Case {
        std::int32_t blinkMode;
        int second;
        const char *leftTime, *rightTime;
    } const cases[] = {{0, 7, "10:20", "10:20"}, {0, 8, "10 20", "10 20"},
                       {1, 7, "10:20", "10 20"}, {1, 8, "10 20", "10:20"},
                       {2, 7, "10:20", "10:20"}, {2, 8, "10:20", "10:20"}};
    for (const Case& c : cases) {
        Derive(3, c.blinkMode); // "hh:nn"
        const TickTexts texts = TickAt(At(2026, 12, 7, 10, 20, c.second));
        EXPECT_EQ(texts.LeftTime, Shown(c.leftTime)) << c.blinkMode << ' ' << c.second;
        EXPECT_EQ(texts.RightTime, Shown(c.rightTime)) << c.blinkMode << ' ' << c.second;
    }
}

TEST_F(TickTest, TwelveHourTextsShowZeroForTwelve) {
    struct Case {
        std::int32_t timeIndex;
        int hour, minute, second;
        const char *face, *expected;
    } const cases[] = {{4, 12, 30, 7, "Fixed", "PM 0:30"},
                       {4, 0, 30, 7, "Fixed", "AM 0:30"},
                       {4, 0, 30, 8, "Fixed", "AM 0 30"},
                       {7, 0, 5, 8, "Fixed", "am 0 05"},
                       {4, 11, 59, 7, "Fixed", "AM 11:59"},
                       // Swung texts are a byte longer: the hour is not where the fix looks.
                       {5, 12, 5, 7, "Proportional", "PM 12: 05"},
                       {5, 12, 5, 8, "Proportional", "PM 12 :05"},
                       // The locale's short pattern and the 24-hour patterns keep their 12.
                       {0, 12, 30, 7, "Fixed", "12:30"},
                       {3, 12, 30, 8, "Fixed", "12 30"}};
    for (const Case& c : cases) {
        Derive(c.timeIndex, 0, c.face);
        const TickTexts texts = TickAt(At(2026, 12, 7, c.hour, c.minute, c.second));
        EXPECT_EQ(texts.LeftTime, Shown(c.expected))
            << c.timeIndex << ' ' << c.hour << ':' << c.minute;
    }
}

TEST_F(TickTest, EachSideShowsItsOwnTimeAndTheCaptionFollowsTheTitleMode) {
    left.DiffIndex = 59;               // 6 hours behind
    right.DiffIndex = 77;              // 15 hours behind
    left.FormatSettings.DateSep = '-'; // the caption uses the computer's record
    pc.FormatSettings.DateSep = '.';
    Derive(3, 2);
    const DateTime now = At(2026, 12, 7, 3, 0, 1);
    const TickTexts t = TickAt(now);
    EXPECT_EQ(left.SideTime, now - 12 * OneHalfHour);
    EXPECT_EQ(right.SideTime, now - 30 * OneHalfHour);
    EXPECT_EQ(t.LeftDate + u" " + t.LeftTime, u"2026-12-06 21:00");
    EXPECT_EQ(t.RightDate + u" " + t.RightTime, u"2026/12/06 12:00");

    const std::pair<std::int32_t, std::optional<WideText>> cases[] = {
        {1, std::nullopt},
        {2, u"12.7 03:00"},
        {3, u"12.6 21:00 昭和基地"},
        {4, u"12.6 12:00 ヒューストン"},
        {5, std::nullopt},
        {0, std::nullopt},
        {6, std::nullopt}};
    for (const auto& [mode, caption] : cases) {
        titleMode = TitleSource(mode);
        EXPECT_EQ(TickAt(now).Caption, caption) << mode;
    }
}

TEST_F(TickTest, OneTickIsOneInstantEvenWhenTheClockMovesOnBetweenReads) {
    clock.step = 1 / MillisecondsPerDay;
    titleMode = TitleSource::PcTime;
    Derive(3, 0); // "hh:nn", both blink together
    const TickTexts t = TickAt(EncodeDateTime(year{2026} / 12 / 7, 23, 59, 59, 999));
    EXPECT_EQ(t.LeftDate + u" " + t.LeftTime, u"2026/12/07 23:59");
    EXPECT_EQ(t.RightDate + u" " + t.RightTime, u"2026/12/07 23:59");
    EXPECT_EQ(t.Caption, WideText(u"12/7 23:59"));
}

TEST_F(TickTest, ASideOnAZoneShowsItsTimeAndBlinksWithTheComputersSeconds) {
    right.TimeZone = FakeTimeZoneRules::UsCentral;
    right.DiffIndex = 77; // right in winter only
    left.TimeZone = "Nepal Standard Time";
    titleMode = TitleSource::RightClock;
    Derive(3, 0); // "hh:nn", both blink together
    const struct {
        DateTime pcLocal;
        const char *leftText, *rightText, *caption;
    } cases[] = {
        // Summer: Central is 14 hours behind Tokyo, not the stored 15.
        {At(2026, 7, 15, 21, 0, 7), "2026/07/15 17:45", "2026/07/15 07:00",
         "7.15 07:00 ヒューストン"},
        {At(2026, 7, 15, 21, 0, 8), "2026/07/15 17 45", "2026/07/15 07 00",
         "7.15 07:00 ヒューストン"},
        // The hour that is skipped in spring, and the one repeated in autumn.
        {At(2026, 3, 8, 16, 59, 59), "2026/03/08 13:44", "2026/03/08 01:59",
         "3.8 01:59 ヒューストン"},
        {At(2026, 3, 8, 17, 0, 1), "2026/03/08 13:45", "2026/03/08 03:00",
         "3.8 03:00 ヒューストン"},
        {At(2026, 11, 1, 15, 30, 1), "2026/11/01 12:15", "2026/11/01 01:30",
         "11.1 01:30 ヒューストン"},
        {At(2026, 11, 1, 16, 30, 1), "2026/11/01 13:15", "2026/11/01 01:30",
         "11.1 01:30 ヒューストン"},
    };
    pc.FormatSettings.DateSep = '.';
    for (const auto& c : cases) {
        const TickTexts t = TickAt(c.pcLocal);
        EXPECT_EQ(t.LeftDate + u" " + t.LeftTime, Shown(c.leftText));
        EXPECT_EQ(t.RightDate + u" " + t.RightTime, Shown(c.rightText));
        EXPECT_EQ(t.Caption, Shown(c.caption));
    }
}

TEST_F(TickTest, StepsTheProgressOnlyWhenAClockIsChosen) {
    Derive(3, 0);
    TickAt(At(2026, 12, 7, 13, 30));
    EXPECT_TRUE(taskbar.calls.empty());
    EXPECT_EQ(progressState.ProgressSideTime, 0);

    right.DiffIndex = 49; // one hour behind
    progress.ProgressTime = ProgressClock::Right;
    progressState.Window = {0, 0, MinuteOfYear(At(2026, 12, 7, 9, 0)),
                            MinuteOfYear(At(2026, 12, 7, 17, 0)), 480};
    TickAt(At(2026, 12, 7, 13, 30));
    EXPECT_EQ(progressState.ProgressSideTime, At(2026, 12, 7, 12, 30));
    EXPECT_EQ(taskbar.calls, std::vector{ValueCall(210, 480)});
}

TEST(FixedTitle, OnlyModesOneAndFiveHaveAFixedCaption) {
    EXPECT_EQ(FixedTitle(TitleSource::ProductTitle, "走れブリッツェン"), Text("Velmora"));
    EXPECT_EQ(FixedTitle(TitleSource::TitleString, "走れブリッツェン"), Text("走れブリッツェン"));
    for (std::int32_t mode : {0, 2, 3, 4, 6})
        EXPECT_FALSE(FixedTitle(TitleSource(mode), "x").has_value()) << mode;
}

TEST(ApplyHourFix, CorrectsOnlyTheTwelveHourEntriesAndGuardsShortTexts) {
    struct Case {
        const char* text;
        std::int32_t timeIndex;
        const char* expected;
    } const cases[] = {{"12:30", 5, "0:30"},
                       {"pm 12 30", 6, "pm 0 30"},
                       {"am 12:05", 7, "am 0:05"},
                       {"12", 4, "12"},
                       {"", 4, ""},
                       {"1205", 4, "1205"},
                       {"x12:05", 8, "x12:05"},
                       {"12:30", 0, "12:30"},
                       {"10:12:05", 1, "10:12:05"},
                       {"12:30", 2, "12:30"},
                       {"12:30", 3, "12:30"}};
    for (const Case& c : cases)
        EXPECT_EQ(ApplyHourFix(Shown(c.text), c.timeIndex), Shown(c.expected))
            << c.text << ' ' << c.timeIndex;
}

} // namespace
} // namespace velmora
