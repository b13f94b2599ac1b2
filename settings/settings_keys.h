#pragma once
// The sections and keys of the settings file: for each key its section, name,
// default and the field of the record it fills. The reader and the writer are
// loops over this one table; a new setting is one row.
#include <optional>
#include <span>
#include <string_view>

#include "engine/conversion_error.h"
#include "engine/text.h"
#include "settings/settings_record.h"

namespace velmora {

namespace section {
inline constexpr std::string_view Program = "PROGRAM";
inline constexpr std::string_view Position = "POSITION";
inline constexpr std::string_view Data = "DATA";
inline constexpr std::string_view Option = "OPTION";
inline constexpr std::string_view Mode = "MODE";
inline constexpr std::string_view Font = "FONT";
inline constexpr std::string_view Desktop = "DESKTOP";
inline constexpr std::string_view Reminder = "REMINDER";
} // namespace section

// What reading a key may need besides its text.
struct KeyReading {
    const WindowEnvironment& window;
    std::optional<ConversionError>& error; // the first colour that did not convert
    std::size_t slot = 0;                  // the key's reminder slot
};

// How a key fills its field, and the text it is written with.
struct SettingField {
    // Sets the field from the key's text, or from its default when the file
    // lacks the key. Null for the keys that are written but never read.
    void (*read)(Settings& settings, std::optional<std::string_view> text,
                 std::string_view fixedDefault, const KeyReading& reading);
    // The key's text; nothing removes the key from the file.
    std::optional<Text> (*write)(const Settings& settings, const WriterEnvironment& environment);
};

struct SettingKeyInfo {
    std::string_view section;
    std::string_view name;
    // The default as the file would hold it; empty where the default comes
    // from the window (or, for "PROGRAM", where the key is never read).
    std::string_view fixedDefault;
    SettingField field;
    // For the keys of the numbered reminders, which slot: their codecs are
    // shared by all twenty.
    std::size_t slot = 0;
};

// Every key, in the order the writer writes them; each section in one piece.
std::span<const SettingKeyInfo> SettingKeys();

} // namespace velmora
