#include "engine/format_pattern.h"

#include <array>
#include <optional>

#include "engine/alt_calendar.h"

namespace velmora {

namespace {

// Nested patterns ("c", "ddddd", "dddddd", "t", "tt") are formatted one level
// down, and only from the top level: a record pattern that names another
// record pattern cannot recurse.
constexpr int TopLevel = 1;
constexpr int DeepestLevel = 2;

constexpr char NoLetter = 0;

// Patterns are code page 932 (the clock's own and the user's) or UTF-16 (the
// locale's own date patterns, as the system gives them). Tokens are ASCII in
// both; a code page 932 character of two bytes and any unit above ASCII are
// literal text.
template <class Char> using PatternView = std::basic_string_view<Char>;

// The pattern unit as an ASCII byte, or NoLetter for anything else.
char Ascii(char c) {
    return c;
}
char Ascii(char16_t c) {
    return c < 0x80 ? static_cast<char>(c) : NoLetter;
}

std::size_t NextUnit(std::string_view s, std::size_t pos) {
    return NextChar(s, pos);
}
// A surrogate pair is one character.
std::size_t NextUnit(std::u16string_view s, std::size_t pos) {
    const bool pair = s[pos] >= 0xD800 && s[pos] <= 0xDBFF && pos + 1 < s.size() &&
                      s[pos + 1] >= 0xDC00 && s[pos + 1] <= 0xDFFF;
    return pos + (pair ? 2 : 1);
}

bool IsMultiUnit(std::string_view s, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(s[pos]));
}
bool IsMultiUnit(std::u16string_view s, std::size_t pos) {
    return Ascii(s[pos]) == NoLetter;
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsQuote(char c) {
    return c == '\'' || c == '"';
}

template <class Char>
bool StartsWithIgnoringCase(PatternView<Char> text, std::size_t pos, std::string_view keyword) {
    if (text.size() - pos < keyword.size())
        return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (AsciiUpper(Ascii(text[pos + i])) != keyword[i])
            return false;
    }
    return true;
}

template <class Char> bool IsAmPmKeyword(PatternView<Char> pattern, std::size_t pos) {
    return StartsWithIgnoringCase(pattern, pos, "AM/PM") ||
           StartsWithIgnoringCase(pattern, pos, "A/P") ||
           StartsWithIgnoringCase(pattern, pos, "AMPM");
}

// Whether an AM/PM form follows an hour token before the next hour token,
// so that "h:mm AMPM" writes its hour in twelve-hour form.
template <class Char> bool AmPmFollows(PatternView<Char> pattern, std::size_t pos) {
    bool quoted = false;
    while (pos < pattern.size()) {
        const char c = Ascii(pattern[pos]);
        if (c == 'h' || c == 'H')
            return false;
        if (IsQuote(c))
            quoted = !quoted;
        else if (!quoted && (c == 'a' || c == 'A'))
            return IsAmPmKeyword(pattern, pos);
        pos = NextUnit(pattern, pos);
    }
    return false;
}

// Patterns come from NUL-terminated texts everywhere else in the clock, so a
// NUL ends a pattern here too.
template <class Char> PatternView<Char> UpToNul(PatternView<Char> text) {
    return text.substr(0, text.find(Char{0}));
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = NextChar(text, pos))
        ++count;
    return count;
}

// The output of one call, limited as the clock's 256-byte buffer: pattern
// text counts its code page 932 bytes, shown names their code page 932
// width. The first character that does not fit ends the output; it is
// dropped whole, never halved.
class OutputBuffer {
  public:
    explicit OutputBuffer(const Cp932Decoder* decoder) : decoder_(decoder) {}

    // Pattern text: code page 932, decoded character by character.
    void Put(std::string_view cp932) {
        for (std::size_t pos = 0; pos < cp932.size();) {
            const std::size_t next = NextChar(cp932, pos);
            PutCharacter(cp932.substr(pos, next - pos));
            pos = next;
        }
    }

    void Put(char c) { PutCharacter(std::string_view(&c, 1)); }

    // Pattern text of a UTF-16 pattern is shown text already.
    void Put(std::u16string_view text) { PutShown(text); }

    // Names and before/after-noon texts, as the system gave them.
    void PutShown(std::u16string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool pair = IsHighSurrogate(text[i]) && i + 1 < text.size();
            if (pair) {
                if (Append(text.substr(i, 2), 4))
                    ++i;
            } else {
                Append(text.substr(i, 1), Cp932Width(text[i]));
            }
        }
    }

    // Decimal, zero-padded on the left to minDigits, never cut.
    void PutNumber(long long value, std::size_t minDigits) {
        if (value < 0) {
            Put('-');
            value = -value;
        }
        std::array<char, 24> digits;
        std::size_t first = digits.size();
        do {
            digits[--first] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        for (std::size_t n = digits.size() - first; n < minDigits; ++n)
            Put('0');
        Put(std::string_view(digits.data() + first, digits.size() - first));
    }

    WideText Result() const { return WideText(data_.data(), size_); }

  private:
    static bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

    void PutCharacter(std::string_view character) {
        const auto first = static_cast<unsigned char>(character.front());
        if (first < 0x80) {
            const char16_t unit = first;
            Append(std::u16string_view(&unit, 1), 1);
            return;
        }
        const char16_t unit =
            decoder_ != nullptr ? decoder_->Decode(character) : ReplacementCharacter;
        Append(std::u16string_view(&unit, 1), character.size());
    }

    bool Append(std::u16string_view units, std::size_t bytes) {
        if (bytes_ + bytes > FormatBufferSize) {
            bytes_ = FormatBufferSize;
            return false;
        }
        bytes_ += bytes;
        units.copy(data_.data() + size_, units.size());
        size_ += units.size();
        return true;
    }

    const Cp932Decoder* decoder_;
    // Every unit takes at least one byte of the limit.
    std::array<char16_t, FormatBufferSize> data_;
    std::size_t size_ = 0;
    std::size_t bytes_ = 0;
};

// What one pattern level remembers while it is read.
template <class Char> struct Level {
    PatternView<Char> pattern;
    int depth;
    char lastLetter = NoLetter;
    bool twelveHour = false;
};

class Formatter {
  public:
    Formatter(DateTime value, const TFormatSettings& settings, const PcLocaleFacts& pc)
        : value_(value), settings_(settings), pc_(pc), out_(pc.Decoder) {}

    template <class Char> void FormatLevel(PatternView<Char> pattern, int depth);
    WideText Result() const { return out_.Result(); }

  private:
    template <class Char> std::size_t FormatToken(Level<Char>& level, char token, std::size_t pos);
    template <class Char> std::size_t RunLength(const Level<Char>& level, std::size_t pos) const;
    template <class Char> void PutHour(Level<Char>& level, std::size_t runEnd, std::size_t count);
    template <class Char> void PutClock(Level<Char>& level);
    template <class Char> std::size_t PutAForm(Level<Char>& level, std::size_t pos);
    template <class Char> std::size_t PutQuoted(const Level<Char>& level, std::size_t pos);
    void PutMonthName(const std::array<WideText, 12>& names,
                      const std::array<WideText, 12>& genitive, unsigned month);
    void PutDayName(const std::array<WideText, 7>& names);
    void PutEra(char token, std::size_t count);
    Text ShortEraName(const Text& name) const;
    template <class Char, class Nested>
    void PutNested(const Level<Char>& level, const Nested& pattern);
    void PutSeparator(char separator);
    const DecodedDateTime& Decoded();

    DateTime value_;
    const TFormatSettings& settings_;
    const PcLocaleFacts& pc_;
    OutputBuffer out_;
    // The value is the same at every level, so one decoding serves the call.
    std::optional<DecodedDateTime> decoded_;
    // A day number written since the last day name: a month name written now
    // takes its genitive form ("9 grudnia", but "środa grudzień"), as the
    // system's own date formatting does. It runs across nested patterns.
    bool dayNumberWritten_ = false;
};

const DecodedDateTime& Formatter::Decoded() {
    if (!decoded_)
        decoded_ = DecodeDateTime(value_);
    return *decoded_;
}

template <class Char> void Formatter::FormatLevel(PatternView<Char> pattern, int depth) {
    Level<Char> level{pattern, depth};
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        if (IsMultiUnit(pattern, pos)) {
            // A two-byte character is copied whole; its second byte is
            // never a token.
            const std::size_t next = NextUnit(pattern, pos);
            out_.Put(pattern.substr(pos, next - pos));
            level.lastLetter = NoLetter;
            pos = next;
            continue;
        }
        char token = AsciiUpper(Ascii(pattern[pos]));
        if (IsLetter(token)) {
            // An "m" after an hour, with only non-letters between, is minutes.
            if (token == 'M' && level.lastLetter == 'H')
                token = 'N';
            level.lastLetter = token;
        }
        pos = FormatToken(level, token, pos);
    }
}

template <class Char>
std::size_t Formatter::RunLength(const Level<Char>& level, std::size_t pos) const {
    const Char first = level.pattern[pos];
    std::size_t end = pos + 1;
    while (end < level.pattern.size() && level.pattern[end] == first)
        ++end;
    return end - pos;
}

// Writes one token that starts at `pos`; returns the position after it.
template <class Char>
std::size_t Formatter::FormatToken(Level<Char>& level, char token, std::size_t pos) {
    switch (token) {
    case 'A':
        return PutAForm(level, pos);
    case '/':
        PutSeparator(settings_.DateSep);
        return pos + 1;
    case ':':
        PutSeparator(settings_.TimeSep);
        return pos + 1;
    case '\'':
    case '"':
        return PutQuoted(level, pos);
    case 'Y':
    case 'M':
    case 'N':
    case 'D':
    case 'H':
    case 'S':
    case 'Z':
    case 'T':
    case 'C':
    case 'G':
    case 'E':
        break;
    default:
        out_.Put(level.pattern.substr(pos, 1));
        return pos + 1;
    }

    const std::size_t count = RunLength(level, pos);
    const std::size_t end = pos + count;
    const std::size_t twoDigits = count < 2 ? count : 2;
    switch (token) {
    case 'Y': {
        const int year = static_cast<int>(Decoded().date.year());
        if (count <= 2)
            out_.PutNumber((year % 100 + 100) % 100, 2);
        else
            out_.PutNumber(year, 4);
        break;
    }
    case 'M': {
        const unsigned month = unsigned{Decoded().date.month()};
        if (count <= 2)
            out_.PutNumber(month, count);
        else if (count == 3)
            PutMonthName(settings_.MonthAbbrevs, settings_.GenitiveMonthAbbrevs, month);
        else
            PutMonthName(settings_.MonthNames, settings_.GenitiveMonthNames, month);
        break;
    }
    case 'D': {
        const DecodedDateTime& d = Decoded();
        if (count <= 2) {
            out_.PutNumber(unsigned{d.date.day()}, count);
            dayNumberWritten_ = true;
        } else if (count == 3)
            PutDayName(settings_.DayAbbrevs);
        else if (count == 4)
            PutDayName(settings_.DayNames);
        else if (count == 5)
            PutNested(level, settings_.ShortDatePattern);
        else
            PutNested(level, settings_.LongDatePattern);
        break;
    }
    case 'H':
        PutHour(level, end, twoDigits);
        break;
    case 'N':
        out_.PutNumber(Decoded().minute, twoDigits);
        break;
    case 'S':
        out_.PutNumber(Decoded().second, twoDigits);
        break;
    case 'Z':
        out_.PutNumber(Decoded().millisecond, count < 3 ? count : 3);
        break;
    case 'T':
        PutNested(level, count == 1 ? settings_.ShortTimePattern : settings_.LongTimePattern);
        break;
    case 'C':
        PutClock(level);
        break;
    case 'G':
    case 'E':
        PutEra(token, count);
        break;
    }
    return end;
}

template <class Char>
void Formatter::PutHour(Level<Char>& level, std::size_t runEnd, std::size_t digits) {
    if (!level.twelveHour && AmPmFollows(level.pattern, runEnd))
        level.twelveHour = true;
    int hour = Decoded().hour;
    if (level.twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    out_.PutNumber(hour, digits);
}

// "c": the short date, then the long time unless the clock shows midnight
// to the second.
template <class Char> void Formatter::PutClock(Level<Char>& level) {
    if (level.depth >= DeepestLevel)
        return;
    PutNested(level, settings_.ShortDatePattern);
    const DecodedDateTime& d = Decoded();
    if (d.hour != 0 || d.minute != 0 || d.second != 0) {
        out_.Put(' ');
        PutNested(level, settings_.LongTimePattern);
    }
}

template <class Char> std::size_t Formatter::PutAForm(Level<Char>& level, std::size_t pos) {
    const PatternView<Char> pattern = level.pattern;
    const bool beforeNoon = Decoded().hour < 12;
    if (StartsWithIgnoringCase(pattern, pos, "AM/PM")) {
        // The marker is written in the case the pattern uses.
        out_.Put(pattern.substr(beforeNoon ? pos : pos + 3, 2));
        level.twelveHour = true;
        return pos + 5;
    }
    if (StartsWithIgnoringCase(pattern, pos, "A/P")) {
        out_.Put(pattern.substr(beforeNoon ? pos : pos + 2, 1));
        level.twelveHour = true;
        return pos + 3;
    }
    if (StartsWithIgnoringCase(pattern, pos, "AMPM")) {
        out_.PutShown(beforeNoon ? settings_.AmText : settings_.PmText);
        level.twelveHour = true;
        return pos + 4;
    }
    if (StartsWithIgnoringCase(pattern, pos, "AAAA")) {
        PutDayName(settings_.DayNames);
        return pos + 4;
    }
    if (StartsWithIgnoringCase(pattern, pos, "AAA")) {
        PutDayName(settings_.DayAbbrevs);
        return pos + 3;
    }
    out_.Put(pattern.substr(pos, 1));
    return pos + 1;
}

// Literal text up to the same quote character, or to the end of the pattern
// when the quote is never closed.
template <class Char> std::size_t Formatter::PutQuoted(const Level<Char>& level, std::size_t pos) {
    const PatternView<Char> pattern = level.pattern;
    const Char quote = pattern[pos];
    std::size_t end = pos + 1;
    while (end < pattern.size() && pattern[end] != quote)
        end = NextUnit(pattern, end);
    out_.Put(pattern.substr(pos + 1, end - pos - 1));
    return end < pattern.size() ? end + 1 : end;
}

void Formatter::PutMonthName(const std::array<WideText, 12>& names,
                             const std::array<WideText, 12>& genitive, unsigned month) {
    out_.PutShown((dayNumberWritten_ ? genitive : names)[month - 1]);
}

void Formatter::PutDayName(const std::array<WideText, 7>& names) {
    out_.PutShown(names[Decoded().dayOfWeek - 1]);
    dayNumberWritten_ = false;
}

void Formatter::PutEra(char token, std::size_t count) {
    if (pc_.Calendar == nullptr)
        return;
    const char* picture = token == 'G' ? "gg" : (count >= 3 ? "yyyy" : "yy");
    const std::optional<Text> text = pc_.Calendar->EraText(Decoded().date, picture);
    if (!text)
        return;
    if (token == 'G' && count == 1)
        out_.Put(ShortEraName(*text));
    else if (token == 'E' && count == 1 && !text->empty() && (*text)[0] == '0')
        out_.Put(std::string_view(*text).substr(1));
    else
        out_.Put(*text);
}

// "g": the first character of a Japanese era name ("令" of "令和"), the
// last two of a four-character Taiwan era name, other names whole.
Text Formatter::ShortEraName(const Text& name) const {
    if (pc_.PcPrimaryLanguage == LangJapanese)
        return name.substr(0, NextChar(name, 0));
    if (pc_.PcPrimaryLanguage == LangChinese && pc_.PcSubLanguage == 1 && CharacterCount(name) == 4)
        return name.substr(NextChar(name, NextChar(name, 0)));
    return name;
}

template <class Char, class Nested>
void Formatter::PutNested(const Level<Char>& level, const Nested& pattern) {
    const auto inner = UpToNul(PatternView<typename Nested::value_type>(pattern));
    if (level.depth >= DeepestLevel || inner.empty())
        return;
    FormatLevel(inner, level.depth + 1);
}

void Formatter::PutSeparator(char separator) {
    if (separator != '\0')
        out_.Put(separator);
}

} // namespace

WideText FormatPattern(std::string_view pattern, DateTime value, const TFormatSettings& settings,
                       const PcLocaleFacts& pc) {
    pattern = UpToNul(pattern);
    Formatter formatter(value, settings, pc);
    formatter.FormatLevel(pattern.empty() ? std::string_view("c") : pattern, TopLevel);
    return formatter.Result();
}

} // namespace velmora
