#pragma once
// Conversions at the Windows boundary: the clock's code page 932 text to and
// from UTF-16 for the W functions, whatever the system code page is.
#include <string>
#include <string_view>

#include "engine/text.h"
#include "engine/wide_text.h"

namespace velmora {

constexpr unsigned CodePage932 = 932;

std::wstring ToWide(std::string_view cp932);
// Characters that code page 932 cannot hold become "?".
Text FromWide(std::wstring_view utf16);

// Shown text for the W functions, and back: the same UTF-16 units.
std::wstring ToWindowsText(std::u16string_view shown);
WideText FromWindowsText(std::wstring_view utf16);

// One character of code page 932 text (one or two bytes).
char16_t DecodeCp932Character(std::string_view character);

} // namespace velmora
