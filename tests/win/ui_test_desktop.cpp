// How the clock lives on the desktop, in process: its look following the
// theme choice, Windows' light/dark setting and high contrast, switched
// live; click-through's style, its menu items and the system menus.
#include <gtest/gtest.h>

#include <map>

#include "engine/theme.h"
#include "tests/win/form_probe.h"
#include "tests/win/ui_test_support.h"
#include "ui/resource.h"

namespace velmora {
namespace {

using namespace testing;

// A colour as GDI takes it from a top-down DIB pixel.
Rgb FromPixel(std::uint32_t pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

struct LabelColours {
    Rgb face = 0; // its most common colour
    Rgb ink = 0;  // the most common of the rest: the text's solid pixels
};

// What the label shows on the screen once drawn.
LabelColours Colours(HWND label) {
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT area{};
    GetClientRect(label, &area);
    const WindowDc dc(label);
    const int width = area.right, height = area.bottom;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    UniqueMemoryDc memory(CreateCompatibleDC(dc.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(dc.get(), width, height));
    {
        SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, dc.get(), 0, 0, SRCCOPY);
    }
    GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);
    std::map<Rgb, int> counts;
    for (std::uint32_t pixel : pixels)
        ++counts[FromPixel(pixel & 0xFFFFFF)];
    const auto most = [&](const std::map<Rgb, int>& from) {
        return std::max_element(from.begin(), from.end(),
                                [](auto& a, auto& b) { return a.second < b.second; })
            ->first;
    };
    LabelColours colours;
    colours.face = most(counts);
    counts.erase(colours.face);
    colours.ink = counts.empty() ? colours.face : most(counts);
    return colours;
}

// The steady fixed-pattern clocks; the left labels in the user's own red.
const std::string RedLeft = "[DATA]\r\nDateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=1033\r\n"
                            "DateIndex2=21\r\nTimeIndex2=3\r\n[MODE]\r\nBlinkMode=2\r\n"
                            "[FONT]\r\nSameFont=0\r\nColor1=clRed\r\n";
constexpr Rgb Red = 0x0000FF;

class DesktopTest : public ::testing::Test, public FormFixture {
  protected:
    void Announce(UINT message, const wchar_t* area) {
        SendMessageW(form->Handle(), message, 0, reinterpret_cast<LPARAM>(area));
    }
    HWND Label(int index) const { return FormProbe(*form).Label(index).Handle(); }
};

TEST_F(DesktopTest, EachChoiceFollowsWindowsLiveAndKeepsTheUsersColours) {
    const Rgb lightFace = GetSysColor(COLOR_BTNFACE);
    for (const ThemeChoice choice :
         {ThemeChoice::FollowWindows, ThemeChoice::Light, ThemeChoice::Dark}) {
        theme.SetAppsLight(true);
        Start(RedLeft + "[DESKTOP]\r\nTheme=" + std::to_string(static_cast<int>(choice)) + "\r\n")
            .ShowFirst();
        for (const bool appsLight : {true, false, true}) {
            theme.SetAppsLight(appsLight);
            Announce(WM_SETTINGCHANGE, L"ImmersiveColorSet");
            const bool dark = ChooseLook(choice, {!appsLight, false}) == Look::Dark;
            const std::string trace = "choice " + std::to_string(static_cast<int>(choice)) +
                                      (appsLight ? " light" : " dark");
            const LabelColours right = Colours(Label(3)); // the default colour
            EXPECT_EQ(right.face, dark ? DarkColours::Face : lightFace) << trace;
            EXPECT_EQ(right.ink, dark ? DarkColours::Text : 0x000000u) << trace;
            if (dark) {
                EXPECT_GE(ContrastRatio(right.face, right.ink), 7.0) << trace;
            }
            const LabelColours left = Colours(Label(1)); // the user's red stays
            EXPECT_EQ(left.face, right.face) << trace;
            EXPECT_EQ(left.ink, Red) << trace;
            // The frame's face beside its name.
            const HWND frame = FormProbe(*form).Frame(1).Handle();
            UpdateWindow(frame); // as the message loop would
            RECT area{};
            GetClientRect(frame, &area);
            const WindowDc dc(frame);
            EXPECT_EQ(GetPixel(dc.get(), area.right - 3, 1), dark ? DarkColours::Face : lightFace)
                << trace;
        }
    }
}

TEST_F(DesktopTest, HighContrastTakesEveryColourFromTheSystem) {
    theme.SetAppsLight(false); // dark apps, and the file asks for dark too
    Start(RedLeft + "[DESKTOP]\r\nTheme=2\r\n").ShowFirst();
    EXPECT_EQ(Colours(Label(1)).ink, Red);
    theme.highContrast = true;
    Announce(WM_SYSCOLORCHANGE, nullptr);
    for (const int label : {1, 3}) {
        const LabelColours shown = Colours(Label(label));
        EXPECT_EQ(shown.face, GetSysColor(COLOR_BTNFACE)) << label;
        EXPECT_EQ(shown.ink, GetSysColor(COLOR_BTNTEXT)) << label; // the red one too
    }
    theme.highContrast = false;
    Announce(WM_THEMECHANGED, nullptr);
    EXPECT_EQ(Colours(Label(1)).ink, Red);
    EXPECT_EQ(Colours(Label(3)).face, DarkColours::Face);
}

TEST_F(DesktopTest, ClickThroughOnlyWhileTranslucentAndFromEveryMenu) {
    const auto through = [this] {
        return (GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    };
    Start("[MODE]\r\nViewRate=128\r\n[DESKTOP]\r\nClickThrough=1\r\nHideInFullScreen=1\r\n");
    EXPECT_TRUE(through());
    const HMENU options = GetSubMenu(FormProbe(*form).MainMenu(), 1);
    EXPECT_TRUE(MenuChecked(*form, options, ID_CLICKTHROUGH));
    EXPECT_TRUE(MenuChecked(*form, FormProbe(*form).PopupMenu(), ID_HIDEFULLSCREEN));

    // The title bar's and the taskbar button's system menus carry the
    // option menu's item, checked when they open, and turn it off.
    wchar_t expected[64]{};
    GetMenuStringW(options, ID_CLICKTHROUGH, expected, 64, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(expected), ToWide("クリックを透過(&K)\tCtrl+Alt+F12"));
    bool on = true;
    for (const HWND window : {form->Handle(), form->ApplicationHandle()}) {
        const HMENU system = GetSystemMenu(window, FALSE);
        wchar_t text[64]{};
        GetMenuStringW(system, ID_CLICKTHROUGH, text, 64, MF_BYCOMMAND);
        EXPECT_EQ(std::wstring(text), expected);
        SendMessageW(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(system), MAKELPARAM(0, 1));
        EXPECT_EQ((GetMenuState(system, ID_CLICKTHROUGH, MF_BYCOMMAND) & MF_CHECKED) != 0, on);
        SendMessageW(window, WM_SYSCOMMAND, ID_CLICKTHROUGH, 0);
        on = !on;
        EXPECT_EQ(through(), on);
    }
    // An opaque clock takes its clicks whatever the option says.
    Start("[MODE]\r\nViewRate=255\r\n[DESKTOP]\r\nClickThrough=1\r\n");
    EXPECT_FALSE(through());
    SendMessageW(form->Handle(), WM_COMMAND, ID_CLICKTHROUGH, 0);
    EXPECT_FALSE(through());
    EXPECT_FALSE(MenuChecked(*form, FormProbe(*form).PopupMenu(), ID_CLICKTHROUGH));
}

} // namespace
} // namespace velmora
