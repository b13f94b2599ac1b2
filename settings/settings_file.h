#pragma once
// Settings files on disk: loading into a document and writing the record.
#include <optional>
#include <string>
#include <string_view>

#include "settings/ini_document.h"
#include "settings/settings_record.h"

namespace velmora {

// The file system as the settings file sees it. Both operations throw
// FileError with the full path and the platform's reason.
class SettingsFileSystem {
  public:
    virtual ~SettingsFileSystem() = default;
    // The whole file; nullopt when it does not exist.
    virtual std::optional<std::string> ReadWholeFile(std::string_view path) = 0;
    // Replaces the whole file, following a link to the file it leads to; on
    // failure the old file is as it was.
    virtual void WriteWholeFile(std::string_view path, std::string_view bytes) = 0;
    // Gives the file another name, replacing a file of that name; false when
    // nothing was renamed (no such file, or the platform refused).
    virtual bool RenameFile(std::string_view from, std::string_view to) = 0;
};

// A missing file loads as an empty document.
IniDocument LoadSettingsDocument(SettingsFileSystem& files, std::string_view path);

// Loads the old file (so a file that cannot be opened stops the write before
// anything changes), writes the record into it and saves it whole.
void WriteSettingsFile(SettingsFileSystem& files, std::string_view path, const Settings& settings,
                       const WriterEnvironment& environment);

} // namespace velmora
