#include "engine/text_win.h"

#include <windows.h>

namespace velmora {

std::wstring ToWide(std::string_view cp932) {
    if (cp932.empty())
        return {};
    const int size = static_cast<int>(cp932.size());
    const int length = MultiByteToWideChar(CodePage932, 0, cp932.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CodePage932, 0, cp932.data(), size, wide.data(), length);
    return wide;
}

Text FromWide(std::wstring_view utf16) {
    if (utf16.empty())
        return {};
    const int size = static_cast<int>(utf16.size());
    const int length =
        WideCharToMultiByte(CodePage932, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    Text text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CodePage932, 0, utf16.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

std::wstring ToWindowsText(std::u16string_view shown) {
    return std::wstring(shown.begin(), shown.end());
}

WideText FromWindowsText(std::wstring_view utf16) {
    return WideText(utf16.begin(), utf16.end());
}

char16_t DecodeCp932Character(std::string_view character) {
    wchar_t unit = 0;
    if (MultiByteToWideChar(CodePage932, 0, character.data(), static_cast<int>(character.size()),
                            &unit, 1) != 1)
        return ReplacementCharacter;
    return static_cast<char16_t>(unit);
}

} // namespace velmora
