#pragma once
// Fixed window values and helpers shared by the settings tests.
#include <fstream>
#include <iterator>
#include <string>

#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace velmora::testing {

// A 640 x 200 window on a 1920 x 1080 screen at 120 dpi (where a font's
// size in points and its height in pixels differ), never placed yet.
inline WindowEnvironment FixedWindow() {
    return {
        {0, 1, -1, -1, 0, 0, 640, 200},   WindowShowState::Normal, 1920, 1080, 640, 200, 624, 120,
        {"Current Left", "Current Right"}};
}

inline WriterEnvironment FixedExecutable() {
    return {"C:\\Velmora\\Velmora.exe", 120};
}

inline SettingsReadResult ReadText(std::string_view file,
                                   const WindowEnvironment& window = FixedWindow()) {
    return ReadSettingsDocument(IniDocument::Parse(file), window);
}

// Writes `settings` over the file `old` as the close of the program would.
inline std::string WriteOver(std::string_view old, const Settings& settings) {
    IniDocument document = IniDocument::Parse(old);
    WriteSettingsDocument(document, settings, FixedExecutable());
    return document.Serialize();
}

inline std::string ReadTestFile(const std::string& relative) {
    std::ifstream in(std::string(VELMORA_TEST_DATA_DIR) + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace velmora::testing
