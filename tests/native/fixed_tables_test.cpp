// The clock's fixed tables, each entry written out here by hand.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "engine/language_table.h"
#include "engine/pattern_lists.h"
#include "settings/color_names.h"
#include "settings/settings_keys.h"

namespace velmora {
namespace {

Text Joined(const std::vector<Text>& list) {
    Text joined;
    for (const Text& entry : list)
        joined += entry + "|";
    return joined;
}

TEST(FixedTables, PatternListsAfterTheTwoLocaleEntries) {
    ClockSide side;
    side.FormatSettings.ShortTimePattern = "s";
    side.FormatSettings.LongTimePattern = "l";
    side.DatePatternList = {"stale"};
    BuildPatternLists(side);
    EXPECT_EQ(Joined(side.DatePatternList),
              "ddddd|dddddd|m/d|m/d(ddd)|m/d(dddd)|mm/dd|mm/dd(ddd)|mm/dd(dddd)|mmm/dd|mmm/dd(ddd)|"
              "mmm/dd(dddd)|yy/mm/dd|yy/mm/dd(ddd)|yy/mm/dd(dddd)|yy/mmm/dd|yy/mmm/dd(ddd)|"
              "yy/mmm/dd(dddd)|yy/mmmm/dd|yy/mmmm/dd(ddd)|yy/mmmm/dd(dddd)|yyyy/mm/dd|"
              "yyyy/mm/dd(ddd)|yyyy/mm/dd(dddd)|yyyy/mmm/dd|yyyy/mmm/dd(ddd)|yyyy/mmm/dd(dddd)|"
              "yyyy/mmmm/dd|yyyy/mmmm/dd(ddd)|yyyy/mmmm/dd(dddd)|ggge年m月d日|"
              "ggge年m月d日(ddd)|ggge年m月d日(dddd)|");
    EXPECT_EQ(Joined(side.TimePatternList),
              "s|l|h:nn|hh:nn|AM/PM h:nn|AM/PM hh:nn|ampm h:nn|ampm hh:nn|");
}

TEST(FixedTables, ColourNamesInTheirOrderWithTheirValues) {
    // System colours are 0xFF000000 plus their index.
    const Text expected =
        "clBlack=00000000 clMaroon=00000080 clGreen=00008000 clOlive=00008080 clNavy=00800000 "
        "clPurple=00800080 clTeal=00808000 clGray=00808080 clSilver=00C0C0C0 clRed=000000FF "
        "clLime=0000FF00 clYellow=0000FFFF clBlue=00FF0000 clFuchsia=00FF00FF "
        "clAqua=00FFFF00 clWhite=00FFFFFF clMoneyGreen=00C0DCC0 clSkyBlue=00F0CAA6 "
        "clCream=00F0FBFF clMedGray=00A4A0A0 clActiveBorder=FF00000A clActiveCaption=FF000002 "
        "clAppWorkSpace=FF00000C clBackground=FF000001 clBtnFace=FF00000F "
        "clBtnHighlight=FF000014 clBtnShadow=FF000010 clBtnText=FF000012 "
        "clCaptionText=FF000009 clDefault=20000000 clGradientActiveCaption=FF00001B "
        "clGradientInactiveCaption=FF00001C clGrayText=FF000011 clHighlight=FF00000D "
        "clHighlightText=FF00000E clHotLight=FF00001A clInactiveBorder=FF00000B "
        "clInactiveCaption=FF000003 clInactiveCaptionText=FF000013 clInfoBk=FF000018 "
        "clInfoText=FF000017 clMenu=FF000004 clMenuBar=FF00001E clMenuHighlight=FF00001D "
        "clMenuText=FF000007 clNone=1FFFFFFF clScrollBar=FF000000 cl3DDkShadow=FF000015 "
        "cl3DLight=FF000016 clWindow=FF000005 clWindowFrame=FF000006 clWindowText=FF000008 ";
    Text table;
    for (const ColorName& entry : ColorNames()) {
        char value[16];
        std::snprintf(value, sizeof value, "%08X", static_cast<unsigned>(entry.value));
        table += Text(entry.name) + "=" + value + " ";
        EXPECT_EQ(ParseColor(entry.name, 1), entry.value) << entry.name;
        EXPECT_EQ(ColorText(entry.value), entry.name);
    }
    EXPECT_EQ(table, expected);
}

TEST(FixedTables, LanguageRowsAndTheirIdentifiers) {
    const char* const lines[] = {
        "アラビア語,1025",   "ブルガリア語,1026", "カタロニア語,1027",   "中国語(台湾),1028",
        "チェコ語,1029",     "デンマーク語,1030", "ドイツ語,1031",       "ギリシャ語,1032",
        "英語,1033",         "スペイン語,1034",   "フィンランド語,1035", "フランス語,1036",
        "ヘブライ語,1037",   "ハンガリー語,1038", "アイスランド語,1039", "イタリア語,1040",
        "日本語,1041",       "韓国語,1042",       "オランダ語,1043",     "ノルウェー語,1044",
        "ポーランド語,1045", "ポルトガル語,1046", "レトロマン語,1047",   "ルーマニア語,1048",
        "ロシア語,1049",     "スロバキア語,1051", "アルバニア語,1052",   "スウェーデン語,1053",
        "タイ語,1054",       "トルコ語,1055",     "ベトナム語,1066",     "中国語,2052"};
    for (int row = 0; row < LanguageRowCount; ++row) {
        EXPECT_EQ(Text(LanguageTable[row]), lines[row]);
        const std::int32_t lcid = std::atoi(std::strchr(lines[row], ',') + 1);
        EXPECT_EQ(LanguageRowToLcid(row), lcid) << row;
        EXPECT_EQ(LanguageLcidToRow(lcid), row) << row;
    }
    for (std::int32_t lcid : {0, 1050, 1056, -1041})
        EXPECT_FALSE(LanguageLcidToRow(lcid).has_value()) << lcid;
    EXPECT_EQ(LanguageRowToLcid(-1), 1041);
    EXPECT_EQ(LanguageRowToLcid(LanguageRowCount), 1041);
}

TEST(FixedTables, KeysInTheirSectionsWithTheirDefaults) {
    // Section, then each key as name=default; the window supplies the
    // placement defaults and "PROGRAM" is never read.
    const Text expected =
        "PROGRAM Name= Path= Version= "
        "POSITION Flags= ShowCmd= MaxX= MaxY= Left= Top= Right= Bottom= Split= State= "
        "DATA BoxName1=昭和基地 DiffIndex1=59 DateIndex1=0 TimeIndex1=0 LocaleID1=1041 "
        "TimeZone1= BoxName2=ヒューストン DiffIndex2=77 DateIndex2=0 TimeIndex2=0 "
        "LocaleID2=1041 TimeZone2= "
        "MODE BlinkMode=0 SwingBlink=0 ViewMode=0 ViewRate=255 StayOnTop=0 TitleMode=1 "
        "TitleString=走れブリッツェン ShowTitleBar=1 ShowMenuBar=1 ShowInTaskBar=1 "
        "SaveStatus=1 ProgressTime=0 ProgressColor=0 ProgressFrom=09:00 ProgressTo=17:00 "
        "FONT AutoScale=0 SameFont=1 Name1=ＭＳ ゴシック Size1=14 Style1=0 Color1=clBlack "
        "Name2=ＭＳ ゴシック Size2=14 Style2=0 Color2=clBlack "
        "DESKTOP Theme=0 ClickThrough=0 HoverOpaque=0 HideInFullScreen=0 "
        "REMINDER WorkEnd=0 Chime=0 ChimeClock=0 QuietFrom=22:00 QuietTo=07:00 ";
    // Then each reminder slot's keys, numbered from 1.
    Text slots;
    for (int n = 1; n <= 20; ++n) {
        const Text i = std::to_string(n);
        slots += "On" + i + "=0 Clock" + i + "=0 Time" + i + "= Days" + i + "=127 Date" + i +
                 "= Message" + i + "= Sound" + i + "=1 SoundFile" + i + "= Fired" + i + "= ";
    }
    Text keys;
    std::string_view section;
    for (const SettingKeyInfo& info : SettingKeys()) {
        if (info.section != section)
            keys += Text(info.section) + " ";
        section = info.section;
        keys += Text(info.name) + "=" + Text(info.fixedDefault) + " ";
    }
    EXPECT_EQ(keys, expected + slots);
}

} // namespace
} // namespace velmora
