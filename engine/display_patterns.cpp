#include "engine/display_patterns.h"

#include <array>
#include <optional>
#include <vector>

namespace velmora {

namespace {

// Which pattern each clock shows on odd and even seconds, by blink mode.
enum Shown { Colon, Blank };
struct Pairing {
    BlinkPairing mode;
    Shown leftOdd, leftEven, rightOdd, rightEven;
};
constexpr std::array<Pairing, 3> Pairings{{
    {BlinkPairing::Simultaneous, Colon, Blank, Colon, Blank},
    // One clock shows its separator at any second.
    {BlinkPairing::Alternate, Colon, Blank, Blank, Colon},
    {BlinkPairing::Stop, Colon, Colon, Colon, Colon},
}};
// A mode's value is its row.
static_assert([] {
    for (std::size_t i = 0; i < Pairings.size(); ++i)
        if (static_cast<std::size_t>(Pairings[i].mode) != i)
            return false;
    return true;
}());

bool IsMinutesLetter(char c) {
    return c == 'm' || c == 'M' || c == 'n' || c == 'N';
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A time pattern taken apart around its hour/minute separator. The blank
// pattern replaces the separator by a blank; the swing patterns put a blank
// after or before it.
struct SeparatorSplit {
    std::string_view head;      // up to the separator
    std::string_view separator; // one character
    Text minutes;               // the minutes token as the derived patterns write it
    std::string_view tail;      // after the minutes token
};

// Start positions of the characters of `pattern`.
std::vector<std::size_t> CharacterStarts(std::string_view pattern) {
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < pattern.size(); pos = NextChar(pattern, pos))
        starts.push_back(pos);
    return starts;
}

// "h:nn", "AM/PM hh:nn", "H.mm": a one-byte separator and a two-letter
// minutes token at the end. These lose their last three bytes, and the
// minutes are written "mm", which after the hour reads as minutes.
bool EndsInSeparatorAndMinutes(std::string_view pattern, const std::vector<std::size_t>& starts) {
    const std::size_t n = pattern.size();
    if (starts.size() < 3 || starts[starts.size() - 3] != n - 3)
        return false; // the last three bytes are not three one-byte characters
    return !IsAsciiLetter(pattern[n - 3]) && IsMinutesLetter(pattern[n - 2]) &&
           pattern[n - 1] == pattern[n - 2];
}

// Other locale patterns ("h:mm AMPM", "H:mm:ss", "H時mm分") are split at the
// separator that directly follows the first unquoted hour token, when the
// minutes follow it directly. Their minutes are written "n", which stays
// minutes even behind a two-byte separator.
std::optional<SeparatorSplit> SplitAfterHour(std::string_view pattern) {
    std::size_t pos = 0;
    while (pos < pattern.size() && pattern[pos] != 'h' && pattern[pos] != 'H') {
        const char c = pattern[pos];
        pos = NextChar(pattern, pos);
        if (c == '\'' || c == '"') {
            while (pos < pattern.size() && pattern[pos] != c)
                pos = NextChar(pattern, pos);
            pos = NextChar(pattern, pos);
        }
    }
    if (pos == pattern.size())
        return std::nullopt;
    std::size_t separator = pos;
    while (separator < pattern.size() && pattern[separator] == pattern[pos])
        ++separator;
    const std::size_t minutes = NextChar(pattern, separator);
    if (minutes >= pattern.size() || IsAsciiLetter(pattern[separator]) ||
        pattern[separator] == '\'' || pattern[separator] == '"' ||
        !IsMinutesLetter(pattern[minutes]))
        return std::nullopt;
    std::size_t tail = minutes;
    while (tail < pattern.size() && pattern[tail] == pattern[minutes])
        ++tail;
    return SeparatorSplit{pattern.substr(0, separator),
                          pattern.substr(separator, minutes - separator), Text(tail - minutes, 'n'),
                          pattern.substr(tail)};
}

SeparatorSplit SplitForBlink(std::string_view pattern) {
    const std::vector<std::size_t> starts = CharacterStarts(pattern);
    if (EndsInSeparatorAndMinutes(pattern, starts))
        return {pattern.substr(0, pattern.size() - 3), ":", "mm", {}};
    if (std::optional<SeparatorSplit> split = SplitAfterHour(pattern))
        return std::move(*split);
    // Anything else loses its last three bytes, but never half a character.
    const std::size_t cut = pattern.size() >= 3 ? pattern.size() - 3 : 0;
    std::size_t head = 0;
    for (const std::size_t start : starts) {
        if (start > cut)
            break;
        head = start;
    }
    return {pattern.substr(0, head), ":", "mm", {}};
}

Text Joined(const SeparatorSplit& split, std::string_view before, std::string_view after) {
    Text result(split.head);
    result += before;
    result += after;
    result += split.minutes;
    result += split.tail;
    return result;
}

// A list index from a hand-edited settings file may lie outside the list:
// entry 0 is shown then, and the stored index is kept as it is.
Text ListEntry(const std::vector<Text>& list, std::int32_t index) {
    if (index >= 0 && static_cast<std::size_t>(index) < list.size())
        return list[static_cast<std::size_t>(index)];
    return list.empty() ? Text() : list.front();
}

void DeriveSide(ClockSide& side, bool swing) {
    side.DatePattern = ListEntry(side.DatePatternList, side.DateIndex);
    const Text timePattern = ListEntry(side.TimePatternList, side.TimeIndex);
    const SeparatorSplit split = SplitForBlink(timePattern);
    if (swing) {
        side.ColonPattern = Joined(split, split.separator, " ");
        side.BlankPattern = Joined(split, " ", split.separator);
    } else {
        side.ColonPattern = timePattern;
        side.BlankPattern = Joined(split, " ", "");
    }
}

} // namespace

void DeriveDisplayPatterns(ClockSide& left, ClockSide& right, const DisplayOptions& options,
                           const FontPitch& pitch, const Text& leftTimeFace,
                           const Text& rightTimeFace) {
    // Swinging needs a proportional face: with a fixed pitch the separator
    // would not move.
    DeriveSide(left, options.SwingBlink && pitch.IsProportionalFont(leftTimeFace));
    DeriveSide(right, options.SwingBlink && pitch.IsProportionalFont(rightTimeFace));

    // An unknown mode from a settings file leaves the pairs as they were.
    const auto row = static_cast<std::int32_t>(options.BlinkMode);
    if (row < 0 || row >= static_cast<std::int32_t>(Pairings.size()))
        return;
    const Pairing& pairing = Pairings[static_cast<std::size_t>(row)];
    const auto shown = [](const ClockSide& side, Shown pattern) {
        return pattern == Colon ? side.ColonPattern : side.BlankPattern;
    };
    left.OddSecondPattern = shown(left, pairing.leftOdd);
    left.EvenSecondPattern = shown(left, pairing.leftEven);
    right.OddSecondPattern = shown(right, pairing.rightOdd);
    right.EvenSecondPattern = shown(right, pairing.rightEven);
}

} // namespace velmora
