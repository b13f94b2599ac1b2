#include "settings/settings_reader.h"

#include "settings/settings_keys.h"
#include "settings/window_design.h"

namespace velmora {

std::int32_t DefaultSplit(std::int32_t clientWidth) {
    return (clientWidth - 2 * FrameInset - 2 * WindowPadding) / 2 + 1;
}

WindowPlacementValues ReadWindowPlacement(const IniDocument& document,
                                          const WindowEnvironment& window) {
    return ReadSettingsDocument(document, window).settings.Placement;
}

// Each key fills its field in the table's order, so a default that depends
// on a key read before it ("Right" on "Left") sees that key as read.
SettingsReadResult ReadSettingsDocument(const IniDocument& document,
                                        const WindowEnvironment& window) {
    SettingsReadResult result;
    for (const SettingKeyInfo& key : SettingKeys()) {
        const KeyReading reading{window, result.error, key.slot};
        if (key.field.read)
            key.field.read(result.settings, document.Find(key.section, key.name), key.fixedDefault,
                           reading);
    }
    return result;
}

Settings DefaultSettings(const WindowEnvironment& window) {
    return ReadSettingsDocument(IniDocument{}, window).settings;
}

} // namespace velmora
