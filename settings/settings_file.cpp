#include "settings/settings_file.h"

#include "settings/settings_writer.h"

namespace velmora {

IniDocument LoadSettingsDocument(SettingsFileSystem& files, std::string_view path) {
    const std::optional<std::string> bytes = files.ReadWholeFile(path);
    return bytes ? IniDocument::Parse(*bytes) : IniDocument();
}

void WriteSettingsFile(SettingsFileSystem& files, std::string_view path, const Settings& settings,
                       const WriterEnvironment& environment) {
    IniDocument document = LoadSettingsDocument(files, path);
    WriteSettingsDocument(document, settings, environment);
    files.WriteWholeFile(path, document.Serialize());
}

} // namespace velmora
