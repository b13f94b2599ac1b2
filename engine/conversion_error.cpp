#include "engine/conversion_error.h"

namespace velmora {

namespace {

// "'" + the text as given + "' " + what it is not.
[[noreturn]] void ThrowQuoted(std::string_view text, std::string_view complaint) {
    Text message = "'";
    message.append(text);
    message.append("' ");
    message.append(complaint);
    throw ConversionError(message);
}

} // namespace

void ThrowNotAnInteger(std::string_view text) { ThrowQuoted(text, "は整数ではありません"); }

void ThrowNotATime(std::string_view text) { ThrowQuoted(text, "は時刻ではありません"); }

} // namespace velmora
