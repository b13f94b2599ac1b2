#pragma once
// Settings files in memory, with files that refuse to be read or written.
#include <map>
#include <set>
#include <string>

#include "settings/file_error.h"
#include "settings/settings_file.h"

namespace velmora::testing {

class MemoryFileSystem final : public SettingsFileSystem {
  public:
    std::map<std::string, std::string, std::less<>> files;
    std::set<std::string, std::less<>> unreadable;
    std::set<std::string, std::less<>> unwritable;

    std::optional<std::string> ReadWholeFile(std::string_view path) override {
        if (unreadable.contains(path))
            throw CannotOpenError(path, "denied");
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return found->second;
    }
    void WriteWholeFile(std::string_view path, std::string_view bytes) override {
        if (unwritable.contains(path))
            throw CannotCreateError(path, "denied");
        files.insert_or_assign(std::string(path), std::string(bytes));
    }
    bool RenameFile(std::string_view from, std::string_view to) override {
        const auto found = files.find(from);
        if (found == files.end() || unwritable.contains(to))
            return false;
        std::string bytes = std::move(found->second);
        files.erase(found);
        files.insert_or_assign(std::string(to), std::move(bytes));
        return true;
    }
};

} // namespace velmora::testing
