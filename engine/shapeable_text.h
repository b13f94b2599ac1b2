#pragma once
// What a text must look like before the platform's shaping engine sees it:
// Wine's Uniscribe crashes on a Thai, Hebrew or Arabic mark that does not
// follow a letter of its script (at the start, after a digit, a blank or
// another script's letter, in some of those only before a direction mark),
// and lone surrogates are not characters at all.
#include <string_view>

#include "engine/wide_text.h"

namespace velmora {

// What a leading mark of other scripts is drawn on.
constexpr char16_t MarkBase = u' ';

// Whether the unit is a combining mark of the scripts clocks show (accents,
// Cyrillic, Hebrew, Arabic, Indic, Thai and Lao marks and their supplements).
bool IsCombiningMark(char16_t unit);

// Lone surrogates, and Thai, Hebrew and Arabic marks without a letter of
// their script, become U+FFFD (no base from outside the script keeps Wine's
// shaping from crashing in every context: a blank, a no-break space or a
// dotted circle do not); any other combining mark at the start gets a blank
// to sit on. Any other text comes back unchanged.
WideText ShapeableText(std::u16string_view text);

} // namespace velmora
