// The About text, its gradient and placement, and the modal box itself,
// driven by a hook that answers it the way a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "shell/about_box.h"

namespace velmora {
namespace {

TEST(AboutTextTest, JoinsTitleVersionPathAndContactLines) {
    EXPECT_EQ(AboutText("Velmora", L"C:\\clock\\Velmora.exe"),
              L"Velmora V1.7\r\nC:\\clock\\Velmora.exe\r\n\r\n"
              L"Copyright (C) 2024-2026 Velmora developers\r\n"
              L"velmora@example.org\r\nhttps://velmora.example.org/");
    // A title set by the clock, and a path code page 932 cannot hold.
    const std::wstring text = AboutText("2024/03/05 12:34 昭和基地", L"C:\\Ōsaka\\Velmora.exe");
    EXPECT_EQ(text.substr(0, 26), L"2024/03/05 12:34 昭和基地 V1.7");
    EXPECT_NE(text.find(L"\r\nC:\\Ōsaka\\Velmora.exe\r\n"), std::wstring::npos);
}

TEST(AboutBoxPositionTest, CentresOverTheOwnerWithinTheWorkArea) {
    const struct {
        RECT owner;
        SIZE box;
        POINT expected;
    } cases[] = {
        {{100, 100, 500, 400}, {200, 100}, {200, 200}},
        {{-300, 100, -100, 300}, {200, 100}, {0, 150}},    // beyond the left edge
        {{100, -200, 300, 0}, {200, 100}, {100, 0}},       // beyond the top edge
        {{1200, 700, 1400, 900}, {200, 100}, {1080, 700}}, // beyond right and bottom
        {{0, 0, 100, 100}, {1400, 900}, {0, 0}},           // larger: left and top win
    };
    for (const auto& c : cases) {
        const POINT at = AboutBoxPosition(c.owner, c.box, RECT{0, 0, 1280, 800});
        EXPECT_EQ(at.x, c.expected.x) << c.owner.left << "," << c.owner.top;
        EXPECT_EQ(at.y, c.expected.y) << c.owner.left << "," << c.owner.top;
    }
}

TEST(AboutPaintTest, TheLowestBitOfTheEndColourChoosesTheDirection) {
    constexpr int W = 64, H = 48;
    // {end colour, vertical}: even is white at the top, odd white at the left.
    const std::pair<std::uint32_t, bool> cases[] = {
        {0x00FF00, true}, {0x0000FF, false}, {0x804020, true}, {0x204081, false}, {0, true}};
    for (const auto& [end, vertical] : cases) {
        SCOPED_TRACE(end);
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), W, -H, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        std::uint32_t* bits = nullptr; // 0x00RRGGBB, top row first
        const UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS,
                                                   reinterpret_cast<void**>(&bits), nullptr, 0));
        const SelectedObject selected(dc.get(), bitmap.get());
        AboutPaint(dc.get(), RECT{0, 0, W, H}, end);
        const auto closeTo = [&](int x, int y, COLORREF want) {
            const std::uint32_t got = bits[y * W + x];
            const COLORREF rgb = RGB((got >> 16) & 0xFF, (got >> 8) & 0xFF, got & 0xFF);
            for (int shift : {0, 8, 16})
                if (std::abs(int((rgb >> shift) & 0xFF) - int((want >> shift) & 0xFF)) > 12)
                    return false;
            return true;
        };
        EXPECT_TRUE(closeTo(0, 0, RGB(255, 255, 255)));
        EXPECT_TRUE(closeTo(W - 1, H - 1, end));
        // Along the gradient the far edge has the end colour; across it nothing changes.
        EXPECT_TRUE(vertical ? closeTo(0, H - 1, end) : closeTo(W - 1, 0, end));
        EXPECT_TRUE(vertical ? closeTo(W - 1, 0, 0xFFFFFF) : closeTo(0, H - 1, 0xFFFFFF));
    }
}

TEST(RandomEndColourTest, StaysBelowWhite) {
    struct Highest {
        using result_type = std::uint32_t;
        static constexpr result_type min() { return 0; }
        static constexpr result_type max() { return 0xFFFFFFFF; }
        result_type operator()() { return 0xFFFFFFFF; }
    } highest;
    EXPECT_EQ(RandomEndColour(highest), 0xFFFFFEu);
}

// What the hook saw of the box, and how it closes it: a WM_COMMAND id,
// WM_CLOSE, or a key.
struct BoxVisit {
    UINT closeWith = 0;
    bool isKey = false;
    HWND box = nullptr;
    std::wstring caption, okText, homePageText;
    bool okIsDefault = false;
    RECT boxRect{};
    int paintsBeforeClose = 0;
} visit;
int colourDraws = 0;

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

void CALLBACK CloseBox(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    for (int i = 0; i < 2; ++i)
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    visit.paintsBeforeClose = colourDraws;
    GetWindowRect(box, &visit.boxRect);
    const HWND focus = GetFocus();
    if (visit.isKey) {
        PostMessageW(focus, WM_KEYDOWN, visit.closeWith, 0);
        PostMessageW(focus, WM_KEYUP, visit.closeWith, 0);
    } else if (visit.closeWith == WM_CLOSE) {
        PostMessageW(box, WM_CLOSE, 0, 0);
    } else {
        const HWND button = GetDlgItem(box, static_cast<int>(visit.closeWith));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(visit.closeWith, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && !visit.box) {
        const HWND box = visit.box = reinterpret_cast<HWND>(wParam);
        visit.caption = TextOf(box);
        visit.okText = TextOf(GetDlgItem(box, IDOK));
        visit.homePageText = TextOf(GetDlgItem(box, IDABORT));
        visit.okIsDefault =
            (GetWindowLongW(GetDlgItem(box, IDOK), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        SetTimer(box, 1, 50, CloseBox);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(AboutBoxTest, CaptionButtonsPlacementAndEveryWayToCloseIt) {
    const HWND owner =
        CreateWindowExW(0, L"STATIC", L"Velmora", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150, 600,
                        400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    const HHOOK hook = SetWindowsHookExW(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const AboutRequest request{owner, "Velmora", L"C:\\clock\\Velmora.exe", [] {
                                   ++colourDraws;
                                   return std::uint32_t{0x336699};
                               }};
    // Only "&HomePage" opens the home page.
    for (const UINT button : {IDOK, IDABORT}) {
        visit = {};
        visit.closeWith = button;
        int opened = 0;
        RunAboutCommand(request, [&] { ++opened; });
        EXPECT_EQ(opened, button == IDABORT ? 1 : 0) << button;
    }
    const struct {
        const char* action;
        UINT closeWith;
        bool isKey;
        int result;
    } cases[] = {
        {"&OK", IDOK, false, IDOK},
        {"&HomePage", IDABORT, false, IDABORT},
        {"Enter", VK_RETURN, true, IDOK},
        {"Escape", VK_ESCAPE, true, IDOK},
        {"close button", WM_CLOSE, false, IDOK},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        visit = {};
        visit.closeWith = c.closeWith;
        visit.isKey = c.isKey;
        colourDraws = 0;
        EXPECT_EQ(ShowAboutBox(request), c.result);
        EXPECT_EQ(visit.caption, L"バージョン情報");
        EXPECT_EQ(visit.okText, L"&OK");
        EXPECT_EQ(visit.homePageText, L"&HomePage");
        EXPECT_TRUE(visit.okIsDefault);
        EXPECT_GE(visit.paintsBeforeClose, 3) << "the first paint and two forced ones";
        RECT o;
        GetWindowRect(owner, &o);
        const RECT& b = visit.boxRect;
        EXPECT_LE(std::abs((b.left + b.right) / 2 - (o.left + o.right) / 2), 1);
        EXPECT_LE(std::abs((b.top + b.bottom) / 2 - (o.top + o.bottom) / 2), 1);
    }
    UnhookWindowsHookEx(hook);
    DestroyWindow(owner);
}

} // namespace
} // namespace velmora
