#pragma once
// The main window's arithmetic that needs no window: border zones and
// dragging, snapping to a work area, moving onto one, centring, the frames'
// widths beside the divider, the date label's height and the tick timer's
// period. Coordinates are screen pixels as the platform gives them.
#include <cstdint>

namespace velmora {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const Rect&) const = default;
};

// Width of the border band that sizes a window without a title bar.
constexpr int GripWidth = 8;
// Edges closer than this to the work area's edges are placed on them.
constexpr int SnapDistance = 10;

// Where the pointer is in the border band: the sizing edges numbered as the
// platform numbers them (WMSZ_LEFT .. WMSZ_BOTTOMRIGHT); Inside moves.
enum class BorderZone : int {
    Inside = 0,
    Left = 1,
    Right = 2,
    Top = 3,
    TopLeft = 4,
    TopRight = 5,
    Bottom = 6,
    BottomLeft = 7,
    BottomRight = 8,
};

// The pointer's shape over a zone.
enum class ZoneCursor { Arrow, WestEast, NorthSouth, NorthwestSoutheast, NortheastSouthwest };

struct BorderHit {
    BorderZone zone;
    ZoneCursor cursor;
};
BorderHit HitTestBorder(Point screen, const Rect& window);

// The window rectangle after the pointer `moved` while dragging the whole
// window (Inside) or the edges of a zone.
Rect DraggedFromZone(const Rect& window, BorderZone zone, Point moved);

// Whether a screen point lies on the window's outer rectangle, edges included.
bool CursorOnWindow(Point screen, const Rect& window);

// The date label's share of the frame below its caption: two fifths.
int DateLabelHeight(int frameClientHeight, int labelTop);

// The width of the frame on the divider's anchored side, given the `room`
// both frames share: as `wanted`, but never so wide or narrow that either
// frame is narrower than `least` (or than half the room, when that is less).
int AnchoredFrameWidth(int wanted, int room, int least);

// The top-left corner that puts an edge within `distance` of the work area's
// same edge exactly on it; left before right, top before bottom.
Point SnapToWorkArea(const Rect& window, const Rect& workArea, int distance);

// The window moved the least that puts it inside the work area, its size
// kept; one wider or taller than the work area starts at its left or top.
Rect MovedInside(const Rect& window, const Rect& workArea);

// The top-left corner that centres a window of width by height in the work
// area; one larger than the work area keeps its top-left corner, and with it
// the caption, inside.
Point CentredIn(const Rect& workArea, std::int32_t width, std::int32_t height);

// Milliseconds from `millisecond` within the current second to just past the
// next second boundary.
unsigned NextTickDelay(int millisecond);

// The tick timer's period once it falls due just past each second.
constexpr unsigned SteadyTickPeriod = 1000;

// The period to give the tick timer after a tick `millisecond` into the
// second while it runs every `period` milliseconds, or 0 to leave it be.
unsigned NextTickPeriod(int millisecond, unsigned period);

} // namespace velmora
