#pragma once
// The locales the system knows beyond the clock's own language table.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velmora {

struct SystemLocale {
    std::int32_t Lcid;
    std::wstring DisplayName; // as the system names it
};

// Every specific locale with a locale identifier of its own, except those
// in `listed`, ordered by display name.
std::vector<SystemLocale> OtherSystemLocales(std::span<const std::int32_t> listed);

} // namespace velmora
