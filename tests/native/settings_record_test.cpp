#include <gtest/gtest.h>

#include "settings/settings_keys.h"
#include "settings_test_support.h"

namespace velmora {
namespace {

using testing::FixedWindow;
using testing::ReadText;
using testing::WriteOver;

TEST(SettingsRecord, TheSplitDefaultFollowsTheClientWidth) {
    struct Case {
        std::int32_t clientWidth, split;
    };
    for (const Case c : {Case{624, 309}, Case{625, 309}, Case{8, 1}, Case{0, -3}, Case{3, -1}}) {
        WindowEnvironment window = FixedWindow();
        window.clientWidth = c.clientWidth;
        EXPECT_EQ(ReadText("", window).settings.Split, c.split) << c.clientWidth;
        EXPECT_EQ(DefaultSplit(c.clientWidth), c.split);
    }
}

TEST(SettingsRecord, PlacementAndStateDefaultsComeFromTheWindowAndTheScreen) {
    WindowEnvironment window = FixedWindow(); // every value distinct from the others
    window.placement = {3, 2, -7, -9, 1, 2, 3, 4};
    window.windowState = WindowShowState::Minimised;
    const Settings s = ReadText("", window).settings;
    EXPECT_EQ(s.Placement, (WindowPlacementValues{3, 2, -7, -9, 640, 440, 1280, 640}));
    EXPECT_EQ(s.WindowState, WindowShowState::Minimised);
}

#define KEY(file, condition)                                                                       \
    {                                                                                              \
        file, [](const Settings& s) { return condition; }                                          \
    }

TEST(SettingsRecord, KeysReadAsTheirTypesSay) {
    const struct {
        const char* file;
        bool (*check)(const Settings&);
    } cases[] = {
        KEY("[POSITION]\nLeft=10\nTop=20\n", s.Placement.right == 650 && s.Placement.bottom == 220),
        // A huge edge wraps like 32-bit window arithmetic instead of overflowing.
        KEY("[POSITION]\nLeft=2147483647", s.Placement.right == -2147483647 - 1 + 639),
        KEY("[mode]\nblinkmode=2", s.Display.BlinkMode == BlinkPairing::Stop),
        KEY("[MODE]\nViewRate=300", s.ViewRate == 44),
        KEY("[MODE]\nViewRate=abc", s.ViewRate == 255),
        // Never fainter than the slider goes, the low byte taken first.
        KEY("[MODE]\nViewRate=0", s.ViewRate == 26),
        KEY("[MODE]\nViewRate=25", s.ViewRate == 26),
        KEY("[MODE]\nViewRate=256", s.ViewRate == 26),
        KEY("[MODE]\nViewRate=27", s.ViewRate == 27),
        KEY("[MODE]\nViewRate=-1", s.ViewRate == 255),
        KEY("[MODE]\nSaveStatus=0", !s.SaveStatus),
        KEY("[POSITION]\nstate=2", s.WindowState == WindowShowState::Maximised),
        KEY("[DATA]\nBoxName1=", s.Sides[0].BoxName.empty()),
        KEY("[DATA]\nBoxName2=x", s.Sides[0].BoxName == "昭和基地"),
        KEY("[FONT]\nStyle1=5", s.Fonts[0].style == (FontStyle::Bold | FontStyle::Underline)),
        KEY("[FONT]\nStyle1=277", s.Fonts[0].style == FontStyle(21)), // the low 8 bits
        KEY("[FONT]\nSize2=-15", s.Fonts[1].height == 25),
        KEY("[FONT]\nSize1=abc", s.Fonts[0].height == -23),
        KEY("[FONT]\nColor1=$000000FF", s.Fonts[0].color == 0xFF),
        KEY("[FONT]\nColor2=0x00FF00", s.Fonts[1].color == 0xFF00),
        KEY("[FONT]\nName1=", s.Fonts[0].faceName == "Current Left"),
        KEY("[DESKTOP]\nTheme=2\nClickThrough=1\nHoverOpaque=1\nHideInFullScreen=1",
            s.Theme == ThemeChoice::Dark && s.ClickThrough && s.HoverOpaque && s.HideInFullScreen),
        KEY("[REMINDER]\nChime=3\nChimeClock=2", // unnamed: the defaults
            s.Reminding.Chime == ChimeMode::Off && s.Reminding.ChimeClock == ReminderClock::Left),
        KEY("[REMINDER]\nChime=2\nWorkEnd=1\nQuietFrom=\nQuietTo=06:30",
            s.Reminding.Chime == ChimeMode::HalfHourly && s.Reminding.WorkEnd &&
                s.Reminding.QuietFrom.empty() && s.Reminding.QuietTo == "06:30"),
        // Bad numbers stay as they are, for the reminders' reader to report.
        KEY("[REMINDER]\nTime7=25:00\nDays7=300\nClock7=-1\nOn7=1",
            s.Reminders[6].Time == "25:00" && s.Reminders[6].Days == 300 &&
                s.Reminders[6].Clock == ReminderClock(-1) && s.Reminders[6].On),
        KEY("[DESKTOP]\nTheme=3", s.Theme == ThemeChoice::FollowWindows), // a later version's
        KEY("[DESKTOP]\nTheme=-1", s.Theme == ThemeChoice::FollowWindows),
        KEY("[DESKTOP]\nTheme=dark", s.Theme == ThemeChoice::FollowWindows),
        KEY("[DESKTOP]\nTheme=1", s.Theme == ThemeChoice::Light),
        KEY("[MODE]\nBlinkMode=1\n[MODE]\nSwingBlink=1",
            s.Display.BlinkMode == BlinkPairing::Simultaneous && s.Display.SwingBlink),
    };
    for (const auto& c : cases) {
        const SettingsReadResult result = ReadText(c.file);
        EXPECT_FALSE(result.error) << c.file;
        EXPECT_TRUE(c.check(result.settings)) << c.file;
    }
}

#undef KEY

TEST(SettingsRecord, LongFaceNamesAreCutWithoutSplittingACharacter) {
    const auto face = [](const std::string& name) {
        return ReadText("[FONT]\nName1=" + name).settings.Fonts[0].faceName;
    };
    EXPECT_EQ(face(std::string(40, 'A')), std::string(31, 'A'));
    std::string wide; // sixteen two-byte characters: the sixteenth would end at byte 32
    for (int i = 0; i < 16; ++i)
        wide += "ゴ";
    EXPECT_EQ(face(wide), wide.substr(0, 30));
    EXPECT_EQ(face("A" + wide), "A" + wide.substr(0, 30));
}

TEST(SettingsRecord, ABadColourIsReportedAfterEverythingIsRead) {
    const SettingsReadResult result = ReadText(
        "[FONT]\nColor1=clBlu\nSize1=20\nName2=Arial\nColor2=red\nStyle2=3\n[MODE]\nTitleMode=5\n");
    ASSERT_TRUE(result.error);
    EXPECT_EQ(Text(result.error->what()), "'clBlu' は整数ではありません"); // the first one
    const Settings& s = result.settings;
    EXPECT_EQ(s.Fonts[0].color, 0);
    EXPECT_EQ(s.Fonts[0].height, -33);
    EXPECT_EQ(s.Fonts[1].faceName, "Arial");
    EXPECT_EQ(s.Fonts[1].color, 0);
    EXPECT_EQ(s.Fonts[1].style, FontStyle::Bold | FontStyle::Italic);
    EXPECT_EQ(s.TitleMode, TitleSource::TitleString);
    ASSERT_TRUE(ReadText("[FONT]\nColor2=\n").error);
}

TEST(SettingsRecord, WritingTheDefaultsGivesTheReferenceFile) {
    const std::string golden = testing::ReadTestFile("golden/default_settings.ini");
    ASSERT_FALSE(golden.empty());
    ASSERT_FALSE(ReadText("").error);
    EXPECT_EQ(WriteOver("", ReadText("").settings), golden);
    EXPECT_EQ(ReadText(golden).settings, ReadText("").settings);
}

TEST(SettingsRecord, FilesWithoutTimeZonesReadAndWriteAsBefore) {
    std::string titled = testing::ReadTestFile("golden/e2e_title_mode5.ini");
    titled.replace(titled.find("@DIRECTORY@"), 11, "C:\\Velmora\\");
    for (const std::string& file : {testing::ReadTestFile("golden/default_settings.ini"), titled}) {
        ASSERT_FALSE(file.empty());
        const Settings read = ReadText(file).settings;
        EXPECT_TRUE(read.Sides[0].TimeZone.empty() && read.Sides[1].TimeZone.empty());
        EXPECT_EQ(WriteOver(file, read), file);
    }
}

TEST(SettingsRecord, OnlyTheRemindersInUseAreWrittenAndTheyReadBackWhole) {
    Settings s = ReadText("").settings;
    s.Reminders[0] = {true,
                      ReminderClock::Right,
                      "9:05",
                      0x3E,
                      "",
                      "会議=10分前, 資料", // '=' and ','
                      ReminderSound::File,
                      "C:\\Sounds\\bell.wav",
                      "2026/12/09 09:05"};
    s.Reminders[19] = {false, ReminderClock::Left, "23:59", 0, "2027/01/01", "", {}, "", ""};
    const std::string file = WriteOver("", s);
    const std::size_t section = file.find("[REMINDER]");
    ASSERT_NE(section, std::string::npos);
    EXPECT_EQ(file.substr(section),
              "[REMINDER]\r\nWorkEnd=0\r\nChime=0\r\nChimeClock=0\r\nQuietFrom=22:00\r\n"
              "QuietTo=07:00\r\nOn1=1\r\nClock1=1\r\nTime1=9:05\r\nDays1=62\r\nDate1=\r\n"
              "Message1=会議=10分前, 資料\r\nSound1=2\r\nSoundFile1=C:\\Sounds\\bell.wav\r\n"
              "Fired1=2026/12/09 09:05\r\nOn20=0\r\nClock20=0\r\nTime20=23:59\r\nDays20=0\r\n"
              "Date20=2027/01/01\r\nMessage20=\r\nSound20=0\r\nSoundFile20=\r\nFired20=\r\n\r\n");
    EXPECT_EQ(ReadText(file).settings, s);
    // A slot emptied in the program loses its keys when the file is written over.
    Settings emptied = s;
    emptied.Reminders[0] = {};
    EXPECT_EQ(WriteOver(file, emptied).find("Time1="), std::string::npos);
    EXPECT_EQ(ReadText(WriteOver(file, emptied)).settings, emptied);
}

TEST(SettingsRecord, ATimeZoneIsWrittenAfterItsSidesLocaleOnlyWhenSet) {
    const struct {
        const char* name;
        const char* old;
        const char *zone1, *zone2;
        const char* expectedData; // the written "DATA" section
    } cases[] = {
        {"right zone", "", "", "Central Standard Time",
         "[DATA]\r\nBoxName1=L\r\nDiffIndex1=59\r\nDateIndex1=0\r\nTimeIndex1=0\r\n"
         "LocaleID1=1041\r\nBoxName2=R\r\nDiffIndex2=77\r\nDateIndex2=0\r\nTimeIndex2=0\r\n"
         "LocaleID2=1041\r\nTimeZone2=Central Standard Time\r\n\r\n"},
        {"both zones", "", "Nepal Standard Time", "Tokyo Standard Time",
         "[DATA]\r\nBoxName1=L\r\nDiffIndex1=59\r\nDateIndex1=0\r\nTimeIndex1=0\r\n"
         "LocaleID1=1041\r\nTimeZone1=Nepal Standard Time\r\nBoxName2=R\r\nDiffIndex2=77\r\n"
         "DateIndex2=0\r\nTimeIndex2=0\r\nLocaleID2=1041\r\nTimeZone2=Tokyo Standard Time\r\n"
         "\r\n"},
        // The state goes into the earlier of two "DATA" sections, whose old
        // zone would otherwise be read back.
        {"no zone removes an old one",
         "[DATA]\nTimeZone1=Tokyo Standard Time\n[DATA]\nTimeZone2=x\n", "", "",
         "[DATA]\r\nBoxName1=L\r\nDiffIndex1=59\r\nDateIndex1=0\r\nTimeIndex1=0\r\n"
         "LocaleID1=1041\r\nBoxName2=R\r\nDiffIndex2=77\r\nDateIndex2=0\r\nTimeIndex2=0\r\n"
         "LocaleID2=1041\r\n\r\n"},
    };
    for (const auto& c : cases) {
        Settings s = ReadText("").settings;
        s.Sides[0].BoxName = "L";
        s.Sides[1].BoxName = "R";
        s.Sides[0].TimeZone = c.zone1;
        s.Sides[1].TimeZone = c.zone2;
        const std::string file = WriteOver(c.old, s);
        const std::size_t data = file.find("[DATA]");
        ASSERT_NE(data, std::string::npos) << c.name;
        EXPECT_EQ(file.substr(data, file.find('[', data + 1) - data), c.expectedData) << c.name;
        EXPECT_EQ(file.find("[DATA]", data + 1), std::string::npos) << c.name;
        EXPECT_EQ(ReadText(file).settings, s) << c.name;
    }
}

TEST(SettingsRecord, TimeZoneKeysAreReadTrimmedAndDefaultToNone) {
    const std::pair<const char*, const char*> cases[] = {
        {"[DATA]\nTimeZone2 = Central Standard Time \n", "Central Standard Time"},
        {"[data]\ntimezone2=Tokyo Standard Time\n", "Tokyo Standard Time"},
        {"[DATA]\nTimeZone2=\n", ""},
        {"[DATA]\nDiffIndex2=3\n", ""},
        {"[MODE]\nTimeZone2=Tokyo Standard Time\n", ""},
    };
    for (const auto& [file, zone] : cases) {
        const Settings read = ReadText(file).settings;
        EXPECT_EQ(read.Sides[1].TimeZone, zone) << file;
        EXPECT_EQ(read.Sides[0].TimeZone, "") << file;
    }
}

TEST(SettingsRecord, WrittenValuesReadBackUnchanged) {
    Settings s = ReadText("").settings;
    s.Placement = {2, 3, -8, -8, 100, 50, 900, 400};
    s.Split = 123;
    // Values no mode names go back as they came.
    s.WindowState = WindowShowState(7);
    s.Display.BlinkMode = BlinkPairing(-3);
    s.Progress.ProgressTime = ProgressClock(3);
    s.Sides[0] = {"", 0, 3, 4, 1033, ""};
    s.Sides[1] = {"ニューヨーク", 94, 1, 2, 2052, "Eastern Standard Time"};
    s.Display.SwingBlink = s.ViewMode = s.StayOnTop = s.AutoScale = true;
    s.ShowTitleBar = s.ShowMenuBar = s.ShowInTaskBar = s.SameFont = false;
    s.ViewRate = 44;
    s.TitleMode = TitleSource(9);
    s.TitleString = "表示";
    s.Progress.ProgressColor = ProgressColour(-1);
    s.Progress.ProgressFrom = "08:30";
    s.Progress.ProgressTo = "";
    s.Fonts[0] = {"Arial", 20, FontStyle::Bold | FontStyle::Underline,
                  static_cast<Color>(0xFF000008u)};
    s.Fonts[1] = {"ＭＳ 明朝", -20, FontStyle(0xF5), 0x00FF8000};
    const std::string file = WriteOver("", s);
    for (const char* line : {"\r\nSize1=-12\r\n", "\r\nSize2=12\r\n", "\r\nColor1=clWindowText\r\n",
                             "\r\nColor2=$00FF8000\r\n", "\r\nBoxName1=\r\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
    EXPECT_EQ(ReadText(file).settings, s);
}

TEST(SettingsRecord, WritingKeepsWhatIsNotTheClocks) {
    // expectedStart: the written file up to the state sections
    const struct {
        const char *name, *old;
        bool saveStatus;
        const char* expectedStart;
    } cases[] = {
        {"foreign section and key survive, comments do not",
         "; comment\n[PROGRAM]\nNote=x\nversion=V1.0\n[USER]\nA = 1\n;c\n", true,
         "[PROGRAM]\r\nNote=x\r\nVersion=V1.7\r\nName=Velmora.exe\r\nPath=C:\\Velmora\\\r\n\r\n"
         "[USER]\r\nA=1\r\n\r\n[POSITION]\r\n"},
        {"owned sections move behind foreign ones",
         "[FONT]\nName1=x\n[OPTION]\nX=1\n[USER]\n[POSITION]\nLeft=1\n", true,
         "[USER]\r\n\r\n[PROGRAM]\r\nName=Velmora.exe\r\n"},
        {"save state off leaves PROGRAM and foreign sections",
         "[PROGRAM]\nNote=x\n[POSITION]\nLeft=1\n[DATA]\n[USER]\nA=1\n[MODE]\n[FONT]\n[OPTION]\n",
         false,
         "[PROGRAM]\r\nNote=x\r\nName=Velmora.exe\r\nPath=C:\\Velmora\\\r\nVersion=V1.7\r\n\r\n"
         "[USER]\r\nA=1\r\n\r\n"},
        {"save state off erases every copy of a repeated section",
         "[MODE]\nTitleMode=3\n[MODE]\nTitleMode=4\n", false,
         "[PROGRAM]\r\nName=Velmora.exe\r\nPath=C:\\Velmora\\\r\nVersion=V1.7\r\n\r\n"},
    };
    for (const auto& c : cases) {
        Settings s = ReadText("").settings;
        s.SaveStatus = c.saveStatus;
        const std::string written = WriteOver(c.old, s);
        EXPECT_EQ(written.substr(0, std::string_view(c.expectedStart).size()), c.expectedStart)
            << c.name << "\n"
            << written;
        if (!c.saveStatus) {
            EXPECT_EQ(written, c.expectedStart) << c.name;
            EXPECT_EQ(ReadText(written).settings, ReadText("").settings);
        }
    }
}

TEST(SettingsRecord, TwoModeSectionsBecomeOneInThePlaceOfTheFirst) {
    const char* old = "[MODE]\nTitleMode=3\nExtra=1\n[USER]\n[MODE]\nTitleMode=4\n";
    Settings s = ReadText(old).settings;
    EXPECT_EQ(s.TitleMode, TitleSource::RightClock); // the second is read
    s.TitleMode = TitleSource::PcTime;
    const std::string written = WriteOver(old, s);
    EXPECT_EQ(written.find("[MODE]", 1), std::string::npos);
    EXPECT_EQ(written.substr(0, 39), "[MODE]\r\nTitleMode=2\r\nExtra=1\r\nBlinkMode");
    EXPECT_EQ(ReadText(written).settings, s);
}

TEST(SettingsRecord, TheExecutableSplitsIntoNameAndDirectory) {
    const struct {
        const char *path, *directory, *name;
    } cases[] = {
        {"C:\\Velmora\\Velmora.exe", "C:\\Velmora\\", "Velmora.exe"},
        {"C:Velmora.exe", "C:", "Velmora.exe"},
        {"Velmora.exe", "", "Velmora.exe"},
        {"\\\\server\\share\\v.exe", "\\\\server\\share\\", "v.exe"},
        // "表" ends in 0x5C, which is no separator inside the character.
        {"C:\\表\\時計表.exe", "C:\\表\\", "時計表.exe"},
        {"C:\\dir\\", "C:\\dir\\", ""},
    };
    for (const auto& c : cases) {
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.directory, c.directory) << c.path;
        EXPECT_EQ(parts.fileName, c.name) << c.path;
    }
}

} // namespace
} // namespace velmora
