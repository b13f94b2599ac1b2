#pragma once
// A settings file held in memory: sections of trimmed lines, looked up by
// name without regard to ASCII letter case.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/text.h"

namespace velmora {

class IniDocument {
  public:
    // One stored line: "key=value" with both parts trimmed, or a line
    // without "=" kept as it is (never found as a key).
    struct Line {
        Text text;
        std::size_t equals = Text::npos; // position of the first "=", npos if none

        std::string_view Key() const;
        std::string_view Value() const;
    };
    struct Section {
        Text name;
        std::vector<Line> lines;
    };

    static IniDocument Parse(std::string_view bytes);

    // The value of `key` in the last section named `section`; nullopt when
    // either is missing. The last line of a repeated key wins.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Replaces the last line of `key` in the last section named `section`,
    // or appends it; a missing section is appended at the end.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes every line of `key` from the last section named `section`.
    void Remove(std::string_view section, std::string_view key);

    // Removes the last section of that name with all its lines.
    void EraseSection(std::string_view section);
    // Removes every section of that name.
    void EraseAllSections(std::string_view section);

    // CR LF after every line, one empty line after every section.
    Text Serialize() const;

    const std::vector<Section>& Sections() const { return sections_; }

  private:
    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);

    std::vector<Section> sections_;
};

// ASCII letters compared without case; other bytes must match exactly.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace velmora
