#include "settings/settings_writer.h"

#include <array>

#include "settings/settings_keys.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 7> OwnedSections{
    section::Position, section::Data,    section::Option,  section::Mode,
    section::Font,     section::Desktop, section::Reminder};

// The keys of "PROGRAM" (`program`), or those of the sections the state owns.
void WriteKeys(IniDocument& document, const Settings& settings,
               const WriterEnvironment& environment, bool program) {
    for (const SettingKeyInfo& key : SettingKeys()) {
        if ((key.section == section::Program) != program)
            continue;
        WriterEnvironment forKey = environment;
        forKey.slot = key.slot;
        if (const std::optional<Text> text = key.field.write(settings, forKey))
            document.Set(key.section, key.name, *text);
        else
            document.Remove(key.section, key.name);
    }
}

} // namespace

PathParts SplitPath(std::string_view path) {
    std::size_t cut = 0;
    for (std::size_t pos = 0; pos < path.size(); pos = NextChar(path, pos)) {
        const char c = path[pos];
        if (c == '\\' || c == '/' || c == ':')
            cut = pos + 1;
    }
    return {Text(path.substr(0, cut)), Text(path.substr(cut))};
}

void WriteSettingsDocument(IniDocument& document, const Settings& settings,
                           const WriterEnvironment& environment) {
    WriteKeys(document, settings, environment, true);

    // Of a repeated section only the last is erased, so the state is written
    // into the one before it, where that section stood first.
    for (std::string_view name : OwnedSections)
        document.EraseSection(name);

    if (!settings.SaveStatus) {
        // Nothing of the state may survive, or the next read would not give
        // the defaults: earlier copies of a repeated section go too.
        for (std::string_view name : OwnedSections)
            document.EraseAllSections(name);
        return;
    }
    WriteKeys(document, settings, environment, false);
}

} // namespace velmora
