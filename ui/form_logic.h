#pragma once
// The main window's decisions that need no window: border zones, layout
// sizes, font requests, snapping, the start-up file and the error box text.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "engine/text.h"
#include "settings/settings_record.h"

namespace velmora {

// Width of the border band that sizes a window without a title bar.
constexpr int GripWidth = 8;
// Edges closer than this to the work area's edges are placed on them.
constexpr int SnapDistance = 10;

struct BorderHit {
    int zone;       // 0 inside; 1..8 the sizing edges WMSZ_LEFT .. WMSZ_BOTTOMRIGHT
    LPCWSTR cursor; // IDC_ARROW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZENWSE or IDC_SIZENESW
};
BorderHit HitTestBorder(POINT screen, const RECT& window);

// The window rectangle after the pointer `moved` while dragging zone 0 (the
// whole window) or the edges of zone 1..8.
RECT DraggedFromZone(const RECT& window, int zone, POINT moved);

// Whether a screen point lies on the window's outer rectangle, edges included.
bool CursorOnWindow(POINT screen, const RECT& window);

// The date label's share of the frame below its caption: two fifths.
int DateLabelHeight(int frameClientHeight, int labelTop);

// The font request of the automatic font size: a cell height of a third of
// the frame, the date font's weight, style and face, Shift-JIS.
struct FontRequest {
    LONG height = 0;
    LONG weight = 0;
    BYTE italic = 0;
    BYTE underline = 0;
    BYTE strikeOut = 0;
    BYTE charSet = 0;
    std::array<char, 32> faceName{}; // code page 932, zero-filled
};
FontRequest AutoScaleFontRequest(int frameClientHeight, const FontSettings& dateFont);
LOGFONTW ToLogFont(const FontRequest& request);
// The platform font for a label font.
LOGFONTW LogFontOf(const FontSettings& font);
// The style of a platform font's weight and effects.
FontStyle StyleOf(LONG weight, BYTE italic, BYTE underline, BYTE strikeOut);
// The label font that a created font request stands for; the colour stays.
FontSettings FontOfRequest(const FontRequest& request, Color color);

// The top-left corner that puts an edge within `distance` of the work area's
// same edge exactly on it; left before right, top before bottom.
POINT SnapToWorkArea(const RECT& window, const RECT& workArea, int distance);

// The window moved the least that puts it inside the work area, its size
// kept; one wider or taller than the work area starts at its left or top.
RECT MovedInside(const RECT& window, const RECT& workArea);

// The top-left corner that centres a window of `size` in the work area; one
// larger than the work area keeps its top-left corner, and with it the
// caption, inside.
POINT CentredIn(const RECT& workArea, SIZE size);

// Window captions show at most this much of a text from a settings file:
// nothing longer fits on a screen, and the platform's title handling (the
// taskbar; X under Wine, which ends the program) does not cope with
// megabytes.
constexpr std::size_t MaxShownTextBytes = 1024;

// The standard error box's text: "." appended when the last byte sorts after ".".
Text ErrorBoxText(const Text& message);

// Milliseconds from `millisecond` within the current second to just past the
// next second boundary.
UINT NextTickDelay(int millisecond);

// The tick timer's period once it falls due just past each second.
constexpr UINT SteadyTickPeriod = 1000;

// The period to give the tick timer after a tick `millisecond` into the
// second while it runs every `period` milliseconds, or 0 to leave it be.
UINT NextTickPeriod(int millisecond, UINT period);

// The path with its file name's extension replaced by `ending` (appended
// when the name has none).
Text SiblingPath(const Text& path, const Text& ending);
Text IniPathOf(const Text& path);

struct StartupChoice {
    Text file;
    bool fromCommandLine = false; // enables the main menu's save item
};
// The first argument of the command line, trimmed of blanks and control
// bytes, or else the executable's ".ini".
StartupChoice ChooseStartupFile(const std::wstring& commandLine, const Text& executablePath);

// A settings colour as a GDI colour: system colours resolved, "none" and
// "default" drawn as window text.
COLORREF ResolveColor(Color color);

} // namespace velmora
