#include "engine/locale_source_win.h"

#include <windows.h>

#include <string>

#include "engine/text_win.h"

namespace velmora {

namespace {

constexpr std::size_t MaxItemBytes = 255;

// The clock's records hold at most 255 bytes of code page 932 per item; a
// longer text is treated as one that could not be read, so the default
// applies.
std::optional<std::wstring> ReadItem(std::int32_t lcid, std::uint32_t item) {
    const auto id = static_cast<LCID>(lcid);
    const int length = GetLocaleInfoW(id, item, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (GetLocaleInfoW(id, item, wide.data(), length) <= 0)
        return std::nullopt;
    wide.resize(wcsnlen(wide.c_str(), wide.size()));
    if (FromWide(wide).size() > MaxItemBytes)
        return std::nullopt;
    return wide;
}

} // namespace

std::optional<Text> Win32LocaleSource::LocaleInfo(std::int32_t lcid, std::uint32_t item) const {
    const std::optional<std::wstring> wide = ReadItem(lcid, item);
    if (!wide)
        return std::nullopt;
    return FromWide(*wide);
}

std::optional<WideText> Win32LocaleSource::LocaleText(std::int32_t lcid, std::uint32_t item) const {
    const std::optional<std::wstring> wide = ReadItem(lcid, item);
    if (!wide)
        return std::nullopt;
    return FromWindowsText(*wide);
}

char16_t Win32LocaleSource::Decode(std::string_view character) const {
    return DecodeCp932Character(character);
}

bool Win32LocaleSource::IsValidLocale(std::int32_t lcid) const {
    return ::IsValidLocale(static_cast<LCID>(lcid), LCID_INSTALLED) != FALSE;
}

std::int32_t Win32LocaleSource::ThreadLocale() const {
    return static_cast<std::int32_t>(GetThreadLocale());
}

void Win32LocaleSource::ResetThreadLocaleToUserDefault() {
    SetThreadLocale(LOCALE_USER_DEFAULT);
}

std::int32_t Win32LocaleSource::UserDefaultLCID() const {
    return static_cast<std::int32_t>(GetUserDefaultLCID());
}

bool Win32LocaleSource::EqualIgnoreCase(std::u16string_view a, std::u16string_view b) const {
    if (a.size() != b.size())
        return false;
    if (a.empty())
        return true;
    const std::wstring wa = ToWindowsText(a);
    const std::wstring wb = ToWindowsText(b);
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.c_str(),
                          static_cast<int>(wa.size()), wb.c_str(),
                          static_cast<int>(wb.size())) == CSTR_EQUAL;
}

} // namespace velmora
