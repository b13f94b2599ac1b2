#include <gtest/gtest.h>

#include "settings/settings_keys.h"
#include "settings_test_support.h"

namespace velmora {
namespace {

using testing::FixedWindow;
using testing::ReadTestFile;
using testing::ReadText;
using testing::WriteOver;

TEST(SettingsRecord, AnEmptyFileGivesEveryDefault) {
    const SettingsReadResult result = ReadText("");
    ASSERT_FALSE(result.error);
    const Settings& s = result.settings;
    // Centred at the design size.
    EXPECT_EQ(s.placement.flags, 0);
    EXPECT_EQ(s.placement.showCmd, 1);
    EXPECT_EQ(s.placement.maxX, -1);
    EXPECT_EQ(s.placement.left, 640);
    EXPECT_EQ(s.placement.top, 440);
    EXPECT_EQ(s.placement.right, 1280);
    EXPECT_EQ(s.placement.bottom, 640);
    EXPECT_EQ(s.split, (624 - 8) / 2 + 1);
    EXPECT_EQ(s.windowState, 0);
    EXPECT_EQ(s.sides[0].boxName, "昭和基地");
    EXPECT_EQ(s.sides[0].diffIndex, 59);
    EXPECT_EQ(s.sides[1].boxName, "ヒューストン");
    EXPECT_EQ(s.sides[1].diffIndex, 77);
    EXPECT_EQ(s.sides[1].localeId, 1041);
    EXPECT_EQ(s.viewRate, 255);
    EXPECT_EQ(s.titleMode, 1);
    EXPECT_EQ(s.titleString, "走れブリッツェン");
    EXPECT_TRUE(s.showTitleBar && s.showMenuBar && s.showInTaskBar && s.saveStatus);
    EXPECT_FALSE(s.stayOnTop || s.viewMode || s.swingBlink || s.autoScale);
    EXPECT_TRUE(s.sameFont);
    EXPECT_EQ(s.progressFrom, "09:00");
    EXPECT_EQ(s.progressTo, "17:00");
    for (const FontSettings& font : s.fonts) {
        EXPECT_EQ(font.faceName, "ＭＳ ゴシック");
        EXPECT_EQ(font.height, -19); // 14 points at 96 pixels per inch
        EXPECT_EQ(font.style, 0);
        EXPECT_EQ(font.color, 0);
    }
}

TEST(SettingsRecord, TheSplitDefaultFollowsTheClientWidth) {
    struct Case {
        std::int32_t clientWidth, split;
    };
    for (const Case c : {Case{624, 309}, Case{625, 309}, Case{8, 1}, Case{0, -3}, Case{3, -1}}) {
        WindowEnvironment window = FixedWindow();
        window.clientWidth = c.clientWidth;
        EXPECT_EQ(ReadText("", window).settings.split, c.split) << c.clientWidth;
        EXPECT_EQ(DefaultSplit(c.clientWidth), c.split);
    }
}

TEST(SettingsRecord, FarEdgesDefaultFromTheNearEdgesAsRead) {
    const Settings s = ReadText("[POSITION]\nLeft=10\nTop=20\n").settings;
    EXPECT_EQ(s.placement.right, 650);
    EXPECT_EQ(s.placement.bottom, 220);
    // A huge edge wraps like 32-bit window arithmetic instead of overflowing.
    const Settings far = ReadText("[POSITION]\nLeft=2147483647\n").settings;
    EXPECT_EQ(far.placement.right, -2147483647 - 1 + 639);
}

struct KeyCase {
    const char* file;
    bool (*check)(const Settings&);
};

TEST(SettingsRecord, KeysReadAsTheirTypesSay) {
    const KeyCase cases[] = {
        {"[mode]\nblinkmode=2", [](const Settings& s) { return s.blinkMode == 2; }},
        {"[MODE]\nViewRate=300", [](const Settings& s) { return s.viewRate == 44; }},
        {"[MODE]\nViewRate=abc", [](const Settings& s) { return s.viewRate == 255; }},
        {"[MODE]\nSaveStatus=0", [](const Settings& s) { return !s.saveStatus; }},
        {"[MODE]\nStayOnTop=2", [](const Settings& s) { return s.stayOnTop; }},
        {"[MODE]\nShowMenuBar=yes", [](const Settings& s) { return s.showMenuBar; }},
        {"[MODE]\nTitleString=", [](const Settings& s) { return s.titleString.empty(); }},
        {"[MODE]\nProgressFrom=25:99", [](const Settings& s) { return s.progressFrom == "25:99"; }},
        {"[POSITION]\nstate=2", [](const Settings& s) { return s.windowState == 2; }},
        {"[POSITION]\nShowCmd=3", [](const Settings& s) { return s.placement.showCmd == 3; }},
        {"[POSITION]\nSplit=100", [](const Settings& s) { return s.split == 100; }},
        {"[DATA]\nBoxName1=", [](const Settings& s) { return s.sides[0].boxName.empty(); }},
        {"[DATA]\nBoxName1 = 南極 ",
         [](const Settings& s) { return s.sides[0].boxName == "南極"; }},
        {"[DATA]\nDiffIndex2=500", [](const Settings& s) { return s.sides[1].diffIndex == 500; }},
        {"[DATA]\nLocaleID1=$409", [](const Settings& s) { return s.sides[0].localeId == 1033; }},
        {"[FONT]\nStyle1=5", [](const Settings& s) { return s.fonts[0].style == 5; }},
        {"[FONT]\nStyle1=256", [](const Settings& s) { return s.fonts[0].style == 0; }},
        {"[FONT]\nSize2=-15", [](const Settings& s) { return s.fonts[1].height == 20; }},
        {"[FONT]\nSize1=abc", [](const Settings& s) { return s.fonts[0].height == -19; }},
        {"[FONT]\nColor1=$000000FF", [](const Settings& s) { return s.fonts[0].color == 0xFF; }},
        {"[FONT]\nColor2=0x00FF00", [](const Settings& s) { return s.fonts[1].color == 0xFF00; }},
        {"[FONT]\nName1=", [](const Settings& s) { return s.fonts[0].faceName == "Current Left"; }},
        {"[FONT]\nName2=Arial", [](const Settings& s) { return s.fonts[1].faceName == "Arial"; }},
        {"[MODE]\nBlinkMode=1\n[MODE]\nSwingBlink=1",
         [](const Settings& s) { return s.blinkMode == 0 && s.swingBlink; }},
    };
    for (const KeyCase& c : cases) {
        const SettingsReadResult result = ReadText(c.file);
        EXPECT_FALSE(result.error) << c.file;
        EXPECT_TRUE(c.check(result.settings)) << c.file;
    }
}

TEST(SettingsRecord, LongFaceNamesAreCutWithoutSplittingACharacter) {
    const std::string ascii(40, 'A');
    EXPECT_EQ(ReadText("[FONT]\nName1=" + ascii).settings.fonts[0].faceName, ascii.substr(0, 31));
    // Sixteen two-byte characters: the sixteenth would end at byte 32.
    std::string wide;
    for (int i = 0; i < 16; ++i)
        wide += "ゴ";
    const Text cut = ReadText("[FONT]\nName1=" + wide).settings.fonts[0].faceName;
    EXPECT_EQ(cut, wide.substr(0, 30));
    EXPECT_EQ(ReadText("[FONT]\nName1=A" + wide).settings.fonts[0].faceName,
              "A" + wide.substr(0, 30));
}

TEST(SettingsRecord, ABadColourIsReportedAfterEverythingIsRead) {
    const SettingsReadResult result =
        ReadText("[FONT]\nColor1=clBlu\nSize1=20\nName2=Arial\nColor2=red\nStyle2=3\n"
                 "[MODE]\nTitleMode=5\n");
    ASSERT_TRUE(result.error);
    EXPECT_EQ(Text(result.error->what()), "'clBlu' は整数ではありません"); // the first one
    const Settings& s = result.settings;
    EXPECT_EQ(s.fonts[0].color, 0);
    EXPECT_EQ(s.fonts[0].height, FontHeightFromSize(20, 96));
    EXPECT_EQ(s.fonts[1].faceName, "Arial");
    EXPECT_EQ(s.fonts[1].color, 0);
    EXPECT_EQ(s.fonts[1].style, 3);
    EXPECT_EQ(s.titleMode, 5);

    const SettingsReadResult empty = ReadText("[FONT]\nColor2=\n");
    ASSERT_TRUE(empty.error);
    EXPECT_EQ(Text(empty.error->what()), "'' は整数ではありません");
}

TEST(SettingsRecord, WritingTheDefaultsGivesTheReferenceFile) {
    const std::string golden = ReadTestFile("golden/default_settings.ini");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(WriteOver("", ReadText("").settings), golden);
    // And reading the reference back gives the same record.
    EXPECT_EQ(ReadText(golden).settings, ReadText("").settings);
}

TEST(SettingsRecord, WrittenValuesReadBackUnchanged) {
    Settings s = ReadText("").settings;
    s.placement = {2, 3, -8, -8, 100, 50, 900, 400};
    s.split = 123;
    s.windowState = 2;
    s.sides[0] = {"", 0, 3, 4, 1033};
    s.sides[1] = {"ニューヨーク", 94, 1, 2, 2052};
    s.blinkMode = 2;
    s.swingBlink = s.viewMode = s.stayOnTop = s.autoScale = true;
    s.showTitleBar = s.showMenuBar = s.showInTaskBar = s.sameFont = false;
    s.viewRate = 44;
    s.titleMode = 5;
    s.titleString = "表示";
    s.progressTime = 2;
    s.progressColor = 1;
    s.progressFrom = "08:30";
    s.progressTo = "";
    s.fonts[0] = {"Arial", 20, 5, static_cast<Color>(0xFF000008u)};
    s.fonts[1] = {"ＭＳ 明朝", -19, 15, 0x00FF8000};
    const std::string file = WriteOver("", s);
    EXPECT_NE(file.find("\r\nSize1=-15\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nColor1=clWindowText\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nColor2=$00FF8000\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\nBoxName1=\r\n"), std::string::npos);
    EXPECT_EQ(ReadText(file).settings, s);
}

struct WriteCase {
    const char* name;
    const char* old;
    bool saveStatus;
    const char* expectedStart; // the written file up to the state sections
};

TEST(SettingsRecord, WritingKeepsWhatIsNotTheClocks) {
    const WriteCase cases[] = {
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
    };
    for (const WriteCase& c : cases) {
        Settings s = ReadText("").settings;
        s.saveStatus = c.saveStatus;
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
    EXPECT_EQ(ReadText(old).settings.titleMode, 4); // the second is read
    Settings s = ReadText(old).settings;
    s.titleMode = 2;
    const std::string written = WriteOver(old, s);
    EXPECT_EQ(written.find("[MODE]"), 0u);
    EXPECT_EQ(written.find("[MODE]", 1), std::string::npos);
    EXPECT_EQ(written.substr(0, 39), "[MODE]\r\nTitleMode=2\r\nExtra=1\r\nBlinkMode");
    EXPECT_EQ(ReadText(written).settings, s);
}

TEST(SettingsRecord, SaveStateOffErasesEveryCopyOfARepeatedSection) {
    Settings s = ReadText("").settings;
    s.saveStatus = false;
    const std::string written = WriteOver("[MODE]\nTitleMode=3\n[MODE]\nTitleMode=4\n", s);
    EXPECT_EQ(written.find("[MODE]"), std::string::npos);
    EXPECT_EQ(ReadText(written).settings.titleMode, 1);
}

TEST(SettingsRecord, TheExecutableSplitsIntoNameAndDirectory) {
    struct Case {
        const char* path;
        const char* directory;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\Velmora\\Velmora.exe", "C:\\Velmora\\", "Velmora.exe"},
        {"C:Velmora.exe", "C:", "Velmora.exe"},
        {"Velmora.exe", "", "Velmora.exe"},
        {"\\\\server\\share\\v.exe", "\\\\server\\share\\", "v.exe"},
        // "表" ends in 0x5C, which is no separator inside the character.
        {"C:\\表\\時計表.exe", "C:\\表\\", "時計表.exe"},
        {"C:\\dir\\", "C:\\dir\\", ""},
    };
    for (const Case& c : cases) {
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.directory, c.directory) << c.path;
        EXPECT_EQ(parts.fileName, c.name) << c.path;
    }
}

} // namespace
} // namespace velmora
