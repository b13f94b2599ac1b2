#include "settings/file_error.h"

namespace velmora {

FileError CannotOpenError(std::string_view fullPath, std::string_view reason) {
    return FileError("ファイル \"" + Text(fullPath) + "\" は開けません。" + Text(reason));
}

FileError CannotCreateError(std::string_view fullPath, std::string_view reason) {
    return FileError("ファイル \"" + Text(fullPath) + "\" を作成できません。" + Text(reason));
}

} // namespace velmora
