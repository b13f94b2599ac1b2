// Automatic font sizing creates two fonts per clock on every resize; the
// ones they replace must be gone, or a clock that runs for months runs out
// of GDI objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "process_figures.h"
#include "tests/win/form_probe.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using testing::FormFixture;
using testing::SetFrameHeight;

class ResizeTest : public ::testing::Test, public FormFixture {};

TEST_F(ResizeTest, ManyResizesLeakNoFonts) {
    TForm1& window = Start("[FONT]\r\nAutoScale=1\r\n");
    window.FormResize(); // the first resize after a read only arms
    // With the mouse over the window every resize scales the fonts itself;
    // where the mouse cannot be placed the test scales them after each resize.
    RECT outer{};
    GetWindowRect(window.Handle(), &outer);
    SetCursorPos((outer.left + outer.right) / 2, outer.top + 10);
    POINT cursor{};
    GetCursorPos(&cursor);
    const bool resizeScales = cursor.x == (outer.left + outer.right) / 2;

    // One round of every height first: the first drawing at a new size may
    // keep objects that later drawings reuse; what must not grow is the count
    // over many rounds. Shown, the labels draw with each font they are given
    // (hidden, the many rounds go faster).
    std::set<HFONT> seen;
    window.ShowFirst();
    for (int i = 0; i < 50; ++i) {
        SetFrameHeight(window, 60 + i);
        window.AdjustFontSize();
        UpdateWindow(window.Handle());
        for (int label = 0; label < 4; ++label)
            seen.insert(FormProbe(window).Label(label).FontHandle());
    }
    ShowWindow(window.Handle(), SW_HIDE);
    const std::size_t objectsBefore = testing::FiguresOf(GetCurrentProcess()).gdiObjects;
    ASSERT_GT(objectsBefore, 0u);
    for (int i = 0; i < 10000; ++i) {
        SetFrameHeight(window, 60 + i % 50);
        if (!resizeScales)
            window.AdjustFontSize();
        for (int label = 0; label < 4; ++label)
            seen.insert(FormProbe(window).Label(label).FontHandle());
    }
    std::set<HFONT> current;
    for (int label = 0; label < 4; ++label)
        current.insert(FormProbe(window).Label(label).FontHandle());
    // Every font that a later one replaced is gone.
    EXPECT_GE(seen.size(), 4u * 50u);
    int alive = 0;
    for (HFONT font : seen)
        if (!current.contains(font) && GetObjectType(font) == OBJ_FONT)
            ++alive;
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(testing::FiguresOf(GetCurrentProcess()).gdiObjects, objectsBefore);
}

} // namespace
} // namespace velmora
