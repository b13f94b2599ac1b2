#include "engine/window_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace velmora {
namespace {

enum class Band { Low, Middle, High };

// Strict comparisons: a point exactly `GripWidth` inside an edge is not in
// its band; the low band wins where a small window lets both overlap.
Band BandOf(std::int32_t value, std::int32_t start, std::int32_t length) {
    if (value < start + GripWidth)
        return Band::Low;
    if (value > start + length - GripWidth)
        return Band::High;
    return Band::Middle;
}

// Rows: top, middle, bottom band; columns: left, centre, right band.
constexpr BorderHit ZoneTable[3][3] = {
    {{BorderZone::TopLeft, ZoneCursor::NorthwestSoutheast},
     {BorderZone::Top, ZoneCursor::NorthSouth},
     {BorderZone::TopRight, ZoneCursor::NortheastSouthwest}},
    {{BorderZone::Left, ZoneCursor::WestEast},
     {BorderZone::Inside, ZoneCursor::Arrow},
     {BorderZone::Right, ZoneCursor::WestEast}},
    {{BorderZone::BottomLeft, ZoneCursor::NortheastSouthwest},
     {BorderZone::Bottom, ZoneCursor::NorthSouth},
     {BorderZone::BottomRight, ZoneCursor::NorthwestSoutheast}},
};

int Row(Band band) {
    return band == Band::Low ? 0 : band == Band::Middle ? 1 : 2;
}

std::int32_t SnapAxis(std::int32_t low, std::int32_t high, std::int32_t areaLow,
                      std::int32_t areaHigh, int distance) {
    if (std::abs(low - areaLow) < distance)
        return areaLow;
    if (std::abs(high - areaHigh) < distance)
        return areaHigh - (high - low);
    return low;
}

} // namespace

BorderHit HitTestBorder(Point screen, const Rect& window) {
    const Band vertical = BandOf(screen.y, window.top, window.bottom - window.top);
    const Band horizontal = BandOf(screen.x, window.left, window.right - window.left);
    return ZoneTable[Row(vertical)][Row(horizontal)];
}

Rect DraggedFromZone(const Rect& window, BorderZone zone, Point moved) {
    using enum BorderZone;
    const bool all = zone == Inside;
    const bool left = all || zone == Left || zone == TopLeft || zone == BottomLeft;
    const bool right = all || zone == Right || zone == TopRight || zone == BottomRight;
    const bool top = all || zone == Top || zone == TopLeft || zone == TopRight;
    const bool bottom = all || zone == Bottom || zone == BottomLeft || zone == BottomRight;
    return {window.left + (left ? moved.x : 0), window.top + (top ? moved.y : 0),
            window.right + (right ? moved.x : 0), window.bottom + (bottom ? moved.y : 0)};
}

bool CursorOnWindow(Point screen, const Rect& window) {
    return screen.x >= window.left && screen.x <= window.right && screen.y >= window.top &&
           screen.y <= window.bottom;
}

int DateLabelHeight(int frameClientHeight, int labelTop) {
    return (frameClientHeight - labelTop) * 2 / 5;
}

// However narrow the window, the other clock keeps a frame that can be grabbed.
int AnchoredFrameWidth(int wanted, int room, int least) {
    room = std::max(room, 0);
    const int kept = std::min(least, room / 2);
    return std::clamp(wanted, kept, room - kept);
}

Point SnapToWorkArea(const Rect& window, const Rect& workArea, int distance) {
    return {SnapAxis(window.left, window.right, workArea.left, workArea.right, distance),
            SnapAxis(window.top, window.bottom, workArea.top, workArea.bottom, distance)};
}

Rect MovedInside(const Rect& window, const Rect& workArea) {
    // 64 bits: a placement from a file can hold any 32-bit values.
    const auto axis = [](std::int32_t start, std::int32_t end, std::int32_t low,
                         std::int32_t high) {
        const std::int64_t size = std::max<std::int64_t>(std::int64_t{end} - start, 0);
        const std::int64_t moved =
            std::max<std::int64_t>(low, std::min<std::int64_t>(start, high - size));
        const auto fit = [](std::int64_t v) {
            return static_cast<std::int32_t>(
                std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()));
        };
        return std::pair{fit(moved), fit(moved + size)};
    };
    const auto [left, right] = axis(window.left, window.right, workArea.left, workArea.right);
    const auto [top, bottom] = axis(window.top, window.bottom, workArea.top, workArea.bottom);
    return {left, top, right, bottom};
}

Point CentredIn(const Rect& workArea, std::int32_t width, std::int32_t height) {
    const std::int32_t spareWidth = workArea.right - workArea.left - width;
    const std::int32_t spareHeight = workArea.bottom - workArea.top - height;
    return {workArea.left + std::max(spareWidth / 2, 0),
            workArea.top + std::max(spareHeight / 2, 0)};
}

unsigned NextTickDelay(int millisecond) {
    // The extra millisecond keeps the timer from landing a hair before the
    // boundary, where the label would show the old second once more.
    return static_cast<unsigned>(1000 - std::clamp(millisecond, 0, 999) + 1);
}

unsigned NextTickPeriod(int millisecond, unsigned period) {
    // A periodic timer keeps its phase. One that fell due just past the
    // boundary stays there with a period of a second and need not be set
    // again, which would cost a request to the window server every second;
    // one that fell out of step is aimed at the next boundary again.
    constexpr int InStepMilliseconds = 8;
    if (millisecond >= 1 && millisecond <= InStepMilliseconds)
        return period == SteadyTickPeriod ? 0 : SteadyTickPeriod;
    return NextTickDelay(millisecond);
}

} // namespace velmora
