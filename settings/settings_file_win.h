#pragma once
// Settings files through the Win32 file functions.
#include "settings/settings_file.h"

namespace velmora {

class WinSettingsFileSystem final : public SettingsFileSystem {
  public:
    std::optional<std::string> ReadWholeFile(std::string_view path) override;
    void WriteWholeFile(std::string_view path, std::string_view bytes) override;
    bool RenameFile(std::string_view from, std::string_view to) override;
};

// The system's text for an error code in code page 932, without the line
// break FormatMessage ends it with.
Text SystemErrorText(unsigned long code);

} // namespace velmora
