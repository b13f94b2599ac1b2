#include "settings/ini_document.h"

#include <algorithm>
#include <utility>

namespace velmora {
namespace {

constexpr char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Control bytes and the blank are trimmed; code page 932's second bytes are
// all above 0x40, so a two-byte character is never cut.
constexpr bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view Trim(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size() && IsTrimmed(s[first]))
        ++first;
    std::size_t last = s.size();
    while (last > first && IsTrimmed(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

IniDocument::Line MakeLine(std::string_view trimmed) {
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return {Text(trimmed), Text::npos};
    const std::string_view key = Trim(trimmed.substr(0, equals));
    const std::string_view value = Trim(trimmed.substr(equals + 1));
    Text text;
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append(1, '=').append(value);
    return {std::move(text), key.size()};
}

bool OpensSection(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Calls `onLine` for each line; CR LF, a lone CR and a lone LF all end a line.
template <typename OnLine> void SplitLines(std::string_view text, OnLine onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        onLine(text.substr(start, end - start));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

} // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    // Byte by byte is enough: every name the clock looks up is ASCII, and an
    // ASCII byte never matches a byte of a two-byte character in the file.
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiUpper(x) == AsciiUpper(y);
           });
}

std::string_view IniDocument::Line::Key() const {
    return equals == Text::npos ? std::string_view() : std::string_view(text).substr(0, equals);
}

std::string_view IniDocument::Line::Value() const {
    return equals == Text::npos ? std::string_view() : std::string_view(text).substr(equals + 1);
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    IniDocument document;
    SplitLines(bytes, [&document](std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty() || line.front() == ';')
            return;
        if (OpensSection(line)) {
            document.sections_.push_back({Text(Trim(line.substr(1, line.size() - 2))), {}});
            return;
        }
        // Lines before the first section belong nowhere.
        if (!document.sections_.empty())
            document.sections_.back().lines.push_back(MakeLine(line));
    });
    return document;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    const auto found =
        std::find_if(sections_.rbegin(), sections_.rend(), [name](const Section& section) {
            return EqualsIgnoringAsciiCase(section.name, name);
        });
    return found == sections_.rend() ? nullptr : &*found;
}

IniDocument::Section* IniDocument::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr)
        return std::nullopt;
    const auto line =
        std::find_if(found->lines.rbegin(), found->lines.rend(), [key](const Line& l) {
            return l.equals != Text::npos && EqualsIgnoringAsciiCase(l.Key(), key);
        });
    if (line == found->lines.rend())
        return std::nullopt;
    return line->Value();
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section* target = FindSection(section);
    if (target == nullptr) {
        sections_.push_back({Text(section), {}});
        target = &sections_.back();
    }
    // Written as given: the value is trimmed when it is read back, not here.
    Line line{Text(key) + '=' + Text(value), key.size()};
    const auto existing =
        std::find_if(target->lines.rbegin(), target->lines.rend(), [key](const Line& l) {
            return l.equals != Text::npos && EqualsIgnoringAsciiCase(l.Key(), key);
        });
    if (existing == target->lines.rend())
        target->lines.push_back(std::move(line));
    else
        *existing = std::move(line);
}

void IniDocument::Remove(std::string_view section, std::string_view key) {
    Section* target = FindSection(section);
    if (target == nullptr)
        return;
    std::erase_if(target->lines, [key](const Line& l) {
        return l.equals != Text::npos && EqualsIgnoringAsciiCase(l.Key(), key);
    });
}

void IniDocument::EraseSection(std::string_view section) {
    const Section* found = FindSection(section);
    if (found != nullptr)
        sections_.erase(sections_.begin() + (found - sections_.data()));
}

void IniDocument::EraseAllSections(std::string_view section) {
    std::erase_if(sections_,
                  [section](const Section& s) { return EqualsIgnoringAsciiCase(s.name, section); });
}

Text IniDocument::Serialize() const {
    static constexpr std::string_view LineEnd = "\r\n";
    std::size_t size = 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 2 + 2 * LineEnd.size();
        for (const Line& line : section.lines)
            size += line.text.size() + LineEnd.size();
    }
    Text out;
    out.reserve(size);
    for (const Section& section : sections_) {
        out.append(1, '[').append(section.name).append(1, ']').append(LineEnd);
        for (const Line& line : section.lines)
            out.append(line.text).append(LineEnd);
        out.append(LineEnd);
    }
    return out;
}

} // namespace velmora
