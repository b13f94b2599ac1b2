// The main window in process: its labels, caption, toggles, layout, fonts
// and settings files, with a set clock and files in memory.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "engine/pattern_lists.h"
#include "test_files.h"
#include "tests/win/form_probe.h"
#include "ui/form_logic.h"
#include "ui/resource.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using namespace testing;

// Both clocks on fixed patterns: "yyyy/mm/dd(ddd)" and "hh:nn".
std::string FixedPatternFile(int blinkMode) {
    return "[DATA]\r\nDateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=1033\r\nDateIndex2=21\r\n"
           "TimeIndex2=3\r\n[MODE]\r\nBlinkMode=" +
           std::to_string(blinkMode) + "\r\n";
}
Text LabelText(const TForm1& form, int index) {
    return WindowText(FormProbe(form).Label(index).Handle());
}
Text FrameText(const TForm1& form, int side) {
    return WindowText(FormProbe(form).Frame(side).Handle());
}
// The text the system keeps for the window, as other programs read it
// without sending a message.
Text StoredText(HWND window) {
    wchar_t buffer[1024]{};
    InternalGetWindowText(window, buffer, 1024);
    return FromWide(buffer);
}
int FrameWidth(const TForm1& form, int side) {
    return Width(ChildRect(FormProbe(form).Frame(side).Handle()));
}
bool SaveGrayed(const TForm1& form) {
    return OpenedMenuState(form, FormProbe(form).MainMenu(), ID_SAVE) & MF_GRAYED;
}
bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != text.npos;
}
// What `source` shows of a width by height area, as top-down 32-bit pixels.
std::vector<std::uint32_t> Pixels(HDC source, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    UniqueMemoryDc memory(CreateCompatibleDC(source));
    UniqueBitmap bitmap(CreateCompatibleBitmap(source, width, height));
    {
        SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }
    GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);
    return pixels;
}
std::vector<std::uint32_t> LabelPixels(const TForm1& form, int index) {
    const HWND label = FormProbe(form).Label(index).Handle();
    const RECT area = ChildRect(label);
    const WindowDc dc(label);
    return Pixels(dc.get(), Width(area), Height(area));
}

class FormTest : public ::testing::Test, public FormFixture {};

TEST_F(FormTest, LabelsShowBothClocksAtTheSetInstant) {
    const struct {
        int second, blinkMode;
        Text left, right;
    } cases[] = {
        {57, 0, "06:34", "21:34"},                            // odd second: separators shown
        {58, 0, "06 34", "21 34"},                            // even: both blank
        {57, 1, "06:34", "21 34"},                            // alternate
        {58, 1, "06 34", "21:34"}, {58, 2, "06:34", "21:34"}, // no blink
    };
    for (const auto& c : cases) {
        clock.now = TestInstant(c.second);
        TForm1& window = Start(FixedPatternFile(c.blinkMode));
        EXPECT_EQ(LabelText(window, 0), "2024/03/05(Tue)");
        EXPECT_EQ(LabelText(window, 1), c.left) << c.second << " " << c.blinkMode;
        EXPECT_EQ(LabelText(window, 2), "2024/03/04(月)");
        EXPECT_EQ(LabelText(window, 3), c.right) << c.second << " " << c.blinkMode;
        for (int label = 0; label < 4; ++label)
            EXPECT_EQ(StoredText(FormProbe(window).Label(label).Handle()),
                      LabelText(window, label));
        for (int side : {0, 1})
            EXPECT_EQ(StoredText(FormProbe(window).Frame(side).Handle()), FrameText(window, side));
        EXPECT_TRUE(errors.messages.empty());
    }
}

TEST_F(FormTest, TickClockSetAndResumeRedrawAtOnce) {
    const std::pair<UINT, WPARAM> cases[] = {{WM_TIMER, 0},
                                             {WM_TIMECHANGE, 0},
                                             {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
                                             {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND}};
    for (const auto& [message, wParam] : cases) {
        clock.now = TestInstant();
        TForm1& window = Start(FixedPatternFile(0));
        window.ShowFirst();
        UpdateWindow(window.Handle());
        clock.now = TestInstant(58) + 2.5 / 24; // two and a half hours on, even second
        if (message == WM_TIMER)
            window.Timer1Timer();
        else
            SendMessageW(window.Handle(), message, wParam, 0);
        EXPECT_EQ(LabelText(window, 1), "09 04") << message;
        EXPECT_EQ(LabelText(window, 3), "00 04") << message;
        EXPECT_EQ(StoredText(FormProbe(window).Label(3).Handle()), "00 04") << message;
        // On the screen already, before any paint message: as drawn anew.
        for (const int label : {1, 3}) {
            const std::vector<std::uint32_t> shown = LabelPixels(window, label);
            RedrawWindow(FormProbe(window).Label(label).Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_TRUE(shown == LabelPixels(window, label)) << message << " label " << label;
        }
    }
}

TEST_F(FormTest, CaptionAndTaskbarTextPerTitleMode) {
    const std::pair<std::string, Text> cases[] = {
        {"1\r\n", "Velmora"},
        {"2\r\n", "3/5 12:34"},
        {"3\r\n", "3/5 06:34 昭和基地"},
        {"4\r\n", "3/4 21:34 ヒューストン"},
        {"5\r\nTitleString=走れ&ブリッツェン\r\n", "走れ&ブリッツェン"},
        {"5\r\n", "走れブリッツェン"},
        {"9\r\n", "Velmora"}, // unknown: left as created
    };
    for (const auto& [mode, caption] : cases) {
        TForm1& window = Start("[MODE]\r\nTitleMode=" + mode);
        EXPECT_EQ(WindowText(window.Handle()), caption) << mode;
        EXPECT_EQ(WindowText(window.ApplicationHandle()), caption) << mode;
    }
    // A free text is set once, not on every tick.
    Start("[MODE]\r\nTitleMode=5\r\nTitleString=x\r\n");
    SetWindowTextW(form->Handle(), L"changed");
    form->Timer1Timer();
    EXPECT_EQ(WindowText(form->Handle()), "changed");
    // A time is set on every tick: a taskbar text that a shortcut command
    // renamed comes back within the second.
    Start("[MODE]\r\nTitleMode=2\r\n");
    SetWindowTextW(form->ApplicationHandle(), L"Velmora");
    form->Timer1Timer();
    EXPECT_EQ(WindowText(form->ApplicationHandle()), "3/5 12:34");
}

const UINT Toggles[] = {ID_SHOWTITLEBAR, ID_SHOWMENUBAR, ID_SHOWINTASKBAR, ID_SAVESTATUS};

TEST_F(FormTest, TogglePairsFollowTheFile) {
    const struct {
        std::string mode;
        bool on[4];
    } cases[] = {
        {"", {true, true, true, true}},
        {"ShowTitleBar=0\r\n", {false, true, true, true}},
        {"ShowMenuBar=0\r\n", {true, false, true, true}},
        {"ShowInTaskBar=0\r\n", {true, true, false, true}},
        {"SaveStatus=0\r\n", {true, true, true, false}},
        {"ShowTitleBar=0\r\nShowMenuBar=0\r\nShowInTaskBar=0\r\nSaveStatus=0\r\n", {}},
    };
    for (const auto& c : cases) {
        TForm1& window = Start("[MODE]\r\n" + c.mode);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(MenuChecked(window, FormProbe(window).MainMenu(), Toggles[i]), c.on[i])
                << c.mode << i;
            EXPECT_EQ(MenuChecked(window, FormProbe(window).PopupMenu(), Toggles[i]), c.on[i])
                << c.mode << i;
        }
        const LONG_PTR style = GetWindowLongPtrW(window.Handle(), GWL_STYLE);
        EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, c.on[0]) << c.mode;
        EXPECT_EQ((style & WS_THICKFRAME) != 0, c.on[0]) << c.mode;
        EXPECT_EQ(GetMenu(window.Handle()) != nullptr, c.on[1]) << c.mode;
        EXPECT_EQ(IsWindowVisible(window.ApplicationHandle()) != FALSE, c.on[2]) << c.mode;
    }
    // Two clicks, from either menu: back where it started, both menus alike.
    TForm1& window = Start("");
    for (const UINT id : Toggles)
        for (const bool on : {false, true}) {
            SendMessageW(window.Handle(), WM_COMMAND, id, 0);
            EXPECT_EQ(MenuChecked(window, FormProbe(window).MainMenu(), id), on) << id;
            EXPECT_EQ(MenuChecked(window, FormProbe(window).PopupMenu(), id), on) << id;
        }
}

TEST_F(FormTest, MenuBarHidesAndComesBackAndPopupHasThreeColumns) {
    TForm1& window = Start("");
    const int frameHeight = Height(ChildRect(FormProbe(window).Frame(0).Handle()));
    window.ShowMenuBar2Click();
    EXPECT_EQ(GetMenu(window.Handle()), nullptr);
    EXPECT_GT(Height(ChildRect(FormProbe(window).Frame(0).Handle())),
              frameHeight); // the clocks take its place
    window.ShowMenuBar2Click();
    const HMENU menu = GetMenu(window.Handle());
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    for (const auto& [i, caption] :
         {std::pair{0, L"ファイル(&F)"}, {1, L"オプション(&O)"}, {2, L"ヘルプ(&H)"}}) {
        wchar_t text[64]{};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text), caption) << i;
    }
    EXPECT_EQ(Height(ChildRect(FormProbe(window).Frame(0).Handle())), frameHeight);

    std::vector<UINT> breaks;
    for (int i = 0; i < GetMenuItemCount(FormProbe(window).PopupMenu()); ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID;
        GetMenuItemInfoW(FormProbe(window).PopupMenu(), static_cast<UINT>(i), TRUE, &item);
        if (item.fType & MFT_MENUBARBREAK)
            breaks.push_back(item.wID);
    }
    EXPECT_EQ(breaks, (std::vector<UINT>{ID_SETTING, ID_HELP}));
    EXPECT_TRUE(SaveGrayed(window)); // Save is disabled in the main menu only
    EXPECT_FALSE(OpenedMenuState(window, FormProbe(window).PopupMenu(), ID_SAVE) & MF_GRAYED);
}

TEST_F(FormTest, LabelHeightsAfterResize) {
    TForm1& window = Start("");
    for (const int frameHeight : {83, 60, 200}) {
        SetFrameHeight(window, frameHeight);
        window.FormResize();
        ASSERT_EQ(Height(ChildRect(FormProbe(window).Frame(0).Handle())), frameHeight);
        const int top = FormProbe(window).LabelTop(), date = (frameHeight - top) * 2 / 5;
        for (const int side : {0, 2}) {
            const RECT dateRect = ChildRect(FormProbe(window).Label(side).Handle());
            const RECT timeRect = ChildRect(FormProbe(window).Label(side + 1).Handle());
            EXPECT_EQ(dateRect.top, top) << frameHeight;
            EXPECT_EQ(Height(dateRect), date) << frameHeight;
            EXPECT_EQ(timeRect.top, top + date) << frameHeight;
            EXPECT_EQ(timeRect.bottom, frameHeight - 2) << frameHeight;
        }
    }
    // The first resize after a read only arms: the fonts stay.
    TForm1& scaled = Start("[FONT]\r\nAutoScale=1\r\n");
    EXPECT_FALSE(FormProbe(scaled).ResizeArmed());
    const HFONT before = FormProbe(scaled).Label(0).FontHandle();
    scaled.FormResize();
    EXPECT_TRUE(FormProbe(scaled).ResizeArmed());
    EXPECT_EQ(FormProbe(scaled).Label(0).FontHandle(), before);
}

TEST_F(FormTest, AdjustFontSizeFollowsTheFrameHeight) {
    TForm1& window = Start("[FONT]\r\nAutoScale=1\r\nStyle1=3\r\nColor1=clRed\r\n");
    for (const auto& [frameHeight, cell] : {std::pair{60, 20}, {62, 20}, {63, 21}}) {
        SetFrameHeight(window, frameHeight);
        window.AdjustFontSize();
        for (int label = 0; label < 4; ++label) {
            LOGFONTW created{};
            GetObjectW(FormProbe(window).Label(label).FontHandle(), sizeof created, &created);
            EXPECT_EQ(FormProbe(window).Label(label).Font().height, cell)
                << frameHeight << " " << label;
            EXPECT_EQ(created.lfHeight, cell) << frameHeight << " " << label;
        }
        // The face and the left clock's style and colour stay.
        EXPECT_EQ(
            FormProbe(window).Label(1).Font(),
            (FontSettings{"ＭＳ ゴシック", cell, FontStyle::Bold | FontStyle::Italic, 0x0000FF}));
        EXPECT_EQ(FormProbe(window).Label(3).Font(),
                  (FontSettings{"ＭＳ ゴシック", cell, FontStyle::Regular, 0}));
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

TEST_F(FormTest, TheClockAwayFromTheDraggedEdgeKeepsItsWidth) {
    TForm1& window =
        Start("[POSITION]\r\nLeft=100\r\nTop=100\r\nRight=500\r\nBottom=250\r\nSplit=150\r\n");
    window.FormResize(); // the first resize after a read only arms
    POINT probe{};
    SetCursorPos(101, 101);
    GetCursorPos(&probe);
    ASSERT_EQ(probe.x + probe.y, 202) << "the mouse must be placed for this test";
    const int right = FrameWidth(window, 1);
    DragTo(window, {450, 70}, 500); // the right border: the left clock keeps its width
    EXPECT_EQ(FrameWidth(window, 0), 150);
    EXPECT_EQ(FrameWidth(window, 1), right + 100);
    DragTo(window, {2, 70}, 490); // the left border: once begun, the right clock keeps its width
    const int kept = FrameWidth(window, 1);
    DragTo(window, {2, 70}, 440);
    EXPECT_EQ(FrameWidth(window, 1), kept);
    EXPECT_EQ(FrameWidth(window, 0), 150 - 50); // the first step still went to the right clock
    const int left = FrameWidth(window, 0);
    DragTo(window, {-50, -50}, 540); // the mouse outside: nothing but the label heights follows
    EXPECT_EQ(FrameWidth(window, 1), kept);
    EXPECT_EQ(FrameWidth(window, 0), left + 100);
}

// The window as a monitor of `dpi` pixels per inch would have it.
void MoveToDpi(TForm1& window, UINT dpi) {
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&outer));
}

int IconWidth(HWND window, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST_F(FormTest, AnotherDpiReloadsTheIconsAndWritesWhatReadsBackTheSame) {
    TForm1& window = Start("[POSITION]\r\nLeft=100\r\nTop=100\r\nRight=500\r\nBottom=250\r\n"
                           "Split=150\r\n[FONT]\r\nSize1=14\r\nSize2=9\r\n");
    MoveToDpi(window, 144);
    for (const HWND shown : {window.Handle(), window.ApplicationHandle()}) {
        EXPECT_EQ(IconWidth(shown, ICON_BIG), GetSystemMetricsForDpi(SM_CXICON, 144));
        EXPECT_EQ(IconWidth(shown, ICON_SMALL), GetSystemMetricsForDpi(SM_CXSMICON, 144));
    }
    // Written at 144 and read at 144, run after run: nothing grows or shrinks.
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    const int split = FrameWidth(window, 0);
    const FontSettings left = FormProbe(window).Label(0).Font(),
                       right = FormProbe(window).Label(2).Font();
    for (int run = 0; run < 2; ++run) {
        window.WriteSettings("C:\\out.dat");
        window.ReadSettings("C:\\out.dat");
        RECT read{};
        GetWindowRect(window.Handle(), &read);
        EXPECT_EQ(Width(read), Width(outer)) << run;
        EXPECT_EQ(Height(read), Height(outer)) << run;
        EXPECT_EQ(FrameWidth(window, 0), split) << run;
        EXPECT_EQ(FormProbe(window).Label(0).Font(), left) << run;
        EXPECT_EQ(FormProbe(window).Label(2).Font(), right) << run;
    }
}

// Pixels of the window's zone-0 area (inside the border bands) that `child` covers.
RECT ReachableArea(HWND child, const RECT& window) {
    RECT inner = window, covered{}, rect{};
    InflateRect(&inner, -GripWidth, -GripWidth);
    GetWindowRect(child, &rect);
    IntersectRect(&covered, &inner, &rect);
    return covered;
}

TEST_F(FormTest, SmallestWindowKeepsOneMenuRowAndBothFramesWithinReach) {
    for (const char* mode :
         {"ShowTitleBar=0\r\n", "ShowTitleBar=1\r\n", "ShowTitleBar=0\r\nShowMenuBar=0\r\n"}) {
        TForm1& window = Start(std::string("[MODE]\r\n") + mode);
        int clientHeight96 = 0;
        for (const UINT dpi : {96u, 144u}) {
            if (dpi != 96)
                MoveToDpi(window, dpi);
            MINMAXINFO limits{};
            SendMessageW(window.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
            SetWindowPos(window.Handle(), nullptr, 0, 0, limits.ptMinTrackSize.x,
                         limits.ptMinTrackSize.y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            RECT outer{}, client{};
            GetWindowRect(window.Handle(), &outer);
            GetClientRect(window.Handle(), &client);
            if (GetMenu(window.Handle())) {
                MENUBARINFO bar{};
                bar.cbSize = sizeof bar;
                GetMenuBarInfo(window.Handle(), OBJID_MENU, 0, &bar);
                EXPECT_LE(Height(bar.rcBar), GetSystemMetricsForDpi(SM_CYMENU, dpi) + 1)
                    << mode << dpi;
            }
            for (int side : {0, 1}) {
                const RECT reachable = ReachableArea(FormProbe(window).Frame(side).Handle(), outer);
                EXPECT_GE(Width(reachable), GripWidth) << mode << dpi << side;
                EXPECT_GE(Height(reachable), GripWidth + FormProbe(window).LabelTop())
                    << mode << dpi << side;
            }
            if (dpi == 96)
                clientHeight96 = client.bottom;
            else // the smallest size follows the pixel density
                EXPECT_GE(client.bottom, clientHeight96 * 3 / 2 - 1) << mode;
        }
    }
}

TEST_F(FormTest, SplitFramesStayOnTopAndTranslucency) {
    TForm1& window = Start("[POSITION]\r\nSplit=150\r\n[MODE]\r\nStayOnTop=1\r\nViewRate=300\r\n"
                           "[DATA]\r\nBoxName1=\r\nBoxName2=A&B\r\n");
    EXPECT_EQ(FrameWidth(window, 0), 150);
    const RECT divider = ChildRect(FormProbe(window).SplitterHandle());
    EXPECT_EQ(divider.left, 2 + 150);
    EXPECT_EQ(Width(divider), 3);
    EXPECT_EQ(ChildRect(FormProbe(window).Frame(1).Handle()).left, 2 + 150 + 3);
    EXPECT_EQ(FrameText(window, 0), "");
    EXPECT_EQ(FrameText(window, 1), "A&B");
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 44);

    TForm1& defaults = Start("");
    RECT client{};
    GetClientRect(defaults.Handle(), &client);
    EXPECT_EQ(FrameWidth(defaults, 0), (client.right - 8) / 2 + 1);
    EXPECT_FALSE(GetWindowLongPtrW(defaults.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(FrameText(defaults, 0), "昭和基地");
    EXPECT_EQ(FrameText(defaults, 1), "ヒューストン");
    EXPECT_EQ(GetWindow(defaults.Handle(), GW_OWNER), defaults.ApplicationHandle());
    wchar_t name[64]{};
    GetClassNameW(defaults.Handle(), name, 64);
    EXPECT_EQ(std::wstring(name), L"TForm1");
    EXPECT_TRUE(FormProbe(defaults).TaskbarReady());
}

TEST_F(FormTest, StartupFileChoiceAndUnreadableFile) {
    files.files["given.dat"] = "[DATA]\r\nBoxName1=given\r\n";
    files.files[TestIni] = "[DATA]\r\nBoxName1=ini\r\n";
    TForm1& given = StartWithFiles(L"Velmora.exe \" given.dat \"");
    EXPECT_EQ(FrameText(given, 0), "given");
    EXPECT_FALSE(SaveGrayed(given));
    EXPECT_EQ(FormProbe(given).CurrentFileName(), "");
    EXPECT_EQ(FormProbe(given).InitialDirectory(), "");
    TForm1& plain = StartWithFiles(L"Velmora.exe");
    EXPECT_EQ(FrameText(plain, 0), "ini");
    EXPECT_TRUE(SaveGrayed(plain));
    EXPECT_EQ(FormProbe(plain).InitialDirectory(), "C:\\clock\\");

    files.unreadable.insert(TestIni); // reported, and the clock runs on defaults
    TForm1& unread = StartWithFiles();
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_TRUE(Has(errors.messages[0], TestIni));
    EXPECT_FALSE(LabelText(unread, 1).empty());
    EXPECT_EQ(FrameText(unread, 0), "昭和基地");

    // Readable again by the time the clock closes: the settings that were
    // never read are not replaced by the defaults, unless read after all.
    // Closing says so and offers to save them under another name.
    files.unreadable.clear();
    boxes.answers = {IDNO};
    unread.FormCloseQuery();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "ファイル \"C:\\clock\\Velmora.ini\" は起動時に読み込めなかったため、"
              "設定を保存しませんでした。\r\n別の名前で保存しますか？");
    EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_TRUE(dialogs.initialDirectories.empty()); // "No": no save dialog
    EXPECT_EQ(files.files[TestIni], "[DATA]\r\nBoxName1=ini\r\n");

    boxes.answers = {IDYES};
    dialogs.answers.push_back("C:\\saved\\kept.dat");
    unread.FormCloseQuery();
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(Has(files.files["C:\\saved\\kept.dat"], "BoxName1=昭和基地\r\n"));
    EXPECT_EQ(files.files[TestIni], "[DATA]\r\nBoxName1=ini\r\n");

    unread.ReadIn1Click();   // cancelled: nothing read
    boxes.answers = {IDYES}; // and the save dialog cancelled
    unread.FormCloseQuery();
    EXPECT_EQ(files.files[TestIni], "[DATA]\r\nBoxName1=ini\r\n");
    EXPECT_EQ(files.files.size(), 3u);

    dialogs.answers.push_back(TestIni);
    unread.ReadIn1Click();
    unread.FormCloseQuery();
    EXPECT_EQ(boxes.shown.size(), 3u); // read after all: written without a word
    EXPECT_NE(files.files[TestIni].find("BoxName1=ini\r\nDiffIndex1"), std::string::npos);

    files.unreadable.insert(TestIni); // "No" to the question still closes
    TForm1& declined = StartWithFiles();
    files.unreadable.clear();
    boxes.answers = {IDNO};
    declined.Exit1Click();
    EXPECT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(declined.Handle(), nullptr);
}

TEST_F(FormTest, BadColourIsShownAfterEverythingElseApplies) {
    TForm1& window = Start("[DATA]\r\nBoxName1=after\r\n[MODE]\r\nTitleMode=5\r\n"
                           "TitleString=t\r\n[FONT]\r\nColor1=zzz\r\nSize2=20\r\n");
    ASSERT_EQ(errors.messages, (std::vector<Text>{"'zzz' は整数ではありません"}));
    EXPECT_EQ(FrameText(window, 0), "after");
    EXPECT_EQ(WindowText(window.Handle()), "t");
    EXPECT_EQ(FormProbe(window).Label(2).Font().height, -27);
    EXPECT_EQ(FormProbe(window).Side(0).DatePatternList.size(),
              static_cast<std::size_t>(DatePatternCount));
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

// An error box that lets the progress timer fire while it is open. A box
// opened from inside another is only recorded, so that a window showing
// boxes in a chain fails instead of hanging.
class ModalErrors final : public ErrorReporter {
  public:
    std::vector<Text> messages;
    std::function<void()> whileOpen;
    void ShowError(HWND, const Text& message) override {
        messages.push_back(message);
        if (open_)
            return;
        open_ = true;
        whileOpen();
        open_ = false;
    }

  private:
    bool open_ = false;
};

TEST_F(FormTest, BadProgressTimeFromTheRunningTimersIsShownOnce) {
    files.files[TestIni] = "[MODE]\r\nProgressTime=1\r\nProgressFrom=abc\r\n";
    ModalErrors modal;
    RecordingTaskbar* recorded = nullptr;
    TForm1 window({clock, zones, locale, fontPitch, files, modal, dialogs, fonts, boxes, shell,
                   theme, sounds,
                   [&](HWND) -> std::unique_ptr<TaskbarProgress> {
                       auto made = std::make_unique<RecordingTaskbar>();
                       recorded = made.get();
                       return made;
                   },
                   L"Velmora.exe", TestExecutable});
    // Each refresh sets the bar's state before it meets the bad time.
    const auto refreshes = [&] {
        return std::count(recorded->calls.begin(), recorded->calls.end(),
                          StateCall(ProgressKind::Normal));
    };
    modal.whileOpen = [&] { window.Timer2Timer(); };
    window.Create(); // the start-up refresh shows the error
    ASSERT_NE(recorded, nullptr);
    const auto before = refreshes();
    window.Timer2Timer();
    window.Timer2Timer();
    EXPECT_EQ(refreshes() - before, 2);
    EXPECT_EQ(modal.messages, (std::vector<Text>{"'abc' は時刻ではありません"}));
}

// A drop of several files as the shell hands it over.
template <std::size_t N> HDROP MakeDrop(const wchar_t (&names)[N]) {
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    std::copy_n(names, N, reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST_F(FormTest, OpenSaveSaveAsAndDrop) {
    TForm1& window = Start("");
    window.Save1Click(); // without a name: asks for one
    EXPECT_EQ(dialogs.initialDirectories, (std::vector<Text>{"C:\\clock\\"}));
    files.files["C:\\dir\\a.dat"] = "[DATA]\r\nBoxName1=opened\r\n";
    dialogs.answers = {std::nullopt, "C:\\dir\\a.dat"}; // cancelled, then chosen
    window.ReadIn1Click();
    EXPECT_EQ(FormProbe(window).CurrentFileName(), "");
    window.ReadIn1Click();
    EXPECT_EQ(FormProbe(window).CurrentFileName(), "C:\\dir\\a.dat");
    EXPECT_EQ(FrameText(window, 0), "opened");
    EXPECT_FALSE(SaveGrayed(window));
    EXPECT_EQ(FormProbe(window).InitialDirectory(), "C:\\dir\\");

    files.files["C:\\dir\\a.dat"] = ""; // Save writes back without a dialog
    window.Save1Click();
    EXPECT_EQ(dialogs.initialDirectories.size(), 3u);
    EXPECT_TRUE(Has(files.files["C:\\dir\\a.dat"], "BoxName1=opened\r\n"));
    dialogs.answers.push_back("C:\\dir\\b.dat");
    window.SaveAs1Click();
    EXPECT_EQ(FormProbe(window).CurrentFileName(), "C:\\dir\\b.dat");
    EXPECT_TRUE(Has(files.files["C:\\dir\\b.dat"], "[FONT]\r\n"));

    TForm1& dropped = Start("");
    files.files["C:\\d\\first.dat"] = "[DATA]\r\nBoxName1=first\r\n";
    files.files["C:\\d\\second.dat"] = "[DATA]\r\nBoxName1=second\r\n";
    dropped.FormDropFiles(MakeDrop(L"C:\\d\\first.dat\0C:\\d\\second.dat\0C:\\d\\x\0"));
    EXPECT_EQ(FrameText(dropped, 0), "first");
    EXPECT_EQ(FormProbe(dropped).CurrentFileName(), "C:\\d\\first.dat");
    EXPECT_FALSE(SaveGrayed(dropped));
}

TEST_F(FormTest, OpeningWhileShownAppliesTheShowCommand) {
    const struct {
        std::string file;
        bool zoomed;
    } cases[] = {
        {"ShowCmd=3\r\nState=0\r\n", true}, // "State" is ignored
        {"ShowCmd=1\r\nState=2\r\n", false},
        {"ShowCmd=0\r\n", false}, // never hidden by a file
    };
    for (const auto& c : cases) {
        TForm1& window = Start("");
        window.ShowFirst();
        files.files["C:\\s.dat"] = "[POSITION]\r\n" + c.file;
        dialogs.answers.push_back("C:\\s.dat");
        window.ReadIn1Click();
        EXPECT_TRUE(IsWindowVisible(window.Handle())) << c.file;
        EXPECT_EQ(IsZoomed(window.Handle()) != FALSE, c.zoomed) << c.file;
    }
}

std::string PositionFile(const RECT& r) {
    return "[POSITION]\r\nLeft=" + std::to_string(r.left) + "\r\nTop=" + std::to_string(r.top) +
           "\r\nRight=" + std::to_string(r.right) + "\r\nBottom=" + std::to_string(r.bottom) +
           "\r\n";
}

// Where the shown window went for a file's rectangle: brought wholly onto a
// work area with its size, or left as the file said.
void ExpectPlaced(HWND window, const RECT& file, bool moved) {
    RECT shown{};
    GetWindowRect(window, &shown);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&shown, MONITOR_DEFAULTTONEAREST), &monitor);
    RECT common{};
    EXPECT_TRUE(IntersectRect(&common, &shown, &monitor.rcWork)) << file.left;
    if (!moved) {
        EXPECT_TRUE(EqualRect(&shown, &file)) << file.left;
        return;
    }
    EXPECT_TRUE(EqualRect(&common, &shown)) << "wholly inside " << file.left;
    if (Width(file) > 0 && Height(file) > 0) {
        EXPECT_EQ(Width(shown), Width(file)) << file.left;
        EXPECT_EQ(Height(shown), Height(file)) << file.left;
    }
}

TEST_F(FormTest, PlacementOffEveryScreenComesBackOntoTheNearestWorkArea) {
    constexpr LONG Far = 2147483647;
    const struct {
        RECT file;
        bool moved;
    } cases[] = {
        {{-30000, -30000, -29600, -29860}, true}, // far up and left
        {{5000, 200, 5400, 340}, true},           // where a monitor on the right was
        {{Far, Far, Far, Far}, true},             // no size, beyond any coordinate
        {{-Far - 1, -Far - 1, Far, Far}, true},   // a size the system cannot hold
        {{-200, 100, 200, 240}, false},           // partly on the screen: stays
        {{100, 120, 230, 190}, false},            // below the smallest size a user drags to
    };
    // At start-up, before the window first shows...
    for (const auto& [file, moved] : {cases[0], cases[2], cases[4], cases[5]}) {
        TForm1& window = Start(PositionFile(file));
        window.ShowFirst();
        ExpectPlaced(window.Handle(), file, moved);
    }
    // ...and opened while it shows.
    TForm1& window = Start("");
    window.ShowFirst();
    for (const auto& [file, moved] : cases) {
        files.files["C:\\far.dat"] = PositionFile(file);
        dialogs.answers.push_back("C:\\far.dat");
        window.ReadIn1Click();
        ExpectPlaced(window.Handle(), file, moved);
    }
}

TEST_F(FormTest, MegabyteTextsAreShownInPartAndKeptWhole) {
    const std::string name(1 << 20, 'n');
    const std::string title = "表" + std::string(1 << 20, 't'); // 表 ends in a backslash byte
    TForm1& window = Start("[DATA]\r\nBoxName1=" + name +
                           "\r\n[MODE]\r\nTitleMode=5\r\nTitleString=" + title + "\r\n");
    window.ShowFirst();
    window.Timer1Timer();
    EXPECT_EQ(GetWindowTextLengthW(FormProbe(window).Frame(0).Handle()), int(MaxShownTextBytes));
    EXPECT_EQ(WindowText(window.Handle()), title.substr(0, MaxShownTextBytes));
    EXPECT_EQ(WindowText(window.ApplicationHandle()), title.substr(0, MaxShownTextBytes));
    EXPECT_EQ(FormProbe(window).Side(0).BoxName, name);
    window.WriteSettings("C:\\out.dat");
    EXPECT_TRUE(Has(files.files["C:\\out.dat"], "BoxName1=" + name + "\r\n"));
    EXPECT_TRUE(Has(files.files["C:\\out.dat"], "TitleString=" + title + "\r\n"));
}

TEST_F(FormTest, WriteKeepsWhatWasRead) {
    const std::string data = "BoxName1=L\r\nDiffIndex1=50\r\nDateIndex1=5\r\nTimeIndex1=4\r\n"
                             "LocaleID1=1033\r\nBoxName2=R\r\n";
    const std::string mode1 = "BlinkMode=1\r\nSwingBlink=1\r\nViewMode=1\r\nViewRate=200\r\n"
                              "StayOnTop=1\r\nTitleMode=5\r\nTitleString=T\r\nShowTitleBar=0\r\n"
                              "ShowMenuBar=0\r\nShowInTaskBar=0\r\n";
    const std::string mode2 =
        "ProgressTime=2\r\nProgressColor=1\r\nProgressFrom=08:00\r\nProgressTo=18:30\r\n";
    const std::string font =
        "AutoScale=1\r\nSameFont=0\r\nName1=Arial\r\nSize1=20\r\nStyle1=5\r\n"
        "Color1=clRed\r\nName2=Courier New\r\nSize2=9\r\nStyle2=2\r\nColor2=$00FF8000\r\n";
    Start("[DATA]\r\n" + data + "[MODE]\r\n" + mode1 + mode2 + "[FONT]\r\n" + font)
        .WriteSettings("C:\\out.dat");
    const std::string& written = files.files["C:\\out.dat"];
    for (const std::string& part : {data, mode1 + "SaveStatus=1\r\n" + mode2, font})
        EXPECT_TRUE(Has(written, part)) << part << "\n---\n" << written;
}

TEST_F(FormTest, ClosingWritesTheIniAndNeverRefuses) {
    TForm1& window = Start("[DATA]\r\nBoxName1=kept\r\n");
    window.FormCloseQuery();
    EXPECT_TRUE(Has(files.files[TestIni], "BoxName1=kept\r\n"));
    EXPECT_TRUE(Has(files.files[TestIni], "Name=Velmora.exe\r\nPath=C:\\clock\\\r\n"));
    files.unwritable.insert(TestIni);
    window.Exit1Click();
    EXPECT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(window.Handle(), nullptr); // closed all the same

    files.unwritable.clear(); // save-state off: only the program section is written
    Start("[MODE]\r\nSaveStatus=0\r\n[USER]\r\nx=1\r\n").FormCloseQuery();
    EXPECT_EQ(files.files[TestIni],
              "[USER]\r\nx=1\r\n\r\n"
              "[PROGRAM]\r\nName=Velmora.exe\r\nPath=C:\\clock\\\r\nVersion=V1.7\r\n\r\n");
}

// Log-off waits for no box: settings that must not replace the unread ".ini"
// go beside it, the next start names them once, and a failed write is not
// reported.
TEST_F(FormTest, EndOfSessionNeverAsks) {
    files.files[TestIni] = "[DATA]\r\nBoxName1=ini\r\n";
    files.unreadable.insert(TestIni);
    TForm1& unread = StartWithFiles();
    files.unreadable.clear();
    EXPECT_TRUE(SendMessageW(unread.Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(files.files[TestIni], "[DATA]\r\nBoxName1=ini\r\n");
    EXPECT_TRUE(Has(files.files["C:\\clock\\Velmora.unsaved"], "BoxName1=昭和基地\r\n"));

    for (const int start : {1, 2}) {
        Start(files.files[TestIni]);
        ASSERT_EQ(boxes.shown.size(), 1u) << start; // the second start says nothing
    }
    EXPECT_EQ(boxes.shown[0].text,
              "前回 Windows を終了したとき、ファイル \"C:\\clock\\Velmora.ini\" は起動時に"
              "読み込めなかったため、設定をファイル \"C:\\clock\\Velmora-unsaved.dat\" "
              "に保存しました。\r\n「読込み」で開くことができます。");
    EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(Has(files.files["C:\\clock\\Velmora-unsaved.dat"], "BoxName1=昭和基地\r\n"));
    EXPECT_FALSE(files.files.contains("C:\\clock\\Velmora.unsaved"));

    files.unwritable.insert(TestIni);
    const std::size_t reported = errors.messages.size();
    EXPECT_TRUE(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_EQ(errors.messages.size(), reported);
    EXPECT_EQ(boxes.shown.size(), 1u);
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

TEST_F(FormTest, ShownWindowIsDrawn) {
    TForm1& window = Start(FixedPatternFile(2));
    window.ShowFirst();
    RedrawWindow(window.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT outer{}, label{};
    GetWindowRect(window.Handle(), &outer);
    GetWindowRect(FormProbe(window).Label(1).Handle(), &label);
    const int width = Width(outer), height = Height(outer);
    HDC source = GetWindowDC(window.Handle());
    std::vector<std::uint32_t> pixels = Pixels(source, width, height);
    ReleaseDC(window.Handle(), source);

    EXPECT_GE(std::set<std::uint32_t>(pixels.begin(), pixels.end()).size(), 3u);
    int dark = 0; // the left time label's text is drawn in black on the button face
    for (int y = label.top - outer.top; y < label.bottom - outer.top; ++y)
        for (int x = label.left - outer.left; x < label.right - outer.left; ++x)
            dark += (pixels[static_cast<std::size_t>(y * width + x)] & 0xFFFFFF) == 0;
    EXPECT_GT(dark, 20);

    // The picture is kept as an opaque bitmap file for people to look at.
    const BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(54 + pixels.size() * 4), 0, 0, 54};
    const BITMAPINFOHEADER info{sizeof info, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const std::wstring path = WinePath(VELMORA_ARTIFACT_DIR);
    CreateDirectoryW(path.c_str(), nullptr);
    HANDLE file = CreateFileW((path + L"\\velmora_window.bmp").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    for (std::uint32_t& pixel : pixels)
        pixel |= 0xFF000000u; // viewers read the fourth byte as alpha
    DWORD written = 0;
    WriteFile(file, &header, sizeof header, &written, nullptr);
    WriteFile(file, &info, sizeof info, &written, nullptr);
    WriteFile(file, pixels.data(), static_cast<DWORD>(pixels.size() * 4), &written, nullptr);
    CloseHandle(file);
}

} // namespace
} // namespace velmora
