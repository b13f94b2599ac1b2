// Moving and sizing the main window by its surface and border bands, and
// snapping it to the work area's edges.
#include "ui/main_form.h"

#include <utility>

#include "settings/window_design.h"
#include "ui/child_windows.h"
#include "ui/form_logic.h"

namespace velmora {

void TForm1::SnapMove(WINDOWPOS& position) const {
    if ((position.flags & SWP_NOMOVE) || !IsWindowVisible(window_) || IsZoomed(window_) ||
        IsIconic(window_))
        return;
    const RECT current = WindowRect(window_);
    const int width = current.right - current.left;
    const int height = current.bottom - current.top;
    if (!(position.flags & SWP_NOSIZE) && (position.cx != width || position.cy != height))
        return;
    const RECT moved{position.x, position.y, position.x + width, position.y + height};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&moved, MONITOR_DEFAULTTONEAREST), &monitor);
    const Point snapped = SnapToWorkArea(ToRect(moved), ToRect(monitor.rcWork), SnapDistance);
    position.x = snapped.x;
    position.y = snapped.y;
}

// The move loop adds each pointer step to the rectangle given back last, so
// the snap is taken out before snapping again: the window follows the
// pointer away from an edge in steps of any size.
void TForm1::SnapDrag(RECT& rect) {
    OffsetRect(&rect, -snapShift_.x, -snapShift_.y);
    WINDOWPOS position{
        window_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0};
    SnapMove(position);
    snapShift_ = {position.x - rect.left, position.y - rect.top};
    OffsetRect(&rect, snapShift_.x, snapShift_.y);
}

// The window's own surface and the frames and labels, which pass the
// pointer through to it; not the divider.
bool TForm1::TakesZoneCursor(HWND target) const {
    return target == window_ || (IsChild(window_, target) && target != splitter1_.Handle());
}

void TForm1::FormMouseMove(WPARAM keys, POINT client) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const BorderHit hit = HitTestBorder(ToPoint(cursor), ToRect(WindowRect(window_)));
    cursor_ = CursorResource(hit.cursor);
    SetCursor(LoadCursorW(nullptr, cursor_));
    const std::optional<POINT> pressed = std::exchange(pressedAt_, std::nullopt);
    if (!(keys & MK_LBUTTON))
        return;
    ReleaseCapture();
    // With a title bar the window has a sizing frame of its own.
    if (hit.zone != BorderZone::Inside && state_.ShowTitleBar)
        return;
    // The system's loop follows the pointer from where it is now: the way it
    // came since the press is applied first, so the grabbed point stays under it.
    if (pressed && !IsZoomed(window_)) {
        RECT dragged = ToRECT(DraggedFromZone(ToRect(WindowRect(window_)), hit.zone,
                                              {cursor.x - pressed->x, cursor.y - pressed->y}));
        if (hit.zone == BorderZone::Inside)
            SnapDrag(dragged);
        SetWindowPos(window_, nullptr, dragged.left, dragged.top, dragged.right - dragged.left,
                     dragged.bottom - dragged.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const LPARAM position = MAKELPARAM(client.x, client.y);
    const WPARAM command = hit.zone == BorderZone::Inside ? SC_MOVE | HTCAPTION
                                                          : SC_SIZE + static_cast<WPARAM>(hit.zone);
    SendMessageW(window_, WM_SYSCOMMAND, command, position);
}

} // namespace velmora
