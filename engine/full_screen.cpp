#include "engine/full_screen.h"

namespace velmora {

bool IsFullScreenProgram(const ForegroundWindow& window) {
    if (!window.shown || window.ours || window.desktop)
        return false;
    // A maximised ordinary window keeps its title bar, and on a monitor
    // without a taskbar covers it just as a full-screen one does.
    if (window.hasCaption)
        return false;
    const Rect& b = window.bounds;
    const Rect& m = window.monitor;
    const bool monitorKnown = m.right > m.left && m.bottom > m.top;
    return monitorKnown && b.left <= m.left && b.top <= m.top && b.right >= m.right &&
           b.bottom >= m.bottom;
}

} // namespace velmora
