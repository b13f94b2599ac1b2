#pragma once
// The 32 languages a clock can take its names and formats from.
#include <array>
#include <cstdint>
#include <optional>

namespace velmora {

constexpr int LanguageRowCount = 32;
// Japanese: the language of a clock that names none the table knows.
constexpr std::int32_t FallbackLcid = 1041;

// Each line is a language name, a comma and the locale identifier in decimal,
// as the settings dialog lists it.
extern const std::array<const char*, LanguageRowCount> LanguageTable;

// The identifier of a row; FallbackLcid for a row outside the table.
std::int32_t LanguageRowToLcid(int row);
// The first row with that identifier; no row for an identifier not listed.
std::optional<int> LanguageLcidToRow(std::int32_t lcid);

} // namespace velmora
