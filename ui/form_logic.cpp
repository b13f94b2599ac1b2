#include "ui/form_logic.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "settings/settings_writer.h"

namespace velmora {
namespace {

enum class Band { Low, Middle, High };

// Strict comparisons: a point exactly `GripWidth` inside an edge is not in
// its band; the low band wins where a small window lets both overlap.
Band BandOf(LONG value, LONG start, LONG length) {
    if (value < start + GripWidth)
        return Band::Low;
    if (value > start + length - GripWidth)
        return Band::High;
    return Band::Middle;
}

struct ZoneEntry {
    int zone;
    LPCWSTR cursor;
};

// Rows: top, middle, bottom band; columns: left, centre, right band.
const ZoneEntry ZoneTable[3][3] = {
    {{WMSZ_TOPLEFT, IDC_SIZENWSE}, {WMSZ_TOP, IDC_SIZENS}, {WMSZ_TOPRIGHT, IDC_SIZENESW}},
    {{WMSZ_LEFT, IDC_SIZEWE}, {0, IDC_ARROW}, {WMSZ_RIGHT, IDC_SIZEWE}},
    {{WMSZ_BOTTOMLEFT, IDC_SIZENESW}, {WMSZ_BOTTOM, IDC_SIZENS}, {WMSZ_BOTTOMRIGHT, IDC_SIZENWSE}},
};

int Row(Band band) {
    return band == Band::Low ? 0 : band == Band::Middle ? 1 : 2;
}

LONG SnapAxis(LONG low, LONG high, LONG areaLow, LONG areaHigh, int distance) {
    if (std::abs(low - areaLow) < distance)
        return areaLow;
    if (std::abs(high - areaHigh) < distance)
        return areaHigh - (high - low);
    return low;
}

Text Trim(Text text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && blank(text[first]))
        ++first;
    return text.substr(first);
}

} // namespace

BorderHit HitTestBorder(POINT screen, const RECT& window) {
    const Band vertical = BandOf(screen.y, window.top, window.bottom - window.top);
    const Band horizontal = BandOf(screen.x, window.left, window.right - window.left);
    const ZoneEntry& entry = ZoneTable[Row(vertical)][Row(horizontal)];
    return {entry.zone, entry.cursor};
}

RECT DraggedFromZone(const RECT& window, int zone, POINT moved) {
    const bool all = zone == 0;
    const bool left = all || zone == 1 || zone == 4 || zone == 7;
    const bool right = all || zone == 2 || zone == 5 || zone == 8;
    const bool top = all || (zone >= 3 && zone <= 5);
    const bool bottom = all || zone >= 6;
    return {window.left + (left ? moved.x : 0), window.top + (top ? moved.y : 0),
            window.right + (right ? moved.x : 0), window.bottom + (bottom ? moved.y : 0)};
}

bool CursorOnWindow(POINT screen, const RECT& window) {
    return screen.x >= window.left && screen.x <= window.right && screen.y >= window.top &&
           screen.y <= window.bottom;
}

int DateLabelHeight(int frameClientHeight, int labelTop) {
    return (frameClientHeight - labelTop) * 2 / 5;
}

FontRequest AutoScaleFontRequest(int frameClientHeight, const FontSettings& dateFont) {
    FontRequest request;
    // Positive: matched against the character cell height.
    request.height = frameClientHeight / 3;
    request.weight = HasStyle(dateFont.style, FontStyle::Bold) ? FW_BOLD : FW_NORMAL;
    request.italic = HasStyle(dateFont.style, FontStyle::Italic);
    request.underline = HasStyle(dateFont.style, FontStyle::Underline);
    request.strikeOut = HasStyle(dateFont.style, FontStyle::StrikeOut);
    request.charSet = SHIFTJIS_CHARSET;
    const std::size_t length = std::min<std::size_t>(dateFont.faceName.size(), 31);
    std::memcpy(request.faceName.data(), dateFont.faceName.data(), length);
    return request;
}

LOGFONTW ToLogFont(const FontRequest& request) {
    LOGFONTW font{};
    font.lfHeight = request.height;
    font.lfWeight = request.weight;
    font.lfItalic = request.italic;
    font.lfUnderline = request.underline;
    font.lfStrikeOut = request.strikeOut;
    font.lfCharSet = request.charSet;
    const std::wstring face = ToWide(request.faceName.data());
    std::wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return font;
}

FontSettings FontOfRequest(const FontRequest& request, Color color) {
    FontSettings font;
    font.faceName = request.faceName.data();
    font.height = request.height;
    font.style = StyleOf(request.weight, request.italic, request.underline, request.strikeOut);
    font.color = color;
    return font;
}

FontStyle StyleOf(LONG weight, BYTE italic, BYTE underline, BYTE strikeOut) {
    const auto effect = [](bool on, FontStyle style) { return on ? style : FontStyle::Regular; };
    return effect(weight >= FW_BOLD, FontStyle::Bold) | effect(italic, FontStyle::Italic) |
           effect(underline, FontStyle::Underline) | effect(strikeOut, FontStyle::StrikeOut);
}

LOGFONTW LogFontOf(const FontSettings& font) {
    FontRequest request = AutoScaleFontRequest(0, font);
    request.height = font.height;
    return ToLogFont(request);
}

POINT SnapToWorkArea(const RECT& window, const RECT& workArea, int distance) {
    return {SnapAxis(window.left, window.right, workArea.left, workArea.right, distance),
            SnapAxis(window.top, window.bottom, workArea.top, workArea.bottom, distance)};
}

RECT MovedInside(const RECT& window, const RECT& workArea) {
    // 64 bits: a placement from a file can hold any 32-bit values.
    const auto axis = [](LONG start, LONG end, LONG low, LONG high) {
        const std::int64_t size = std::max<std::int64_t>(std::int64_t{end} - start, 0);
        const std::int64_t moved =
            std::max<std::int64_t>(low, std::min<std::int64_t>(start, high - size));
        const auto fit = [](std::int64_t v) {
            return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
        };
        return std::pair{fit(moved), fit(moved + size)};
    };
    const auto [left, right] = axis(window.left, window.right, workArea.left, workArea.right);
    const auto [top, bottom] = axis(window.top, window.bottom, workArea.top, workArea.bottom);
    return {left, top, right, bottom};
}

POINT CentredIn(const RECT& workArea, SIZE size) {
    const LONG spareWidth = workArea.right - workArea.left - size.cx;
    const LONG spareHeight = workArea.bottom - workArea.top - size.cy;
    return {workArea.left + std::max(spareWidth / 2, 0L),
            workArea.top + std::max(spareHeight / 2, 0L)};
}

Text ErrorBoxText(const Text& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

UINT NextTickDelay(int millisecond) {
    // The extra millisecond keeps the timer from landing a hair before the
    // boundary, where the label would show the old second once more.
    return static_cast<UINT>(1000 - std::clamp(millisecond, 0, 999) + 1);
}

UINT NextTickPeriod(int millisecond, UINT period) {
    // A periodic timer keeps its phase. One that fell due just past the
    // boundary stays there with a period of a second and need not be set
    // again, which would cost a request to the window server every second;
    // one that fell out of step is aimed at the next boundary again.
    constexpr int InStepMilliseconds = 8;
    if (millisecond >= 1 && millisecond <= InStepMilliseconds)
        return period == SteadyTickPeriod ? 0 : SteadyTickPeriod;
    return NextTickDelay(millisecond);
}

Text SiblingPath(const Text& path, const Text& ending) {
    const PathParts parts = SplitPath(path);
    const std::size_t dot = parts.fileName.rfind('.');
    const Text stem = dot == Text::npos ? parts.fileName : parts.fileName.substr(0, dot);
    return parts.directory + stem + ending;
}

Text IniPathOf(const Text& path) {
    return SiblingPath(path, ".ini");
}

namespace {

// Whether anything but blanks follows the program's name, which is quoted up
// to the next quote or else ends at the first blank. Without, the shell's
// parser (and with it the shell's code) is not needed at all.
bool HasArguments(std::wstring_view commandLine) {
    std::size_t end = 0;
    if (commandLine.starts_with(L'"')) {
        end = commandLine.find(L'"', 1);
        end = end == commandLine.npos ? commandLine.size() : end + 1;
    } else {
        end = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    return commandLine.find_first_not_of(L" \t", end) != commandLine.npos;
}

} // namespace

StartupChoice ChooseStartupFile(const std::wstring& commandLine, const Text& executablePath) {
    if (!HasArguments(commandLine))
        return {IniPathOf(executablePath), false};
    int count = 0;
    const UniqueLocal<LPWSTR> arguments(CommandLineToArgvW(commandLine.c_str(), &count));
    StartupChoice choice;
    if (arguments && count >= 2) {
        choice.file = Trim(FromWide(arguments.get()[1]));
        choice.fromCommandLine = true;
    } else {
        choice.file = IniPathOf(executablePath);
    }
    return choice;
}

COLORREF ResolveColor(Color color) {
    const auto value = static_cast<std::uint32_t>(color);
    if ((value & 0xFF000000u) == 0xFF000000u)
        return GetSysColor(static_cast<int>(value & 0xFFu));
    if (value == 0x1FFFFFFFu || value == 0x20000000u)
        return GetSysColor(COLOR_WINDOWTEXT);
    return static_cast<COLORREF>(value & 0x00FFFFFFu);
}

} // namespace velmora
