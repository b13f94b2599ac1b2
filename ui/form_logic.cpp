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

Text ErrorBoxText(const Text& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
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

LPCWSTR CursorResource(ZoneCursor cursor) {
    switch (cursor) {
    case ZoneCursor::WestEast:
        return IDC_SIZEWE;
    case ZoneCursor::NorthSouth:
        return IDC_SIZENS;
    case ZoneCursor::NorthwestSoutheast:
        return IDC_SIZENWSE;
    case ZoneCursor::NortheastSouthwest:
        return IDC_SIZENESW;
    case ZoneCursor::Arrow:
        break;
    }
    return IDC_ARROW;
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
