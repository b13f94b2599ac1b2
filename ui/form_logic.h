#pragma once
// The main window's decisions on platform types: font requests, cursors,
// colours, the start-up file and the error box text. The arithmetic that
// needs no platform type is engine/window_geometry.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "engine/text.h"
#include "engine/window_geometry.h"
#include "settings/settings_record.h"

namespace velmora {

// Between the platform's rectangles and points and the geometry's.
inline Rect ToRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
inline RECT ToRECT(const Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}
inline Point ToPoint(POINT p) {
    return {p.x, p.y};
}

// The system cursor shown over a zone.
LPCWSTR CursorResource(ZoneCursor cursor);

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

// Window captions show at most this much of a text from a settings file:
// nothing longer fits on a screen, and the platform's title handling (the
// taskbar; X under Wine, which ends the program) does not cope with
// megabytes.
constexpr std::size_t MaxShownTextBytes = 1024;

// The standard error box's text: "." appended when the last byte sorts after ".".
Text ErrorBoxText(const Text& message);

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
