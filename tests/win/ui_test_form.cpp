// The main window in process: its labels, caption, toggles, layout, fonts
// and settings files, with a set clock and files in memory.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "engine/pattern_lists.h"
#include "ui/form_logic.h"
#include "ui/resource.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using testing::ChildRect;
using testing::FormFixture;
using testing::Height;
using testing::MenuChecked;
using testing::TestExecutable;
using testing::TestIni;
using testing::TestInstant;
using testing::Width;
using testing::WindowText;

// Both clocks on fixed patterns: "yyyy/mm/dd(ddd)" and "hh:nn".
std::string FixedPatternFile(int blinkMode, int leftLocale = 1033) {
    return "[DATA]\r\nDateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=" + std::to_string(leftLocale) +
           "\r\nDateIndex2=21\r\nTimeIndex2=3\r\n[MODE]\r\nBlinkMode=" + std::to_string(blinkMode) +
           "\r\n";
}

Text LabelText(const TForm1& form, int index) {
    return WindowText(form.Label(index).Handle());
}

class FormTest : public ::testing::Test, public FormFixture {};

TEST_F(FormTest, LabelsShowBothClocksAtTheSetInstant) {
    struct Case {
        int second;
        int blinkMode;
        Text leftTime;
        Text rightTime;
    };
    const Case cases[] = {
        {57, 0, "06:34", "21:34"},                            // odd second: separators shown
        {58, 0, "06 34", "21 34"},                            // even: both blank
        {57, 1, "06:34", "21 34"},                            // alternate
        {58, 1, "06 34", "21:34"}, {58, 2, "06:34", "21:34"}, // no blink
    };
    for (const Case& c : cases) {
        clock.now = TestInstant(c.second);
        TForm1& window = Start(FixedPatternFile(c.blinkMode));
        EXPECT_EQ(LabelText(window, 0), "2024/03/05(Tue)");
        EXPECT_EQ(LabelText(window, 1), c.leftTime) << c.second << " " << c.blinkMode;
        EXPECT_EQ(LabelText(window, 2), "2024/03/04(月)");
        EXPECT_EQ(LabelText(window, 3), c.rightTime) << c.second << " " << c.blinkMode;
        EXPECT_TRUE(errors.messages.empty());
    }
}

TEST_F(FormTest, TheNextTickFollowsTheClock) {
    TForm1& window = Start(FixedPatternFile(0));
    clock.now = TestInstant(58) + 30.0 / 1440; // half an hour later, even second
    window.Timer1Timer();
    EXPECT_EQ(LabelText(window, 1), "07 04");
    EXPECT_EQ(LabelText(window, 3), "22 04");
}

TEST_F(FormTest, CaptionAndTaskbarTextPerTitleMode) {
    struct Case {
        std::string mode;
        Text caption;
    };
    const Case cases[] = {
        {"TitleMode=1\r\n", "Velmora"},
        {"TitleMode=2\r\n", "3/5 12:34"},
        {"TitleMode=3\r\n", "3/5 06:34 昭和基地"},
        {"TitleMode=4\r\n", "3/4 21:34 ヒューストン"},
        {"TitleMode=5\r\nTitleString=走れ&ブリッツェン\r\n", "走れ&ブリッツェン"},
        {"TitleMode=5\r\n", "走れブリッツェン"},
        {"TitleMode=9\r\n", "Velmora"}, // unknown: left as created
    };
    for (const Case& c : cases) {
        TForm1& window = Start("[MODE]\r\n" + c.mode);
        EXPECT_EQ(WindowText(window.Handle()), c.caption) << c.mode;
        EXPECT_EQ(WindowText(window.ApplicationHandle()), c.caption) << c.mode;
    }
}

TEST_F(FormTest, TitleStringStaysWhileTheClockTicks) {
    TForm1& window = Start("[MODE]\r\nTitleMode=5\r\nTitleString=x\r\n");
    SetWindowTextW(window.Handle(), L"changed");
    window.Timer1Timer();
    EXPECT_EQ(WindowText(window.Handle()), "changed");
}

TEST_F(FormTest, TogglePairsFollowTheFile) {
    struct Case {
        std::string mode;
        bool titleBar, menuBar, taskBar, saveStatus;
    };
    const Case cases[] = {
        {"", true, true, true, true},
        {"ShowTitleBar=0\r\n", false, true, true, true},
        {"ShowMenuBar=0\r\n", true, false, true, true},
        {"ShowInTaskBar=0\r\n", true, true, false, true},
        {"SaveStatus=0\r\n", true, true, true, false},
        {"ShowTitleBar=0\r\nShowMenuBar=0\r\nShowInTaskBar=0\r\nSaveStatus=0\r\n", false, false,
         false, false},
    };
    for (const Case& c : cases) {
        TForm1& window = Start("[MODE]\r\n" + c.mode);
        const HMENU main = window.MainMenu();
        const HMENU popup = window.PopupMenu();
        for (const auto& [mainId, popupId, expected] :
             {std::tuple{ID_SHOWTITLEBAR1, ID_SHOWTITLEBAR2, c.titleBar},
              std::tuple{ID_SHOWMENUBAR1, ID_SHOWMENUBAR2, c.menuBar},
              std::tuple{ID_SHOWINTASKBAR1, ID_SHOWINTASKBAR2, c.taskBar},
              std::tuple{ID_ISSAVESTATUS, ID_ISSAVESTATUS2, c.saveStatus}}) {
            EXPECT_EQ(MenuChecked(main, mainId), expected) << c.mode << mainId;
            EXPECT_EQ(MenuChecked(popup, popupId), expected) << c.mode << popupId;
        }
        const LONG_PTR style = GetWindowLongPtrW(window.Handle(), GWL_STYLE);
        EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, c.titleBar) << c.mode;
        EXPECT_EQ((style & WS_THICKFRAME) != 0, c.titleBar) << c.mode;
        EXPECT_EQ(GetMenu(window.Handle()) != nullptr, c.menuBar) << c.mode;
        EXPECT_EQ(IsWindowVisible(window.ApplicationHandle()) != FALSE, c.taskBar) << c.mode;
    }
}

TEST_F(FormTest, MenuAndPopupItemsToggleOneState) {
    TForm1& window = Start("");
    const HWND handle = window.Handle();
    // A main-menu click, then the pop-up twin: back where it started.
    for (const auto& [mainId, popupId] : {std::pair{ID_SHOWTITLEBAR1, ID_SHOWTITLEBAR2},
                                          std::pair{ID_SHOWMENUBAR1, ID_SHOWMENUBAR2},
                                          std::pair{ID_SHOWINTASKBAR1, ID_SHOWINTASKBAR2},
                                          std::pair{ID_ISSAVESTATUS, ID_ISSAVESTATUS2}}) {
        SendMessageW(handle, WM_COMMAND, static_cast<WPARAM>(mainId), 0);
        EXPECT_FALSE(MenuChecked(window.MainMenu(), mainId)) << mainId;
        EXPECT_FALSE(MenuChecked(window.PopupMenu(), popupId)) << popupId;
        SendMessageW(handle, WM_COMMAND, static_cast<WPARAM>(popupId), 0);
        EXPECT_TRUE(MenuChecked(window.MainMenu(), mainId)) << mainId;
        EXPECT_TRUE(MenuChecked(window.PopupMenu(), popupId)) << popupId;
    }
}

TEST_F(FormTest, HidingTheMenuBarAndBringingItBack) {
    TForm1& window = Start("");
    const HWND handle = window.Handle();
    const int frameHeight = Height(ChildRect(window.Frame(0).Handle()));
    window.ShowMenuBar2Click();
    EXPECT_EQ(GetMenu(handle), nullptr);
    // The clocks take the bar's place.
    EXPECT_GT(Height(ChildRect(window.Frame(0).Handle())), frameHeight);
    window.ShowMenuBar2Click();
    const HMENU menu = GetMenu(handle);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const wchar_t* captions[] = {L"ファイル(&F)", L"オプション(&O)", L"ヘルプ(&H)"};
    for (int i = 0; i < 3; ++i) {
        wchar_t text[64]{};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        EXPECT_EQ(FromWide(text), FromWide(captions[i])) << i;
    }
    EXPECT_EQ(Height(ChildRect(window.Frame(0).Handle())), frameHeight);
}

TEST_F(FormTest, PopupMenuHasThreeColumns) {
    TForm1& window = Start("");
    const HMENU popup = window.PopupMenu();
    std::vector<UINT> breaks;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID;
        GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_MENUBARBREAK)
            breaks.push_back(item.wID);
    }
    EXPECT_EQ(breaks, (std::vector<UINT>{ID_SETTING2, ID_HELP22}));
    // Save is disabled in the main menu only.
    EXPECT_TRUE(GetMenuState(window.MainMenu(), ID_SAVE1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(popup, ID_SAVE2, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(FormTest, FramesCarryTheClockNames) {
    TForm1& window = Start("[DATA]\r\nBoxName1=\r\nBoxName2=A&B\r\n");
    EXPECT_EQ(WindowText(window.Frame(0).Handle()), "");
    EXPECT_EQ(WindowText(window.Frame(1).Handle()), "A&B");
    TForm1& defaults = Start("");
    EXPECT_EQ(WindowText(defaults.Frame(0).Handle()), "昭和基地");
    EXPECT_EQ(WindowText(defaults.Frame(1).Handle()), "ヒューストン");
}

// Sets the window's client area so that the frames are `frameHeight` high.
void SetFrameHeight(TForm1& window, int frameHeight) {
    RECT outer{}, client{};
    GetWindowRect(window.Handle(), &outer);
    GetClientRect(window.Handle(), &client);
    const int extra = Height(outer) - client.bottom;
    SetWindowPos(window.Handle(), nullptr, 0, 0, Width(outer), frameHeight + 4 + extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(FormTest, LabelHeightsAfterResize) {
    TForm1& window = Start("");
    for (const int frameHeight : {83, 60, 120, 200}) {
        SetFrameHeight(window, frameHeight);
        window.FormResize();
        ASSERT_EQ(Height(ChildRect(window.Frame(0).Handle())), frameHeight);
        const int top = window.LabelTop();
        const int date = (frameHeight - top) * 2 / 5;
        for (const int side : {0, 2}) {
            const RECT dateRect = ChildRect(window.Label(side).Handle());
            const RECT timeRect = ChildRect(window.Label(side + 1).Handle());
            EXPECT_EQ(dateRect.top, top) << frameHeight;
            EXPECT_EQ(Height(dateRect), date) << frameHeight;
            EXPECT_EQ(timeRect.top, top + date) << frameHeight;
            EXPECT_EQ(timeRect.bottom, frameHeight - 2) << frameHeight;
        }
    }
}

TEST_F(FormTest, FirstResizeAfterAReadOnlySetsLabelHeights) {
    TForm1& window = Start("[FONT]\r\nAutoScale=1\r\n");
    EXPECT_FALSE(window.ResizeArmed());
    const HFONT before = window.Label(0).FontHandle();
    window.FormResize();
    EXPECT_TRUE(window.ResizeArmed());
    EXPECT_EQ(window.Label(0).FontHandle(), before);
}

LONG CreatedHeight(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof description, &description);
    return description.lfHeight;
}

TEST_F(FormTest, AdjustFontSizeFollowsTheFrameHeight) {
    TForm1& window = Start("[FONT]\r\nAutoScale=1\r\nStyle1=3\r\nColor1=clRed\r\n");
    for (const auto& [frameHeight, cell] : {std::pair{60, 20}, {62, 20}, {63, 21}}) {
        SetFrameHeight(window, frameHeight);
        window.AdjustFontSize();
        for (int label = 0; label < 4; ++label) {
            EXPECT_EQ(window.Label(label).Font().height, cell) << frameHeight << " " << label;
            EXPECT_EQ(CreatedHeight(window.Label(label).FontHandle()), cell) << frameHeight;
        }
        // The face and the left clock's style and colour stay.
        EXPECT_EQ(window.Label(1).Font(), (FontSettings{"ＭＳ ゴシック", cell, 3, 0x0000FF}));
        EXPECT_EQ(window.Label(3).Font(), (FontSettings{"ＭＳ ゴシック", cell, 0, 0}));
    }
}

// Resizes the window to `width` with the mouse at `cursor` (window
// coordinates), as a drag of one of its borders does.
void DragTo(TForm1& window, POINT cursor, int width) {
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    SetCursorPos(outer.left + cursor.x, outer.top + cursor.y);
    SetWindowPos(window.Handle(), nullptr, 0, 0, width, Height(outer),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int FrameWidth(const TForm1& window, int side) {
    return Width(ChildRect(window.Frame(side).Handle()));
}

TEST_F(FormTest, TheClockAwayFromTheDraggedEdgeKeepsItsWidth) {
    TForm1& window = Start("[POSITION]\r\nLeft=100\r\nTop=100\r\nRight=500\r\nBottom=250\r\n"
                           "Split=150\r\n");
    window.FormResize(); // the first resize after a read only arms
    POINT probe{};
    SetCursorPos(101, 101);
    GetCursorPos(&probe);
    if (probe.x != 101 || probe.y != 101)
        GTEST_SKIP() << "the mouse cannot be placed here";

    // The right border: the left clock keeps its width.
    const int right = FrameWidth(window, 1);
    DragTo(window, {450, 70}, 500);
    EXPECT_EQ(FrameWidth(window, 0), 150);
    EXPECT_EQ(FrameWidth(window, 1), right + 100);

    // The left border: once the drag has begun the right clock keeps its width.
    DragTo(window, {2, 70}, 490);
    const int kept = FrameWidth(window, 1);
    DragTo(window, {2, 70}, 440);
    EXPECT_EQ(FrameWidth(window, 1), kept);
    // The first step still went to the right clock, the rest to the left.
    EXPECT_EQ(FrameWidth(window, 0), 150 - 50);

    // The mouse outside the window: nothing but the label heights follows.
    const int left = FrameWidth(window, 0);
    DragTo(window, {-50, -50}, 540);
    EXPECT_EQ(FrameWidth(window, 1), kept);
    EXPECT_EQ(FrameWidth(window, 0), left + 100);
}

TEST_F(FormTest, ClockSetOrResumeRedrawsAtOnce) {
    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{WM_TIMECHANGE, 0},
                                          {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
                                          {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND}}) {
        clock.now = TestInstant();
        TForm1& window = Start(FixedPatternFile(0));
        clock.now = TestInstant(58) + 2.0 / 24; // two hours on
        SendMessageW(window.Handle(), message, wParam, 0);
        EXPECT_EQ(LabelText(window, 1), "08 34") << message;
    }
}

TEST_F(FormTest, SplitFromTheFileAndItsDefault) {
    TForm1& window = Start("[POSITION]\r\nSplit=150\r\n");
    EXPECT_EQ(Width(ChildRect(window.Frame(0).Handle())), 150);
    const RECT divider = ChildRect(window.SplitterHandle());
    EXPECT_EQ(divider.left, 2 + 150);
    EXPECT_EQ(Width(divider), 3);
    EXPECT_EQ(ChildRect(window.Frame(1).Handle()).left, 2 + 150 + 3);

    TForm1& defaults = Start("");
    RECT client{};
    GetClientRect(defaults.Handle(), &client);
    EXPECT_EQ(Width(ChildRect(defaults.Frame(0).Handle())), (client.right - 8) / 2 + 1);
}

TEST_F(FormTest, StayOnTopAndTranslucency) {
    TForm1& window = Start("[MODE]\r\nStayOnTop=1\r\nViewRate=300\r\n");
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 44);
    TForm1& normal = Start("");
    EXPECT_FALSE(GetWindowLongPtrW(normal.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FormTest, StartupFileChoiceAndSaveItem) {
    files.files["given.dat"] = "[DATA]\r\nBoxName1=given\r\n";
    files.files[TestIni] = "[DATA]\r\nBoxName1=ini\r\n";
    TForm1& given = StartWithFiles(L"Velmora.exe \" given.dat \"");
    EXPECT_EQ(WindowText(given.Frame(0).Handle()), "given");
    EXPECT_FALSE(GetMenuState(given.MainMenu(), ID_SAVE1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(given.CurrentFileName(), "");
    EXPECT_EQ(given.InitialDirectory(), "");

    TForm1& plain = StartWithFiles(L"Velmora.exe");
    EXPECT_EQ(WindowText(plain.Frame(0).Handle()), "ini");
    EXPECT_TRUE(GetMenuState(plain.MainMenu(), ID_SAVE1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(plain.InitialDirectory(), "C:\\clock\\");
}

TEST_F(FormTest, UnreadableStartupFileIsReportedAndTheClockRuns) {
    files.unreadable.insert(TestIni);
    TForm1& window = StartWithFiles();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find(TestIni), Text::npos);
    EXPECT_FALSE(LabelText(window, 1).empty());
    EXPECT_EQ(WindowText(window.Frame(0).Handle()), "昭和基地");
}

TEST_F(FormTest, BadColourIsShownAfterEverythingElseApplies) {
    TForm1& window = Start("[DATA]\r\nBoxName1=after\r\n[MODE]\r\nTitleMode=5\r\n"
                           "TitleString=t\r\n[FONT]\r\nColor1=zzz\r\nSize2=20\r\n");
    ASSERT_EQ(errors.messages, (std::vector<Text>{"'zzz' は整数ではありません"}));
    EXPECT_EQ(WindowText(window.Frame(0).Handle()), "after");
    EXPECT_EQ(WindowText(window.Handle()), "t");
    EXPECT_EQ(window.Label(2).Font().height, -27);
    EXPECT_EQ(window.Side(0).DatePatternList.size(), static_cast<std::size_t>(DatePatternCount));
}

TEST_F(FormTest, BadProgressTimeIsShownOnceUntilSettingsChange) {
    const std::string file = "[MODE]\r\nProgressTime=1\r\nProgressFrom=abc\r\n";
    files.files["C:\\other.dat"] = file;
    TForm1& window = Start(file);
    for (int i = 0; i < 5; ++i) {
        window.Timer2Timer();
        window.Timer1Timer();
    }
    EXPECT_EQ(errors.messages, (std::vector<Text>{"'abc' は時刻ではありません"}));
    dialogs.answers.push_back("C:\\other.dat");
    window.ReadIn1Click();
    window.Timer2Timer();
    EXPECT_EQ(errors.messages.size(), 2u);
}

TEST_F(FormTest, OpenSaveAndSaveAs) {
    TForm1& window = Start("");
    files.files["C:\\dir\\a.dat"] = "[DATA]\r\nBoxName1=opened\r\n";
    dialogs.answers.push_back(std::nullopt); // cancelled
    window.ReadIn1Click();
    EXPECT_EQ(window.CurrentFileName(), "");
    dialogs.answers.push_back("C:\\dir\\a.dat");
    window.ReadIn1Click();
    EXPECT_EQ(window.CurrentFileName(), "C:\\dir\\a.dat");
    EXPECT_EQ(WindowText(window.Frame(0).Handle()), "opened");
    EXPECT_FALSE(GetMenuState(window.MainMenu(), ID_SAVE1, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(window.InitialDirectory(), "C:\\dir\\");

    // Save writes back without a dialog.
    files.files["C:\\dir\\a.dat"] = "";
    window.Save1Click();
    EXPECT_EQ(dialogs.initialDirectories.size(), 2u);
    EXPECT_NE(files.files["C:\\dir\\a.dat"].find("BoxName1=opened\r\n"), std::string::npos);

    dialogs.answers.push_back("C:\\dir\\b.dat");
    window.SaveAs1Click();
    EXPECT_EQ(window.CurrentFileName(), "C:\\dir\\b.dat");
    EXPECT_NE(files.files["C:\\dir\\b.dat"].find("[FONT]\r\n"), std::string::npos);
}

TEST_F(FormTest, OpeningWhileShownAppliesTheShowCommand) {
    struct Case {
        std::string file;
        bool visible;
        bool zoomed;
    };
    const Case cases[] = {
        {"[POSITION]\r\nShowCmd=3\r\nState=0\r\n", true, true}, // "State" is ignored
        {"[POSITION]\r\nShowCmd=1\r\nState=2\r\n", true, false},
        {"[POSITION]\r\nShowCmd=0\r\n", true, false}, // never hidden by a file
    };
    for (const Case& c : cases) {
        TForm1& window = Start("");
        window.ShowFirst();
        files.files["C:\\s.dat"] = c.file;
        dialogs.answers.push_back("C:\\s.dat");
        window.ReadIn1Click();
        EXPECT_EQ(IsWindowVisible(window.Handle()) != FALSE, c.visible) << c.file;
        EXPECT_EQ(IsZoomed(window.Handle()) != FALSE, c.zoomed) << c.file;
    }
}

TEST_F(FormTest, SaveWithoutANameAsksForOne) {
    TForm1& window = Start("");
    window.Save1Click();
    EXPECT_EQ(dialogs.initialDirectories, (std::vector<Text>{"C:\\clock\\"}));
}

TEST_F(FormTest, WriteKeepsWhatWasRead) {
    const std::string file =
        "[DATA]\r\nBoxName1=L\r\nDiffIndex1=50\r\nDateIndex1=5\r\nTimeIndex1=4\r\n"
        "LocaleID1=1033\r\nBoxName2=R\r\n[MODE]\r\nBlinkMode=1\r\nSwingBlink=1\r\n"
        "ViewMode=1\r\nViewRate=200\r\nStayOnTop=1\r\nTitleMode=5\r\nTitleString=T\r\n"
        "ShowTitleBar=0\r\nShowMenuBar=0\r\nShowInTaskBar=0\r\nProgressTime=2\r\n"
        "ProgressColor=1\r\nProgressFrom=08:00\r\nProgressTo=18:30\r\n"
        "[FONT]\r\nAutoScale=1\r\nSameFont=0\r\nName1=Arial\r\nSize1=20\r\nStyle1=5\r\n"
        "Color1=clRed\r\nName2=Courier New\r\nSize2=9\r\nStyle2=2\r\nColor2=$00FF8000\r\n";
    TForm1& window = Start(file);
    window.WriteSettings("C:\\out.dat");
    const std::string written = files.files["C:\\out.dat"];
    for (const char* line :
         {"BoxName1=L\r\nDiffIndex1=50\r\nDateIndex1=5\r\nTimeIndex1=4\r\nLocaleID1=1033\r\n"
          "BoxName2=R\r\n",
          "BlinkMode=1\r\nSwingBlink=1\r\nViewMode=1\r\nViewRate=200\r\nStayOnTop=1\r\n"
          "TitleMode=5\r\nTitleString=T\r\nShowTitleBar=0\r\nShowMenuBar=0\r\n"
          "ShowInTaskBar=0\r\nSaveStatus=1\r\nProgressTime=2\r\nProgressColor=1\r\n"
          "ProgressFrom=08:00\r\nProgressTo=18:30\r\n",
          "AutoScale=1\r\nSameFont=0\r\nName1=Arial\r\nSize1=20\r\nStyle1=5\r\n"
          "Color1=clRed\r\nName2=Courier New\r\nSize2=9\r\nStyle2=2\r\nColor2=$00FF8000\r\n"})
        EXPECT_NE(written.find(line), std::string::npos) << line << "\n---\n" << written;
}

TEST_F(FormTest, ClosingWritesTheIniAndNeverRefuses) {
    TForm1& window = Start("[DATA]\r\nBoxName1=kept\r\n");
    EXPECT_TRUE(window.FormCloseQuery());
    EXPECT_NE(files.files[TestIni].find("BoxName1=kept\r\n"), std::string::npos);
    EXPECT_NE(files.files[TestIni].find("Name=Velmora.exe\r\nPath=C:\\clock\\\r\n"),
              std::string::npos);

    files.unwritable.insert(TestIni);
    window.Exit1Click();
    EXPECT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(window.Handle(), nullptr); // closed all the same
}

TEST_F(FormTest, SaveStatusOffWritesOnlyTheProgramSection) {
    TForm1& window = Start("[MODE]\r\nSaveStatus=0\r\n[USER]\r\nx=1\r\n");
    window.FormCloseQuery();
    EXPECT_EQ(files.files[TestIni],
              "[USER]\r\nx=1\r\n\r\n"
              "[PROGRAM]\r\nName=Velmora.exe\r\nPath=C:\\clock\\\r\nVersion=V1.7\r\n\r\n");
}

// A drop of several files as the shell hands it over.
HDROP MakeDrop(const std::vector<std::wstring>& names) {
    std::size_t characters = 1;
    for (const auto& name : names)
        characters += name.size() + 1;
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* text = reinterpret_cast<wchar_t*>(drop + 1);
    for (const auto& name : names) {
        std::copy(name.begin(), name.end(), text);
        text += name.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(FormTest, DroppingFilesReadsTheFirst) {
    TForm1& window = Start("");
    files.files["C:\\d\\first.dat"] = "[DATA]\r\nBoxName1=first\r\n";
    files.files["C:\\d\\second.dat"] = "[DATA]\r\nBoxName1=second\r\n";
    window.FormDropFiles(MakeDrop({L"C:\\d\\first.dat", L"C:\\d\\second.dat", L"C:\\d\\x"}));
    EXPECT_EQ(WindowText(window.Frame(0).Handle()), "first");
    EXPECT_EQ(window.CurrentFileName(), "C:\\d\\first.dat");
    EXPECT_FALSE(GetMenuState(window.MainMenu(), ID_SAVE1, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(FormTest, TaskbarButtonFollowsTheOption) {
    TForm1& window = Start("[MODE]\r\nShowInTaskBar=0\r\n");
    EXPECT_FALSE(IsWindowVisible(window.ApplicationHandle()));
    window.Minimize1Click();
    EXPECT_TRUE(IsWindowVisible(window.ApplicationHandle()));
    EXPECT_TRUE(IsIconic(window.ApplicationHandle()));
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    SendMessageW(window.ApplicationHandle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsWindowVisible(window.ApplicationHandle()));
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
}

// The window's pixels as drawn, top-down 32-bit.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

Picture CopyWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    Picture picture{Width(rect), Height(rect), {}};
    picture.pixels.resize(static_cast<std::size_t>(picture.width * picture.height));
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, picture.width, picture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, source, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.height), picture.pixels.data(), &info,
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return picture;
}

void SaveBitmapFile(const Picture& picture, const std::string& unixPath) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = picture.width;
    info.biHeight = -picture.height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = static_cast<DWORD>(header.bfOffBits + picture.pixels.size() * 4);
    std::wstring path = L"Z:" + ToWide(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, &header, sizeof header, &written, nullptr);
    WriteFile(file, &info, sizeof info, &written, nullptr);
    // Opaque: viewers read the fourth byte as alpha.
    std::vector<std::uint32_t> opaque = picture.pixels;
    for (std::uint32_t& pixel : opaque)
        pixel |= 0xFF000000u;
    WriteFile(file, opaque.data(), static_cast<DWORD>(opaque.size() * 4), &written, nullptr);
    CloseHandle(file);
}

TEST_F(FormTest, ShownWindowIsDrawn) {
    TForm1& window = Start(FixedPatternFile(2));
    window.ShowFirst();
    RedrawWindow(window.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const Picture picture = CopyWindow(window.Handle());
    SaveBitmapFile(picture, std::string(VELMORA_ARTIFACT_DIR) + "/velmora_window.bmp");

    std::set<std::uint32_t> colours(picture.pixels.begin(), picture.pixels.end());
    EXPECT_GE(colours.size(), 3u);
    // The left time label's text is drawn in black on the button face.
    RECT outer{}, label{};
    GetWindowRect(window.Handle(), &outer);
    GetWindowRect(window.Label(1).Handle(), &label);
    int dark = 0;
    for (int y = label.top - outer.top; y < label.bottom - outer.top; ++y)
        for (int x = label.left - outer.left; x < label.right - outer.left; ++x)
            if ((picture.pixels[static_cast<std::size_t>(y * picture.width + x)] & 0xFFFFFF) == 0)
                ++dark;
    EXPECT_GT(dark, 20);
}

TEST_F(FormTest, EveryWindowIsOwnedAndTitled) {
    TForm1& window = Start("");
    EXPECT_EQ(GetWindow(window.Handle(), GW_OWNER), window.ApplicationHandle());
    wchar_t name[64]{};
    GetClassNameW(window.Handle(), name, 64);
    EXPECT_EQ(std::wstring(name), L"TForm1");
    EXPECT_TRUE(window.TaskbarReady());
}

} // namespace
} // namespace velmora
