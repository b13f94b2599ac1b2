// The main window's arithmetic, swept over every pixel, distance, width and
// millisecond that matters.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "engine/window_geometry.h"

namespace velmora {
namespace {

// A 200 x 100 window at (100, 50): the bands are 8 pixels wide.
constexpr Rect Window{100, 50, 300, 150};

// The edges a zone sizes, as dragging it by one pixel each way moves them.
Rect EdgesOf(BorderZone zone) {
    const Rect moved = DraggedFromZone({0, 0, 0, 0}, zone, {1, 1});
    return moved;
}

TEST(HitTestBorder, EveryPixelOfTheBandsAndAround) {
    for (const Rect& window : {Window, Rect{0, 0, 200, 10}, Rect{-40, 7, -28, 60}}) {
        for (std::int32_t y = window.top - 3; y <= window.bottom + 3; ++y) {
            for (std::int32_t x = window.left - 3; x <= window.right + 3; ++x) {
                const BorderHit hit = HitTestBorder({x, y}, window);
                // Strictly within 8 of an edge (or beyond it) is its band; the
                // left and top bands win where a small window lets both meet.
                const bool left = x < window.left + GripWidth;
                const bool right = !left && x > window.right - GripWidth;
                const bool top = y < window.top + GripWidth;
                const bool bottom = !top && y > window.bottom - GripWidth;
                const Rect edges = EdgesOf(hit.zone);
                const bool inside = hit.zone == BorderZone::Inside;
                EXPECT_EQ(inside ? false : edges.left == 1, left) << x << "," << y;
                EXPECT_EQ(inside ? false : edges.right == 1, right) << x << "," << y;
                EXPECT_EQ(inside ? false : edges.top == 1, top) << x << "," << y;
                EXPECT_EQ(inside ? false : edges.bottom == 1, bottom) << x << "," << y;
                EXPECT_EQ(inside, !left && !right && !top && !bottom) << x << "," << y;
                const ZoneCursor cursor = !(left || right) ? ZoneCursor::NorthSouth
                                          : !(top || bottom)
                                              ? ZoneCursor::WestEast
                                              : (left == top ? ZoneCursor::NorthwestSoutheast
                                                             : ZoneCursor::NortheastSouthwest);
                EXPECT_EQ(hit.cursor, inside ? ZoneCursor::Arrow : cursor) << x << "," << y;
            }
        }
    }
}

TEST(DraggedFromZone, MovesTheZonesEdgesOrTheWholeWindow) {
    using enum BorderZone;
    const struct {
        BorderZone zone;
        Rect dragged;
    } cases[] = {
        {Inside, {103, 45, 303, 145}},      {Left, {103, 50, 300, 150}},
        {Right, {100, 50, 303, 150}},       {Top, {100, 45, 300, 150}},
        {TopLeft, {103, 45, 300, 150}},     {TopRight, {100, 45, 303, 150}},
        {Bottom, {100, 50, 300, 145}},      {BottomLeft, {103, 50, 300, 145}},
        {BottomRight, {100, 50, 303, 145}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DraggedFromZone(Window, c.zone, {3, -5}), c.dragged) << int(c.zone);
}

TEST(WindowGeometry, CursorOnWindowAndDateLabelHeight) {
    EXPECT_TRUE(CursorOnWindow({100, 50}, Window)); // the edges count
    EXPECT_TRUE(CursorOnWindow({300, 150}, Window));
    EXPECT_FALSE(CursorOnWindow({99, 100}, Window));
    EXPECT_FALSE(CursorOnWindow({200, 151}, Window));
    // Two fifths below the caption, truncated toward zero.
    for (const auto& [frame, height] : {std::pair{83, 27}, {60, 18}, {16, 0}, {10, -2}})
        EXPECT_EQ(DateLabelHeight(frame, 15), height) << frame;
}

// Every distance from 0 to 40 pixels, inside and beyond each edge of the
// work area: within 10 the edge lands on the work area's, the other axis and
// the size stay.
TEST(SnapToWorkArea, EveryDistanceOnEachEdge) {
    constexpr Rect Work{0, 0, 1280, 770};
    for (int distance = 0; distance <= 40; ++distance) {
        for (const int side : {1, -1}) { // inside, beyond
            const int d = side * distance;
            const bool snaps = distance < SnapDistance;
            const struct {
                Rect window;
                Point snapped;
            } cases[] = {
                {{d, 300, d + 200, 400}, {0, 300}},
                {{1080 - d, 300, 1280 - d, 400}, {1080, 300}},
                {{500, d, 700, d + 100}, {500, 0}},
                {{500, 670 - d, 700, 770 - d}, {500, 670}},
            };
            for (const auto& [window, snapped] : cases) {
                const Point expected = snaps ? snapped : Point{window.left, window.top};
                EXPECT_EQ(SnapToWorkArea(window, Work, SnapDistance), expected)
                    << window.left << "," << window.top;
            }
        }
    }
    // A corner snaps on both axes; left before right in a window as wide.
    EXPECT_EQ(SnapToWorkArea({3, 672, 203, 772}, Work, SnapDistance), (Point{0, 670}));
    EXPECT_EQ(SnapToWorkArea({4, 0, 1276, 100}, Work, SnapDistance), (Point{0, 0}));
}

// Every room from nothing to 600 pixels, and every wanted width around it:
// each frame keeps the least width or half the room, and a width within those
// limits is kept as wanted.
TEST(AnchoredFrameWidth, EveryRoomAndWidth) {
    constexpr int Least = 40;
    for (int room = -2; room <= 600; ++room) {
        const int kept = std::min(Least, std::max(room, 0) / 2);
        for (int wanted = -3; wanted <= room + 3; ++wanted) {
            const int width = AnchoredFrameWidth(wanted, room, Least);
            EXPECT_GE(width, kept) << room << " " << wanted;
            EXPECT_GE(std::max(room, 0) - width, kept) << room << " " << wanted;
            if (wanted >= kept && wanted <= room - kept) {
                EXPECT_EQ(width, wanted) << room << " " << wanted;
            }
        }
    }
}

// Every millisecond of the second (and beyond it) with the periods the timer
// can have: the next tick lands 1 to 8 milliseconds past a boundary, and a
// one-second timer already there is left alone.
TEST(NextTickPeriod, EveryMillisecondLandsJustPastTheBoundary) {
    for (int millisecond = -3; millisecond <= 1003; ++millisecond) {
        for (const unsigned period : {0u, 2u, 992u, 999u, 1000u, 1001u, 1500u}) {
            const unsigned next = NextTickPeriod(millisecond, period);
            const int at = std::clamp(millisecond, 0, 999);
            const bool inStep = millisecond >= 1 && millisecond <= 8;
            if (inStep && period == SteadyTickPeriod) {
                EXPECT_EQ(next, 0u) << millisecond;
                continue;
            }
            ASSERT_GE(next, 2u) << millisecond << " " << period;
            const int lands = static_cast<int>((static_cast<unsigned>(at) + next) % 1000);
            EXPECT_GE(lands, 1) << millisecond << " " << period;
            EXPECT_LE(lands, 8) << millisecond << " " << period;
            EXPECT_EQ(next == SteadyTickPeriod, inStep)
                << millisecond << " " << period;
        }
    }
}

TEST(MovedInside, KeepsTheSizeAndTakesTheShortestWay) {
    constexpr Rect Work{0, 0, 1280, 770};
    const std::pair<Rect, Rect> cases[] = {
        {{-30000, -30000, -29600, -29860}, {0, 0, 400, 140}}, // far up and left
        {{3000, 200, 3400, 340}, {880, 200, 1280, 340}},      // right of the screen
        {{500, 900, 900, 1040}, {500, 630, 900, 770}},        // below it
        {{100, 100, 500, 240}, {100, 100, 500, 240}},         // inside: unchanged
        {{-100, 700, 300, 840}, {0, 630, 400, 770}},          // across a corner
        {{-5000, 0, -3000, 2000}, {0, 0, 2000, 2000}},        // bigger: starts at the corner
        {{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, {1280, 770, 1280, 770}}, // no size
        {{INT32_MIN, 10, INT32_MAX, 20}, {0, 10, INT32_MAX, 20}}, // wider than 32 bits hold
        {{600, 500, 200, 300}, {600, 500, 600, 500}},             // inverted: no size
    };
    for (const auto& [window, moved] : cases)
        EXPECT_EQ(MovedInside(window, Work), moved) << window.left << "," << window.top;
    // A second monitor's work area.
    EXPECT_EQ(MovedInside({-400, 100, 0, 240}, {1280, -200, 2560, 824}),
              (Rect{1280, 100, 1680, 240}));
}

TEST(CentredIn, CentresOnTheGivenMonitorsWorkArea) {
    // A primary monitor with a taskbar at the bottom, and a second one left
    // of it and higher up.
    constexpr Rect Primary{0, 0, 1920, 1040};
    constexpr Rect Second{-1280, -200, 0, 800};
    const struct {
        Rect workArea;
        std::int32_t width, height;
        Point expected;
    } cases[] = {
        {Primary, 400, 380, {760, 330}},
        {Second, 400, 380, {-840, 110}},
        {Second, 401, 381, {-841, 109}},
        {Second, 1400, 380, {-1280, 110}}, // wider: the left edge stays on it
        {Second, 400, 1100, {-840, -200}}, // taller: the caption stays on it
    };
    for (const auto& c : cases)
        EXPECT_EQ(CentredIn(c.workArea, c.width, c.height), c.expected) << c.workArea.left;
}

} // namespace
} // namespace velmora
