#pragma once
// Writing the record into a settings document, keeping what the document
// holds outside the sections the clock owns.
#include "settings/ini_document.h"
#include "settings/settings_record.h"

namespace velmora {

void WriteSettingsDocument(IniDocument& document, const Settings& settings,
                           const WriterEnvironment& environment);

struct PathParts {
    Text directory; // with its trailing "\"; empty when the path has none
    Text fileName;
};
// Splits at the last "\", "/" or ":" that is not the second byte of a
// two-byte character.
PathParts SplitPath(std::string_view path);

} // namespace velmora
