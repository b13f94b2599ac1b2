// Velmora.exe sharing the desktop with another program, under real input
// from the X display: clicks through the translucent clock reach a window
// of this process beneath it, the hotkey turns that off and on, the clock
// turns opaque under the pointer, and it steps aside while a full-screen
// window covers its monitor. This process is the other program.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "e2e_support.h"
#include "x_display.h"

namespace velmora {
namespace {

using namespace testing;
using Clock = std::chrono::steady_clock;

// Every desktop option on; the window at Left, Top, Right, Bottom.
const std::string DesktopClock =
    "[POSITION]\r\nLeft=300\r\nTop=250\r\nRight=700\r\nBottom=430\r\n"
    "[MODE]\r\nBlinkMode=2\r\nViewRate=128\r\nStayOnTop=1\r\n"
    "[DESKTOP]\r\nClickThrough=1\r\nHoverOpaque=1\r\nHideInFullScreen=1\r\n";

// Runs this thread's messages for a while, as a program's loop would.
void Pump(int milliseconds) {
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(5);
    } while (Clock::now() < end);
}

// Pumps until `done` holds, for two and a half seconds at most: the clock
// looks at the foreground window on its one-second tick.
template <typename Condition> bool PumpUntil(Condition done) {
    for (int i = 0; i < 250 && !done(); ++i)
        Pump(10);
    return done();
}

// A window of this process that counts the left clicks it gets.
class Window {
  public:
    Window(DWORD style, const RECT& rect, int show = SW_SHOWNORMAL) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = L"VelmoraTestNeighbour";
        RegisterClassW(&windowClass); // fails harmlessly the second time
        window_ =
            CreateWindowExW(WS_EX_NOACTIVATE, L"VelmoraTestNeighbour", L"neighbour", style,
                            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&clicks_));
        ShowWindow(window_, show);
        SetForegroundWindow(window_);
        Pump(200);
    }
    ~Window() { DestroyWindow(window_); }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return window_; }
    int Clicks() const { return clicks_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_LBUTTONDOWN)
            ++*reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        return DefWindowProcW(window, message, wParam, lParam);
    }
    HWND window_ = nullptr;
    int clicks_ = 0;
};

// Ctrl+Alt+F12 as the keyboard gives it to Windows. The X server keeps
// Ctrl+Alt with a function key for itself (it switches virtual terminals),
// so the keys go in at Windows' own input rather than through the display.
void PressClickThroughKeys() {
    const WORD keys[] = {VK_CONTROL, VK_MENU, VK_F12};
    INPUT inputs[6]{};
    for (int i = 0; i < 3; ++i) {
        inputs[i].type = inputs[5 - i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = inputs[5 - i].ki.wVk = keys[i];
        inputs[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(6, inputs, sizeof(INPUT));
}

class DesktopPointerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        x_ = std::make_unique<XDisplay>();
        folder_ = std::make_unique<ProgramFolder>();
        WriteBytes(folder_->Path(L"Velmora.ini"), DesktopClock);
        // Opened before the clock: Wine puts a new window on top of the
        // display's stack, even above one that stays on top.
        neighbour_ = std::make_unique<class Window>(WS_POPUP, RECT{280, 230, 720, 450});
        clock_ = std::make_unique<RunningClock>(*folder_, L"");
    }
    static void TearDownTestSuite() {
        clock_.reset();
        neighbour_.reset();
        folder_.reset();
        x_.reset();
    }
    void SetUp() override {
        ASSERT_TRUE(x_->Available()) << "run by pointer_test.sh, which carries out X requests";
        ASSERT_NE(Window(), nullptr) << "the clock is not running";
        ASSERT_TRUE(x_->Calibrate());
    }

    static HWND Window() { return clock_ ? clock_->Window() : nullptr; }
    static bool ClickThrough() {
        return (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    }
    static BYTE Alpha() {
        BYTE alpha = 0;
        GetLayeredWindowAttributes(Window(), nullptr, &alpha, nullptr);
        return alpha;
    }
    // Milliseconds from the pointer's arrival at `at` until the clock's alpha
    // value is `alpha`; -1 when it is not within a second.
    static int MillisecondsUntilAlpha(POINT at, BYTE alpha) {
        if (!x_->Xdotool("mousemove " + x_->At(at)))
            return -1;
        const auto moved = Clock::now();
        while (Alpha() != alpha) {
            if (Clock::now() - moved > std::chrono::seconds(1))
                return -1;
            Pump(1);
        }
        return static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - moved).count());
    }

    static std::unique_ptr<XDisplay> x_;
    static std::unique_ptr<ProgramFolder> folder_;
    static std::unique_ptr<RunningClock> clock_;
    static std::unique_ptr<class Window> neighbour_; // beneath the clock
};

std::unique_ptr<XDisplay> DesktopPointerTest::x_;
std::unique_ptr<ProgramFolder> DesktopPointerTest::folder_;
std::unique_ptr<RunningClock> DesktopPointerTest::clock_;
std::unique_ptr<Window> DesktopPointerTest::neighbour_;

TEST_F(DesktopPointerTest, ClicksReachTheWindowBeneathUntilTheHotkey) {
    const class Window& neighbour = *neighbour_;
    const POINT centre = Centre(Outer(Window()));
    const auto clockAtCentre = [&] {
        DWORD process = 0;
        GetWindowThreadProcessId(WindowFromPoint(centre), &process);
        return process == clock_->ProcessId();
    };
    ASSERT_TRUE(ClickThrough());
    EXPECT_FALSE(clockAtCentre());
    ASSERT_TRUE(x_->Xdotool("mousemove " + x_->At(centre) + " click 1"));
    EXPECT_TRUE(PumpUntil([&] { return neighbour.Clicks() == 1; }));

    // Ctrl+Alt+F12 from anywhere: the neighbour has the keyboard focus. Wine
    // keeps a click-through window's input region on the display until the
    // window is next shown, so from here on the platform's own hit test
    // says where a click goes.
    PressClickThroughKeys();
    EXPECT_TRUE(PumpUntil([] { return !ClickThrough(); }));
    EXPECT_TRUE(clockAtCentre());
    PressClickThroughKeys();
    EXPECT_TRUE(PumpUntil([] { return ClickThrough(); }));
    EXPECT_FALSE(clockAtCentre());
}

TEST_F(DesktopPointerTest, OpaqueUnderThePointerAndTranslucentOnceItLeaves) {
    // The pointer leaves onto a window beside the clock: the X display tells
    // Wine of the pointer's moves only over Wine's own windows.
    const RECT outer = Outer(Window());
    const RECT besideRect{outer.right + 20, outer.top, outer.right + 220, outer.bottom};
    const class Window beside(WS_POPUP, besideRect);
    const POINT away = Centre(besideRect);
    ASSERT_TRUE(x_->Xdotool("mousemove " + x_->At(away)));
    ASSERT_TRUE(PumpUntil([] { return Alpha() == 128; }));
    for (int pass = 0; pass < 3; ++pass) {
        const int over = MillisecondsUntilAlpha(Centre(outer), 255);
        const int left = MillisecondsUntilAlpha(away, 128);
        std::printf("opaque after %d ms, translucent again after %d ms\n", over, left);
        // Measured from the end of the X request, which comes after the move.
        EXPECT_TRUE(over >= 0 && over <= 150) << over;
        EXPECT_TRUE(left >= 0 && left <= 150) << left;
    }
    EXPECT_TRUE(ClickThrough()); // opaque to the eye only
}

TEST_F(DesktopPointerTest, AFullScreenWindowHidesTheClockAMaximisedOneDoesNot) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Window(), MONITOR_DEFAULTTONEAREST), &monitor);
    {
        const class Window fullScreen(WS_POPUP, monitor.rcMonitor);
        EXPECT_TRUE(PumpUntil([] { return !IsWindowVisible(Window()); }));
    }
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(Window()); }));
    EXPECT_TRUE(GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST); // as it was

    const class Window maximised(WS_OVERLAPPEDWINDOW, monitor.rcWork, SW_SHOWMAXIMIZED);
    ASSERT_TRUE(IsZoomed(maximised.Handle()));
    Pump(2500); // two ticks at least
    EXPECT_TRUE(IsWindowVisible(Window()));
}

} // namespace
} // namespace velmora
