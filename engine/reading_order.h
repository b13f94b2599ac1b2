#pragma once
// Keeps a clock text in the order its pattern wrote it when it holds
// right-to-left names: without help, digits and punctuation after an Arabic
// or Hebrew name join the name's right-to-left run and the date reads
// scrambled.
#include <string_view>

#include "engine/wide_text.h"

namespace velmora {

constexpr char16_t LeftToRightMark = u'\u200E';

// A left-to-right mark after each run of right-to-left letters. A run goes on
// across blanks and punctuation up to the next letter or digit that is not
// right-to-left, so a name of several words stays one run. Text without
// right-to-left letters comes back unchanged.
WideText WithLeftToRightAnchors(std::u16string_view text);

} // namespace velmora
