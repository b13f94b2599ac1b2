// Velmora's entry point and its window: the two default clocks side by side,
// redrawn just after each second boundary of the computer's clock.
#include <windows.h>

#include <array>
#include <memory>

#include "engine/clock_side.h"
#include "engine/clock_source_win.h"
#include "engine/display_patterns.h"
#include "engine/era_calendar.h"
#include "engine/font_pitch_win.h"
#include "engine/locale_settings.h"
#include "engine/locale_source_win.h"
#include "engine/pattern_lists.h"
#include "engine/text_win.h"
#include "engine/tick.h"
#include "engine/unique_handle_win.h"

namespace velmora {
namespace {

constexpr wchar_t WindowClassName[] = L"VelmoraClock";
constexpr UINT_PTR TickTimerId = 1;
constexpr int DesignWidth = 480;
constexpr int DesignHeight = 140;
constexpr char ClockFace[] = "ＭＳ ゴシック";
constexpr int ClockPoints = 14;

// The taskbar progress arrives with the settings; until then there is none.
class NoTaskbar final : public TaskbarProgress {
public:
    bool SetState(int) override { return false; }
    bool SetValue(std::uint64_t, std::uint64_t) override { return false; }
    bool Available() const override { return false; }
};

class ClockWindow {
public:
    bool Create(HINSTANCE instance);
    void Show(int showCommand) const { ShowWindow(window_, showCommand); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnTimer();
    void OnSize(int width, int height);
    void OnDestroy();

    void LoadClocks();
    void ArmTimerForNextSecond();
    HWND AddChild(const wchar_t* className, DWORD style, const Text& text);

    HWND window_ = nullptr;
    std::array<HWND, 2> frames_{};
    std::array<HWND, 4> labels_{}; // left date, left time, right date, right time
    UniqueFont font_;

    Win32LocaleSource locale_;
    Win32ClockSource clock_;
    std::unique_ptr<BuiltInEraCalendar> eraCalendar_;
    PcSettings pc_;
    ClockSide left_ = DefaultLeftSide();
    ClockSide right_ = DefaultRightSide();
    ProgressSettings progress_;
    ProgressState progressState_;
    NoTaskbar taskbar_;
};

bool ClockWindow::Create(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = WindowClassName;
    if (!RegisterClassExW(&windowClass))
        return false;
    const std::wstring title = ToWide(ProductTitle);
    return CreateWindowExW(0, WindowClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, DesignWidth, DesignHeight, nullptr, nullptr, instance,
                           this) != nullptr;
}

LRESULT CALLBACK ClockWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<ClockWindow*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ClockWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT ClockWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_TIMER:
        if (wParam == TickTimerId)
            OnTimer();
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void ClockWindow::OnCreate() {
    LoadClocks();
    const UINT dpi = GetDpiForWindow(window_);
    LOGFONTW face{};
    face.lfHeight = -MulDiv(ClockPoints, static_cast<int>(dpi), 72);
    face.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(face.lfFaceName, ToWide(ClockFace).c_str(), LF_FACESIZE - 1);
    font_.reset(CreateFontIndirectW(&face));

    frames_[0] = AddChild(L"BUTTON", BS_GROUPBOX, left_.BoxName);
    frames_[1] = AddChild(L"BUTTON", BS_GROUPBOX, right_.BoxName);
    for (HWND& label : labels_)
        label = AddChild(L"STATIC", SS_CENTER, "");
    OnTimer();
}

// Everything the tick formats: the computer's locale, both sides' locale data,
// their pattern lists and the blink patterns.
void ClockWindow::LoadClocks() {
    pc_ = LoadPcSettings(locale_);
    eraCalendar_ = std::make_unique<BuiltInEraCalendar>(pc_.Facts.PcLocale);
    pc_.Facts.Calendar = eraCalendar_.get();
    for (ClockSide* side : {&left_, &right_}) {
        LoadLocaleSettings(locale_, pc_.Facts, side->LocaleID, side->FormatSettings);
        BuildPatternLists(*side);
    }
    DeriveDisplayPatterns(left_, right_, DisplayOptions{}, Win32FontPitch{}, ClockFace, ClockFace);
}

HWND ClockWindow::AddChild(const wchar_t* className, DWORD style, const Text& text) {
    HWND child = CreateWindowExW(0, className, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 0, 0, 0, 0, window_, nullptr, nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return child;
}

void ClockWindow::OnTimer() {
    const TickTexts texts = Tick({left_, right_, 1, pc_, progress_, progressState_, clock_, taskbar_});
    const std::array<const Text*, 4> values{&texts.LeftDate, &texts.LeftTime, &texts.RightDate,
                                            &texts.RightTime};
    for (std::size_t i = 0; i < labels_.size(); ++i)
        SetWindowTextW(labels_[i], ToWide(*values[i]).c_str());
    ArmTimerForNextSecond();
}

// A free-running 1000 ms timer drifts against the clock's seconds; re-arming
// for the next boundary keeps the change within a few milliseconds of it.
void ClockWindow::ArmTimerForNextSecond() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    SetTimer(window_, TickTimerId, 1000u - now.wMilliseconds + 5u, nullptr);
}

void ClockWindow::OnSize(int width, int height) {
    const int half = width / 2;
    const int margin = 4;
    const int lineHeight = (height - 4 * margin) / 3;
    for (int side = 0; side < 2; ++side) {
        const int x = side * half;
        MoveWindow(frames_[side], x + margin, margin, half - 2 * margin, height - 2 * margin, TRUE);
        MoveWindow(labels_[side * 2], x + 2 * margin, margin + lineHeight, half - 4 * margin,
                   lineHeight, TRUE);
        MoveWindow(labels_[side * 2 + 1], x + 2 * margin, margin + 2 * lineHeight,
                   half - 4 * margin, lineHeight, TRUE);
    }
}

void ClockWindow::OnDestroy() {
    KillTimer(window_, TickTimerId);
    PostQuitMessage(0);
}

} // namespace
} // namespace velmora

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    velmora::ClockWindow window;
    if (!window.Create(instance))
        return 1;
    window.Show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
