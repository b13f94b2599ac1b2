#include "ui/system_locales.h"

#include <windows.h>

#include <algorithm>

namespace velmora {

namespace {

// Neutral locales (no country) and alternative sort orders share a
// language with a specific locale; custom locales have no number of their
// own that a settings file could keep.
bool HasOwnNumber(LCID lcid) {
    return lcid >= 0x0400 && lcid < 0x10000 && lcid != LOCALE_CUSTOM_UNSPECIFIED &&
           lcid != LOCALE_CUSTOM_DEFAULT && lcid != LOCALE_CUSTOM_UI_DEFAULT;
}

std::wstring DisplayName(LCID lcid) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH * 2]{};
    GetLocaleInfoW(lcid, LOCALE_SLOCALIZEDDISPLAYNAME, name, static_cast<int>(std::size(name)));
    return name;
}

BOOL CALLBACK AddLocale(LPWSTR name, DWORD, LPARAM context) {
    auto& found = *reinterpret_cast<std::vector<LCID>*>(context);
    const LCID lcid = LocaleNameToLCID(name, 0);
    if (HasOwnNumber(lcid))
        found.push_back(lcid);
    return TRUE;
}

} // namespace

std::vector<SystemLocale> OtherSystemLocales(std::span<const std::int32_t> listed) {
    std::vector<LCID> found;
    EnumSystemLocalesEx(AddLocale, LOCALE_WINDOWS, reinterpret_cast<LPARAM>(&found), nullptr);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());

    std::vector<SystemLocale> locales;
    for (const LCID lcid : found) {
        const auto id = static_cast<std::int32_t>(lcid);
        if (std::find(listed.begin(), listed.end(), id) == listed.end())
            locales.push_back({id, DisplayName(lcid)});
    }
    std::stable_sort(locales.begin(), locales.end(),
                     [](const SystemLocale& a, const SystemLocale& b) {
                         return CompareStringW(LOCALE_USER_DEFAULT, 0, a.DisplayName.c_str(), -1,
                                               b.DisplayName.c_str(), -1) == CSTR_LESS_THAN;
                     });
    return locales;
}

} // namespace velmora
