#include "engine/time_zone_rules_win.h"

#include <algorithm>
#include <chrono>
#include <cwchar>
#include <string>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"

namespace velmora {
namespace {

constexpr wchar_t ZonesKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones";

// The years SYSTEMTIME can hold.
constexpr int FirstYear = 1601;
constexpr int LastYear = 30827;

// A zone's "TZI" value: REG_TZI_FORMAT of the Windows SDK, which mingw lacks.
struct RegistryTzi {
    LONG Bias;
    LONG StandardBias;
    LONG DaylightBias;
    SYSTEMTIME StandardDate;
    SYSTEMTIME DaylightDate;
};
static_assert(sizeof(RegistryTzi) == 44);

UniqueKey OpenZone(const std::wstring& keyName) {
    UniqueKey key;
    const std::wstring path = std::wstring(ZonesKey) + L"\\" + keyName;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return UniqueKey();
    return key;
}

// What EnumDynamicTimeZoneInformation gives for the zone, read from its key
// alone: Wine's enumeration takes a quarter of a second, and a clock on one
// zone needs one zone. GetTimeZoneInformationForYear finds the year-specific
// rules ("Dynamic DST") by the key name.
std::optional<DYNAMIC_TIME_ZONE_INFORMATION> ReadZone(const std::wstring& keyName) {
    if (keyName.empty() || keyName.size() >= 128)
        return std::nullopt;
    const UniqueKey key = OpenZone(keyName);
    if (!key)
        return std::nullopt;
    RegistryTzi tzi{};
    DWORD bytes = sizeof tzi;
    if (RegGetValueW(key.get(), nullptr, L"TZI", RRF_RT_REG_BINARY, nullptr, &tzi, &bytes) !=
            ERROR_SUCCESS ||
        bytes != sizeof tzi)
        return std::nullopt;
    DYNAMIC_TIME_ZONE_INFORMATION info{};
    info.Bias = tzi.Bias;
    info.StandardBias = tzi.StandardBias;
    info.DaylightBias = tzi.DaylightBias;
    info.StandardDate = tzi.StandardDate;
    info.DaylightDate = tzi.DaylightDate;
    std::wcsncpy(info.TimeZoneKeyName, keyName.c_str(), 127);
    return info;
}

std::set<Text> ZoneKeyNames() {
    std::set<Text> names;
    UniqueKey zones;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, ZonesKey, 0, KEY_READ, zones.put()) != ERROR_SUCCESS)
        return names;
    wchar_t name[256]{};
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        const LSTATUS status =
            RegEnumKeyExW(zones.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status == ERROR_SUCCESS)
            names.insert(FromWide(std::wstring_view(name, length)));
    }
    return names;
}

// The localized name from the system's resources, else the registry's own
// text (Wine has no resources for it), else the key itself.
std::wstring DisplayName(const std::wstring& keyName) {
    const UniqueKey key = OpenZone(keyName);
    if (!key)
        return keyName;
    wchar_t text[256]{};
    DWORD bytes = 0;
    if (RegLoadMUIStringW(key.get(), L"MUI_Display", text, sizeof text, &bytes, 0, nullptr) ==
            ERROR_SUCCESS &&
        text[0] != L'\0')
        return text;
    bytes = sizeof text;
    if (RegGetValueW(key.get(), nullptr, L"Display", RRF_RT_REG_SZ, nullptr, text, &bytes) ==
            ERROR_SUCCESS &&
        text[0] != L'\0')
        return text;
    return keyName;
}

SYSTEMTIME ToSystemTime(const DecodedDateTime& t) {
    SYSTEMTIME s{};
    s.wYear = static_cast<WORD>(static_cast<int>(t.date.year()));
    s.wMonth = static_cast<WORD>(unsigned{t.date.month()});
    s.wDay = static_cast<WORD>(unsigned{t.date.day()});
    s.wDayOfWeek = static_cast<WORD>(t.dayOfWeek - 1);
    s.wHour = static_cast<WORD>(t.hour);
    s.wMinute = static_cast<WORD>(t.minute);
    s.wSecond = static_cast<WORD>(t.second);
    s.wMilliseconds = static_cast<WORD>(t.millisecond);
    return s;
}

DateTime FromSystemTime(const SYSTEMTIME& s) {
    const std::chrono::year_month_day date{std::chrono::year{s.wYear}, std::chrono::month{s.wMonth},
                                           std::chrono::day{s.wDay}};
    return EncodeDateTime(date, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds);
}

} // namespace

std::optional<Win32TimeZoneRules::Zone>& Win32TimeZoneRules::Find(const Text& keyName) const {
    const auto found = zones_.find(keyName);
    if (found != zones_.end())
        return found->second;
    if (!keyNames_)
        keyNames_ = ZoneKeyNames();
    std::optional<Zone>& zone = zones_[keyName];
    if (keyNames_->contains(keyName))
        if (const auto info = ReadZone(ToWide(keyName)))
            zone = Zone{*info};
    return zone;
}

std::vector<TimeZoneEntry> Win32TimeZoneRules::Zones() const {
    if (!entries_.empty())
        return entries_;
    struct Named {
        LONG bias;
        std::wstring displayName;
        Text keyName;
    };
    if (!keyNames_)
        keyNames_ = ZoneKeyNames();
    std::vector<Named> named;
    for (const Text& keyName : *keyNames_) {
        if (const std::optional<Zone>& zone = Find(keyName))
            named.push_back({zone->info.Bias, DisplayName(ToWide(keyName)), keyName});
    }
    // As Windows lists them for a user: west to east, then by name.
    std::sort(named.begin(), named.end(), [](const Named& a, const Named& b) {
        if (a.bias != b.bias)
            return a.bias > b.bias;
        return a.displayName < b.displayName;
    });
    for (const Named& zone : named)
        entries_.push_back({zone.keyName, FromWide(zone.displayName)});
    return entries_;
}

const TIME_ZONE_INFORMATION* Win32TimeZoneRules::RulesFor(Zone& zone, int year) const {
    if (zone.rulesYear != year) {
        if (!GetTimeZoneInformationForYear(static_cast<USHORT>(year), &zone.info, &zone.rules))
            return nullptr;
        zone.rulesYear = year;
    }
    return &zone.rules;
}

std::optional<DateTime> Win32TimeZoneRules::ToZoneTime(const Text& keyName, DateTime utc) const {
    std::optional<Zone>& zone = Find(keyName);
    if (!zone)
        return std::nullopt;
    const SYSTEMTIME universal = ToSystemTime(DecodeDateTime(utc));
    if (universal.wYear < FirstYear || universal.wYear > LastYear)
        return std::nullopt;
    // SystemTimeToTzSpecificLocalTimeEx would pick the year's rules itself,
    // but Wine does not implement it: the rules of the UTC year are taken,
    // and those of the local year when the conversion crosses New Year.
    SYSTEMTIME local{};
    int year = universal.wYear;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const TIME_ZONE_INFORMATION* rules = RulesFor(*zone, year);
        if (!rules || !SystemTimeToTzSpecificLocalTime(rules, &universal, &local))
            return std::nullopt;
        if (local.wYear == year)
            break;
        year = local.wYear;
    }
    return FromSystemTime(local);
}

} // namespace velmora
