#pragma once
// A settings file that cannot be read or written. The message is code page
// 932 text, shown by the application's standard error box.
#include <stdexcept>
#include <string_view>

#include "engine/text.h"

namespace velmora {

class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "ファイル "%s" は開けません。%s": the full path, then the platform's text.
FileError CannotOpenError(std::string_view fullPath, std::string_view reason);
// "ファイル "%s" を作成できません。%s"
FileError CannotCreateError(std::string_view fullPath, std::string_view reason);

} // namespace velmora
