#pragma once
// A text that is not the number or time it should be. The message is code
// page 932 text, shown by the application's standard error box.
#include <stdexcept>

#include "engine/text.h"

namespace velmora {

class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "'%s' は整数ではありません"
[[noreturn]] void ThrowNotAnInteger(std::string_view text);
// "'%s' は時刻ではありません"
[[noreturn]] void ThrowNotATime(std::string_view text);

} // namespace velmora
