#pragma once
// Reading a settings document into the record.
#include <optional>

#include "engine/conversion_error.h"
#include "settings/ini_document.h"
#include "settings/settings_record.h"

namespace velmora {

struct SettingsReadResult {
    Settings settings;
    // A font colour that was neither a name nor a number. Every key has
    // still been read (that colour with its default), so the window applies
    // the whole record first and then shows this error.
    std::optional<ConversionError> error;
};

// "Flags" .. "Bottom"; the window applies this before measuring the client
// width that ReadSettingsDocument's "Split" default needs.
WindowPlacementValues ReadWindowPlacement(const IniDocument& document,
                                          const WindowEnvironment& window);

// Every key; missing or unreadable ones take their defaults.
SettingsReadResult ReadSettingsDocument(const IniDocument& document,
                                        const WindowEnvironment& window);

// Every key's default, as reading a file without the key gives it; the keys
// whose default comes from the window take it from `window`.
Settings DefaultSettings(const WindowEnvironment& window = {});

// The "Split" default: half the client width inside the frame insets and
// the window padding, plus one.
std::int32_t DefaultSplit(std::int32_t clientWidth);

} // namespace velmora
