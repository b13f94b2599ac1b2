#include "engine/shapeable_text.h"

#include <array>
#include <utility>

namespace velmora {
namespace {

bool IsHigh(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLow(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Nonspacing and enclosing marks of the Unicode blocks a clock's names and
// dates come from; a mark missing here is drawn as the platform draws it.
constexpr std::array<std::pair<char16_t, char16_t>, 24> CombiningRanges{{
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x05BF, 0x05C7}, {0x0610, 0x061A},
    {0x064B, 0x065F}, {0x0670, 0x0670}, {0x06D6, 0x06ED}, {0x0900, 0x0903}, {0x093A, 0x094F},
    {0x0951, 0x0957}, {0x0962, 0x0963}, {0x0E31, 0x0E31}, {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E},
    {0x0EB1, 0x0EB1}, {0x0EB4, 0x0EBC}, {0x0EC8, 0x0ECD}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},
    {0x20D0, 0x20FF}, {0x302A, 0x302F}, {0x3099, 0x309A}, {0xFE20, 0xFE2F},
}};

// The scripts whose marks Wine's Uniscribe cannot take without a letter of
// their own before them: it crashes on them at the start, after a letter of
// another script ("a" + Hebrew point) or before a direction mark.
struct MarkedScript {
    bool (*isMark)(char16_t);
    bool (*carriesMark)(char16_t); // its letters, and its marks, which stack
};

bool IsThaiMark(char16_t unit) {
    return unit == 0x0E31 || (unit >= 0x0E34 && unit <= 0x0E3A) ||
           (unit >= 0x0E47 && unit <= 0x0E4E);
}
// Thai digits and signs start a run of their own.
bool CarriesThaiMark(char16_t unit) {
    return (unit >= 0x0E01 && unit <= 0x0E3A) || (unit >= 0x0E40 && unit <= 0x0E4E);
}
bool IsHebrewMark(char16_t unit) {
    return unit >= 0x0591 && unit <= 0x05C7 && unit != 0x05BE && unit != 0x05C0 && unit != 0x05C3 &&
           unit != 0x05C6;
}
bool CarriesHebrewMark(char16_t unit) {
    return IsHebrewMark(unit) || (unit >= 0x05D0 && unit <= 0x05F2) ||
           (unit >= 0xFB1D && unit <= 0xFB4F);
}
bool IsArabicMark(char16_t unit) {
    return (unit >= 0x0610 && unit <= 0x061A) || (unit >= 0x064B && unit <= 0x065F) ||
           unit == 0x0670 || (unit >= 0x06D6 && unit <= 0x06ED);
}
bool CarriesArabicMark(char16_t unit) {
    return IsArabicMark(unit) || (unit >= 0x0620 && unit <= 0x064A) ||
           (unit >= 0x066E && unit <= 0x06D5) || (unit >= 0x06EE && unit <= 0x06FF) ||
           (unit >= 0xFB50 && unit <= 0xFDFF) || (unit >= 0xFE70 && unit <= 0xFEFF);
}

constexpr MarkedScript MarkedScripts[] = {
    {IsThaiMark, CarriesThaiMark},
    {IsHebrewMark, CarriesHebrewMark},
    {IsArabicMark, CarriesArabicMark},
};

// The script whose marks need their letter, if `unit` is one of its marks.
const MarkedScript* ScriptOfMark(char16_t unit) {
    for (const MarkedScript& script : MarkedScripts) {
        if (script.isMark(unit))
            return &script;
    }
    return nullptr;
}

} // namespace

bool IsCombiningMark(char16_t unit) {
    for (const auto& [first, last] : CombiningRanges) {
        if (unit >= first && unit <= last)
            return true;
    }
    return false;
}

WideText ShapeableText(std::u16string_view text) {
    WideText result;
    result.reserve(text.size() + 1);
    if (!text.empty() && IsCombiningMark(text.front()) && !ScriptOfMark(text.front()))
        result.push_back(MarkBase);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const MarkedScript* script = ScriptOfMark(unit);
        if (script && (result.empty() || !script->carriesMark(result.back()))) {
            result.push_back(ReplacementCharacter);
            continue;
        }
        if (IsHigh(unit) && i + 1 < text.size() && IsLow(text[i + 1])) {
            result.append(text.substr(i, 2));
            ++i;
        } else {
            result.push_back(IsHigh(unit) || IsLow(unit) ? ReplacementCharacter : unit);
        }
    }
    return result;
}

} // namespace velmora
