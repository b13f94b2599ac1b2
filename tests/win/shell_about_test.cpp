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
    const RECT workArea{0, 0, 1280, 800};
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
        const POINT at = AboutBoxPosition(c.owner, c.box, workArea);
        EXPECT_EQ(at.x, c.expected.x) << c.owner.left << "," << c.owner.top;
        EXPECT_EQ(at.y, c.expected.y) << c.owner.left << "," << c.owner.top;
    }
}

// Paints into a 32-bit bitmap and reads pixels back as 0x00BBGGRR.
class Canvas {
  public:
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS,
                                   reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_.get(), bitmap_);
        width_ = width;
    }
    ~Canvas() {
        SelectObject(dc_.get(), old_);
        DeleteObject(bitmap_);
    }
    HDC Dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const {
        const std::uint32_t bgr = bits_[y * width_ + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

  private:
    UniqueMemoryDc dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
};

bool Near(COLORREF a, COLORREF b) {
    const auto close = [](int x, int y) { return std::abs(x - y) <= 12; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}

TEST(AboutPaintTest, TheLowestBitOfTheEndColourChoosesTheDirection) {
    constexpr int Width = 64;
    constexpr int Height = 48;
    const struct {
        std::uint32_t endColour;
        bool vertical;
    } cases[] = {
        {0x00FF00, true},  // green, even: white at the top
        {0x0000FF, false}, // red, odd: white at the left
        {0x804020, true},  {0x204081, false}, {0x000000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.endColour);
        Canvas canvas(Width, Height);
        AboutPaint(canvas.Dc(), RECT{0, 0, Width, Height}, c.endColour);
        const COLORREF end = c.endColour;
        EXPECT_TRUE(Near(canvas.At(0, 0), RGB(255, 255, 255)));
        EXPECT_TRUE(Near(canvas.At(Width - 1, Height - 1), end));
        // Along the gradient the far edge has the end colour; across it the
        // colour does not change.
        const COLORREF farStart = c.vertical ? canvas.At(0, Height - 1) : canvas.At(Width - 1, 0);
        const COLORREF acrossStart =
            c.vertical ? canvas.At(Width - 1, 0) : canvas.At(0, Height - 1);
        EXPECT_TRUE(Near(farStart, end));
        EXPECT_TRUE(Near(acrossStart, RGB(255, 255, 255)));
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

// What the hook saw of the box, and how it closes it.
struct BoxVisit {
    UINT closeWith = 0; // a WM_COMMAND id, WM_CLOSE, or a key
    bool isKey = false;
    HWND box = nullptr;
    std::wstring caption;
    std::wstring okText;
    std::wstring homePageText;
    bool okIsDefault = false;
    RECT boxRect{};
    int paintsBeforeClose = 0;
};

BoxVisit Closing(UINT closeWith, bool isKey = false) {
    BoxVisit visit;
    visit.closeWith = closeWith;
    visit.isKey = isKey;
    return visit;
}

BoxVisit* visit = nullptr; // the hook's only way to the test
int colourDraws = 0;

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

void CALLBACK CloseBox(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    visit->paintsBeforeClose = colourDraws;
    GetWindowRect(box, &visit->boxRect);
    if (visit->isKey) {
        HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, visit->closeWith, 0);
        PostMessageW(focus, WM_KEYUP, visit->closeWith, 0);
    } else if (visit->closeWith == WM_CLOSE) {
        PostMessageW(box, WM_CLOSE, 0, 0);
    } else {
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(visit->closeWith, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, static_cast<int>(visit->closeWith))));
    }
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && visit && !visit->box) {
        HWND box = reinterpret_cast<HWND>(wParam);
        visit->box = box;
        visit->caption = TextOf(box);
        visit->okText = TextOf(GetDlgItem(box, IDOK));
        visit->homePageText = TextOf(GetDlgItem(box, IDABORT));
        visit->okIsDefault =
            (GetWindowLongW(GetDlgItem(box, IDOK), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        SetTimer(box, 1, 50, CloseBox);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class AboutBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner =
            CreateWindowExW(0, L"STATIC", L"Velmora", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 150,
                            600, 400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
        hook = SetWindowsHookExW(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        colourDraws = 0;
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        DestroyWindow(owner);
        visit = nullptr;
    }
    AboutRequest Request() {
        return {owner, "Velmora", L"C:\\clock\\Velmora.exe", [] {
                    ++colourDraws;
                    return std::uint32_t{0x336699};
                }};
    }

    HWND owner = nullptr;
    HHOOK hook = nullptr;
};

TEST_F(AboutBoxTest, EveryWayToCloseItButHomePageAnswersOk) {
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
        BoxVisit seen = Closing(c.closeWith, c.isKey);
        visit = &seen;
        EXPECT_EQ(ShowAboutBox(Request()), c.result);
        EXPECT_NE(seen.box, nullptr);
    }
}

TEST_F(AboutBoxTest, OnlyHomePageOpensTheHomePage) {
    for (const UINT button : {IDOK, IDABORT}) {
        BoxVisit seen = Closing(button);
        visit = &seen;
        int opened = 0;
        RunAboutCommand(Request(), [&] { ++opened; });
        EXPECT_EQ(opened, button == IDABORT ? 1 : 0) << button;
    }
}

TEST_F(AboutBoxTest, HasItsCaptionButtonsAndANewColourOnEveryPaint) {
    BoxVisit seen = Closing(IDOK);
    visit = &seen;
    ShowAboutBox(Request());

    EXPECT_EQ(seen.caption, L"バージョン情報");
    EXPECT_EQ(seen.okText, L"&OK");
    EXPECT_EQ(seen.homePageText, L"&HomePage");
    EXPECT_TRUE(seen.okIsDefault);
    // The first paint and the two forced ones each draw a colour.
    EXPECT_GE(seen.paintsBeforeClose, 3);

    RECT ownerRect;
    GetWindowRect(owner, &ownerRect);
    const LONG boxCentre = (seen.boxRect.left + seen.boxRect.right) / 2;
    const LONG ownerCentre = (ownerRect.left + ownerRect.right) / 2;
    EXPECT_LE(std::abs(boxCentre - ownerCentre), 1);
    const LONG boxMiddle = (seen.boxRect.top + seen.boxRect.bottom) / 2;
    const LONG ownerMiddle = (ownerRect.top + ownerRect.bottom) / 2;
    EXPECT_LE(std::abs(boxMiddle - ownerMiddle), 1);
}

} // namespace
} // namespace velmora
