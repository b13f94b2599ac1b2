// Velmora.exe under a person's hands: the pointer and the keys of the X
// display move, size and command the running clock, and the results are read
// from its windows' rectangles and texts and from the screen's pixels.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/form_logic.h"

#include "e2e_support.h"
#include "x_display.h"

namespace velmora {
namespace {

using namespace testing;

int Width(const RECT& rect) {
    return rect.right - rect.left;
}
int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}
RECT Shifted(RECT rect, int dx, int dy) {
    OffsetRect(&rect, dx, dy);
    return rect;
}
std::string Show(const RECT& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

// A process that `parent` started, by its executable's name.
DWORD ChildProcess(DWORD parent, const std::wstring& name) {
    const UniqueKernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry))
        if (entry.th32ParentProcessID == parent && _wcsicmp(entry.szExeFile, name.c_str()) == 0)
            return entry.th32ProcessID;
    return 0;
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

// Both clocks on "yyyy/mm/dd(ddd)" and "hh:nn" without blinking, so that the
// picture changes only once a minute; no title bar and no menu bar, so that
// the border band and the surface do all the moving and sizing.
const std::string SteadyClock =
    "[POSITION]\r\nLeft=300\r\nTop=250\r\nRight=700\r\nBottom=430\r\nSplit=180\r\n"
    "[DATA]\r\nDateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=1033\r\nDateIndex2=21\r\n"
    "TimeIndex2=3\r\nLocaleID2=1033\r\n"
    "[MODE]\r\nBlinkMode=2\r\nShowTitleBar=0\r\nShowMenuBar=0\r\n[FONT]\r\nAutoScale=1\r\n";

class PointerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        x_ = std::make_unique<XDisplay>();
        folder_ = std::make_unique<ProgramFolder>();
        CopyFileW(WinePath(VELMORA_HELP_FILE).c_str(), folder_->Path(L"Velmora.chm").c_str(),
                  FALSE);
        WriteBytes(folder_->Path(L"Velmora.ini"), SteadyClock);
        clock_ = std::make_unique<RunningClock>(*folder_, L"");
    }
    static void TearDownTestSuite() {
        clock_.reset();
        folder_.reset();
        x_.reset();
    }
    void SetUp() override {
        ASSERT_TRUE(x_->Available()) << "run by pointer_test.sh, which carries out X requests";
        ASSERT_NE(Window(), nullptr) << "the clock is not running";
        ASSERT_TRUE(x_->Calibrate());
    }

    static HWND Window() { return clock_ ? clock_->Window() : nullptr; }
    static HWND Frame(int side) { return ChildrenOfClass(Window(), L"VelmoraFrame").at(side); }
    static HWND Divider() { return ChildrenOfClass(Window(), L"VelmoraSplitter").at(0); }
    static HWND TimeLabel(int side) {
        return ChildrenOfClass(Frame(side), L"VelmoraClockLabel").at(1);
    }
    static std::vector<Text> LabelTexts() {
        std::vector<Text> texts;
        for (int side : {0, 1})
            for (HWND label : ChildrenOfClass(Frame(side), L"VelmoraClockLabel"))
                texts.push_back(WindowText(label));
        return texts;
    }

    // The clock has handled everything the display sent it so far.
    static void Settle() {
        DWORD_PTR ignored = 0;
        for (int i = 0; i < 2; ++i) {
            Sleep(60);
            SendMessageTimeoutW(Window(), WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
        }
    }

    // A press at `from`, a first one-pixel step that starts the move or size,
    // the rest in steps of at most `step` pixels, and the release.
    static void Drag(POINT from, int dx, int dy, int step = 4) {
        const int sx = dx > 0 ? 1 : dx < 0 ? -1 : 0, sy = dy > 0 ? 1 : dy < 0 ? -1 : 0;
        std::string commands = "mousemove " + x_->At(from) + " sleep 0.05 mousedown 1 " +
                               "sleep 0.05 mousemove " + x_->At({from.x + sx, from.y + sy});
        const int steps = std::max({std::abs(dx) / step, std::abs(dy) / step, 1});
        for (int i = 1; i <= steps; ++i)
            commands += " sleep 0.03 mousemove " + x_->At({from.x + sx + (dx - sx) * i / steps,
                                                           from.y + sy + (dy - sy) * i / steps});
        ASSERT_TRUE(x_->Xdotool(commands + " sleep 0.05 mouseup 1"));
        Settle();
    }

    // A press, one move all the way and the release, as a quick hand makes it.
    static void Jump(POINT from, int dx, int dy) {
        ASSERT_TRUE(x_->Xdotool("mousemove " + x_->At(from) + " sleep 0.05 mousedown 1 " +
                                "sleep 0.05 mousemove " + x_->At({from.x + dx, from.y + dy}) +
                                " sleep 0.05 mouseup 1"));
        Settle();
    }

    // What the screen shows of `area` once it stops changing.
    static Picture Steady(const RECT& area) {
        Picture last = x_->Take(area);
        for (int attempt = 0; attempt < 10; ++attempt) {
            Sleep(80);
            Picture next = x_->Take(area);
            if (next == last)
                return next;
            last = std::move(next);
        }
        return last;
    }

    // The window as it is shown equals the window drawn anew as a whole.
    static void ExpectCleanPicture(const std::string& after) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::vector<Text> texts = LabelTexts();
            const RECT area = Outer(Window());
            const Picture shown = Steady(area);
            RedrawWindow(Window(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            Settle();
            Picture repainted = x_->Take(area);
            if (repainted != shown) // perhaps not all on the screen yet
                repainted = Steady(area);
            if (LabelTexts() != texts)
                continue; // a new minute: look again
            ASSERT_EQ(shown.width, Width(area)) << "no picture of the screen";
            EXPECT_EQ(Differences(shown, repainted), 0) << "pixels left behind after " << after;
            return;
        }
    }

    // Rows of the time label's text: its height on the screen.
    static int TextHeight(HWND label) {
        const Picture picture = Steady(Outer(label));
        int first = -1, last = -1;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x) {
                const std::uint32_t p = picture.At(x, y);
                if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 300) {
                    first = first < 0 ? y : first;
                    last = y;
                }
            }
        return first < 0 ? 0 : last - first + 1;
    }

    static HCURSOR CursorAt(POINT screen) {
        EXPECT_TRUE(x_->Xdotool("mousemove " + x_->At(screen)));
        Settle();
        CURSORINFO info{};
        info.cbSize = sizeof info;
        GetCursorInfo(&info);
        return info.hCursor;
    }

    static std::unique_ptr<XDisplay> x_;
    static std::unique_ptr<ProgramFolder> folder_;
    static std::unique_ptr<RunningClock> clock_;
};

std::unique_ptr<XDisplay> PointerTest::x_;
std::unique_ptr<ProgramFolder> PointerTest::folder_;
std::unique_ptr<RunningClock> PointerTest::clock_;

TEST_F(PointerTest, SurfaceMovesAndEachBorderZoneSizes) {
    // Inside the left clock: the whole window follows.
    RECT before = Outer(Window());
    Drag(Centre(Outer(TimeLabel(0))), 40, 30);
    EXPECT_EQ(Show(Outer(Window())), Show(Shifted(before, 40, 30)));

    const struct {
        int zone, dx, dy; // which edges move, and by how much
    } zones[] = {{1, -16, 0},  {2, 16, 0}, {3, 0, -16},  {4, -16, -16},
                 {5, 16, -16}, {6, 0, 16}, {7, -16, 16}, {8, 16, 16}};
    for (const auto& z : zones) {
        before = Outer(Window());
        const bool left = z.zone == 1 || z.zone == 4 || z.zone == 7;
        const bool right = z.zone == 2 || z.zone == 5 || z.zone == 8;
        const bool top = z.zone >= 3 && z.zone <= 5;
        const bool bottom = z.zone >= 6;
        // Three pixels inside the edge or corner; along an edge, inside the
        // right clock.
        const POINT grab{left    ? before.left + 3
                         : right ? before.right - 4
                                 : before.left + Width(before) * 3 / 4,
                         top      ? before.top + 3
                         : bottom ? before.bottom - 4
                                  : (before.top + before.bottom) / 2};
        ASSERT_EQ(static_cast<int>(HitTestBorder(ToPoint(grab), ToRect(before)).zone), z.zone);
        Drag(grab, z.dx, z.dy);
        RECT expected = before;
        (left ? expected.left : expected.right) += left || right ? z.dx : 0;
        (top ? expected.top : expected.bottom) += top || bottom ? z.dy : 0;
        EXPECT_EQ(Show(Outer(Window())), Show(expected)) << "zone " << z.zone;
        ExpectCleanPicture("zone " + std::to_string(z.zone));
    }

    // A taller window: larger clock text.
    const int textHeight = TextHeight(TimeLabel(0));
    before = Outer(Window());
    Drag({before.left + Width(before) * 3 / 4, before.bottom - 4}, 0, 60, 12);
    EXPECT_GT(TextHeight(TimeLabel(0)), textHeight);
    // Very small and large again leaves a clean picture too.
    before = Outer(Window());
    Drag({before.right - 4, before.bottom - 4}, 40 - Width(before), 40 - Height(before), 40);
    const RECT small = Outer(Window());
    EXPECT_LT(Width(small), Width(before) / 2);
    Drag({small.right - 4, small.bottom - 4}, before.right - small.right,
         before.bottom - small.bottom, 40);
    EXPECT_EQ(Show(Outer(Window())), Show(before));
    ExpectCleanPicture("making the window small and large again");
}

TEST_F(PointerTest, DividerMovesBothFramesAndShowsTheLeftRightArrow) {
    const RECT window = Outer(Window());
    const HCURSOR sizeWE = CursorAt({window.left + 3, (window.top + window.bottom) / 2});
    const HCURSOR arrow = CursorAt(Centre(Outer(TimeLabel(0))));
    ASSERT_NE(sizeWE, arrow);
    EXPECT_EQ(CursorAt(Centre(Outer(Divider()))), sizeWE);

    // Left clock anchored (the last sizing was on the right), then the right
    // one (after a sizing on the left): the divider follows the pointer, in
    // small steps and in one move.
    for (const int leftEdgeDrag : {0, -10}) {
        if (leftEdgeDrag != 0) {
            const RECT outer = Outer(Window());
            Drag({outer.left + 3, (outer.top + outer.bottom) / 2}, leftEdgeDrag, 0);
        }
        for (const bool inOneMove : {true, false}) {
            const int leftWidth = Width(Outer(Frame(0))), rightWidth = Width(Outer(Frame(1)));
            const RECT divider = Outer(Divider());
            const int dx = inOneMove ? 30 : -30;
            if (inOneMove)
                Jump(Centre(divider), dx, 0);
            else
                Drag(Centre(divider), dx, 0, 5);
            EXPECT_EQ(Outer(Divider()).left, divider.left + dx) << leftEdgeDrag << inOneMove;
            EXPECT_EQ(Width(Outer(Frame(0))), leftWidth + dx) << leftEdgeDrag << inOneMove;
            EXPECT_EQ(Width(Outer(Frame(1))), rightWidth - dx) << leftEdgeDrag << inOneMove;
        }
    }
}

TEST_F(PointerTest, WorkAreaEdgesSnapWithinTenPixelsAndLetGo) {
    const RECT work = WorkArea();
    const auto moveBy = [](int dx, int dy, int step) {
        Drag(Centre(Outer(TimeLabel(0))), dx, dy, step);
    };
    // 6 pixels from the top-left corner: on it; 20 pixels: where it was put.
    RECT outer = Outer(Window());
    moveBy(work.left + 6 - outer.left, work.top + 6 - outer.top, 20);
    EXPECT_EQ(Outer(Window()).left, work.left);
    EXPECT_EQ(Outer(Window()).top, work.top);
    moveBy(20, 20, 5);
    EXPECT_EQ(Outer(Window()).left, work.left + 20);
    EXPECT_EQ(Outer(Window()).top, work.top + 20);
    // Snapped, then dragged away at hand speed.
    outer = Outer(Window());
    moveBy(work.left + 6 - outer.left, work.top + 6 - outer.top, 20);
    moveBy(200, 200, 8);
    EXPECT_EQ(Outer(Window()).left, work.left + 200);
    EXPECT_EQ(Outer(Window()).top, work.top + 200);
    outer = Outer(Window());
    moveBy(work.right - 6 - outer.right, 0, 20);
    EXPECT_EQ(Outer(Window()).right, work.right);
    moveBy(-200, 0, 8);
    EXPECT_EQ(Outer(Window()).right, work.right - 200);
}

TEST_F(PointerTest, PopupMenuEscapeHelpKeyAndAltF4) {
    const DWORD process = clock_->ProcessId();
    ASSERT_TRUE(x_->Xdotool("mousemove " + x_->At(Centre(Outer(TimeLabel(1)))) + " click 3"));
    EXPECT_NE(WaitForWindow(process, L"#32768", nullptr, 50), nullptr);
    ASSERT_TRUE(x_->Xdotool("key Escape"));
    Settle();
    EXPECT_EQ(WaitForWindow(process, L"#32768", nullptr, 1), nullptr);

    // F1: the help file opens in the system's viewer, a process the clock starts.
    ASSERT_TRUE(x_->Xdotool("key F1"));
    DWORD viewer = 0;
    for (int attempt = 0; attempt < 100 && !viewer; ++attempt, Sleep(100))
        viewer = ChildProcess(process, L"hh.exe");
    EXPECT_NE(viewer, 0u);
    if (viewer) // it would keep the test runner's output pipe open
        if (const UniqueKernelHandle opened(OpenProcess(PROCESS_TERMINATE, FALSE, viewer)); opened)
            TerminateProcess(opened.get(), 0);

    // The viewer had the focus; a person clicks the clock before the keys.
    ASSERT_TRUE(x_->Xdotool("mousemove " + x_->At(Centre(Outer(TimeLabel(1)))) + " click 1"));
    Settle();
    const RECT placed = Outer(Window());
    ASSERT_TRUE(x_->Xdotool("key alt+F4"));
    EXPECT_TRUE(clock_->Ended());
    const std::string ini = ReadBytes(folder_->Path(L"Velmora.ini"));
    EXPECT_NE(ini.find("Left=" + std::to_string(placed.left) + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("State=0\r\n"), std::string::npos) << ini;
}

TEST(PointerStartTest, StateMinimisedAndMaximisedAndWrittenBack) {
    XDisplay x;
    ASSERT_TRUE(x.Calibrate());
    for (const int state : {1, 2}) {
        ProgramFolder folder;
        WriteBytes(folder.Path(L"Velmora.ini"), "[POSITION]\r\nLeft=300\r\nTop=250\r\nRight=700\r\n"
                                                "Bottom=430\r\nState=" +
                                                    std::to_string(state) + "\r\n");
        RunningClock clock(folder, L"", false);
        // Minimised, the main window is hidden: its owner shows on the taskbar.
        HWND owner = nullptr, window = nullptr;
        for (int attempt = 0; attempt < 100 && !window; ++attempt, Sleep(100)) {
            owner = WaitForWindow(clock.ProcessId(), L"VelmoraApplication", nullptr, 1);
            while (owner && (window = FindWindowExW(nullptr, window, L"TForm1", nullptr)) &&
                   GetWindow(window, GW_OWNER) != owner) {
            }
        }
        ASSERT_NE(window, nullptr) << state;
        const auto shownAs = [&] { return state == 1 ? IsIconic(owner) : IsZoomed(window); };
        for (int attempt = 0; attempt < 100 && !shownAs(); ++attempt)
            Sleep(100);
        if (state == 1) {
            EXPECT_TRUE(IsIconic(owner));
            EXPECT_FALSE(IsWindowVisible(window));
        } else {
            EXPECT_TRUE(IsZoomed(window));
            // Not moved while maximised, not even by a drag on its surface.
            Sleep(300);
            const RECT maximised = Outer(window);
            const POINT grab = Centre(maximised);
            ASSERT_TRUE(x.Xdotool("mousemove " + x.At(grab) +
                                  " sleep 0.05 mousedown 1 sleep 0.05 " + "mousemove " +
                                  x.At({grab.x + 1, grab.y + 1}) + " sleep 0.03 mousemove " +
                                  x.At({grab.x + 40, grab.y + 40}) + " sleep 0.05 mouseup 1"));
            Sleep(300);
            EXPECT_TRUE(IsZoomed(window));
            EXPECT_EQ(Show(Outer(window)), Show(maximised));
        }
        PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_TRUE(clock.Ended()) << state;
        EXPECT_NE(ReadBytes(folder.Path(L"Velmora.ini")).find("State=" + std::to_string(state)),
                  std::string::npos)
            << state;
    }
}

} // namespace
} // namespace velmora
