#include "engine/conversion_error.h"

namespace velmora {

void ThrowNotAnInteger(std::string_view text) {
    throw ConversionError("'" + Text(text) + "' は整数ではありません");
}

void ThrowNotATime(std::string_view text) {
    throw ConversionError("'" + Text(text) + "' は時刻ではありません");
}

} // namespace velmora
