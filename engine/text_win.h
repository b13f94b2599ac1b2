#pragma once
// Conversions at the Windows boundary: the clock's code page 932 text to and
// from UTF-16 for the W functions, whatever the system code page is.
#include <string>
#include <string_view>

#include "engine/text.h"

namespace velmora {

constexpr unsigned CodePage932 = 932;

std::wstring ToWide(std::string_view cp932);
// Characters that code page 932 cannot hold become "?".
Text FromWide(std::wstring_view utf16);

} // namespace velmora
