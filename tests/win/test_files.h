#pragma once
// Files and folders for the Windows tests: build paths as Wine sees them,
// whole files read and written, and a scratch folder per test.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"

namespace velmora::testing {

// Build paths are Unix paths; Wine sees the root as drive Z:.
inline std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:" + ToWide(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// `text` with every `from` replaced by `to`.
inline std::string Replaced(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    for (std::size_t at; (at = text.find(from)) != std::string_view::npos;) {
        result.append(text.substr(0, at)).append(to);
        text.remove_prefix(at + from.size());
    }
    return result.append(text);
}

// The whole file; nothing when it cannot be opened.
inline std::string ReadBytes(const std::wstring& path) {
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    if (!file) // else GetFileSize would say 4 GB
        return {};
    std::string bytes(GetFileSize(file.get(), nullptr), '\0');
    DWORD read = 0;
    ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

inline void WriteBytes(const std::wstring& path, const std::string& bytes) {
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// A name under the temporary directory no other test of any process uses.
inline std::wstring UniqueTempPath(const std::wstring& purpose) {
    static std::atomic<int> counter{0};
    return (std::filesystem::temp_directory_path() /
            (purpose + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
             std::to_wstring(counter++)))
        .wstring();
}

// A fresh folder under the temporary directory, removed with all it holds
// (read-only files and folders a test put in the way included). Process ids
// come back, and a folder an earlier run could not remove (a program in it
// still ending) may have this one's name: then the next name is taken.
class TempFolder {
  public:
    explicit TempFolder(const std::wstring& purpose) {
        do
            folder_ = UniqueTempPath(purpose);
        while (!CreateDirectoryW(folder_.c_str(), nullptr) &&
               GetLastError() == ERROR_ALREADY_EXISTS);
    }
    ~TempFolder() {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(folder_, ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(folder_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }
    const std::wstring& Wide() const { return folder_; }
    Text Directory() const { return FromWide(folder_) + "\\"; }

  private:
    std::wstring folder_;
};

} // namespace velmora::testing
