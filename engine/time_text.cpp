#include "engine/time_text.h"

#include <optional>

#include "engine/conversion_error.h"

namespace velmora {

namespace {

class TimeTextReader {
  public:
    TimeTextReader(std::string_view text, const TFormatSettings& pc, const LocaleSource& compare)
        : text_(text), pc_(pc), compare_(compare) {}

    DateTime Read() {
        std::optional<int> baseHour = Marker();
        const int hour = Number();
        int minute = 0;
        int second = 0;
        int millisecond = 0;
        if (Separator(pc_.TimeSep)) {
            minute = Number();
            if (Separator(pc_.TimeSep)) {
                second = Number();
                if (Separator(pc_.DecimalSep))
                    millisecond = Number();
            }
        }
        if (!baseHour)
            baseHour = Marker();
        const int fullHour = baseHour ? TwelveHour(hour) + *baseHour : hour;
        SkipBlanks();
        if (fullHour >= 24 || minute >= 60 || second >= 60 || millisecond >= 1000)
            Fail();
        if (pos_ != text_.size())
            Fail();
        const long long total =
            fullHour * 3'600'000LL + minute * 60'000LL + second * 1'000LL + millisecond;
        return static_cast<DateTime>(total) / MillisecondsPerDay;
    }

  private:
    [[noreturn]] void Fail() const { ThrowNotATime(text_); }

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    // A marker is compared over exactly its own length in characters, so a
    // shorter rest of the text never matches; the text's characters are
    // decoded for the comparison.
    bool Consume(std::u16string_view marker) {
        if (marker.empty())
            return false;
        WideText start;
        std::size_t end = pos_;
        while (start.size() < marker.size() && end < text_.size()) {
            const std::size_t next = NextChar(text_, end);
            start += DecodeText(text_.substr(end, next - end), &compare_);
            end = next;
        }
        if (!compare_.EqualIgnoreCase(start, marker))
            return false;
        pos_ = end;
        return true;
    }

    // The base hour of a before-noon (0) or after-noon (12) marker.
    std::optional<int> Marker() {
        SkipBlanks();
        std::optional<int> base;
        if (Consume(pc_.AmText) || Consume(u"AM"))
            base = 0;
        else if (Consume(pc_.PmText) || Consume(u"PM"))
            base = 12;
        if (base)
            SkipBlanks();
        return base;
    }

    // At most four digits: reading stops once the value reaches 1000.
    int Number() {
        SkipBlanks();
        const std::size_t start = pos_;
        int value = 0;
        while (pos_ < text_.size() && IsDigit(text_[pos_]) && value < 1000)
            value = value * 10 + (text_[pos_++] - '0');
        if (pos_ == start)
            Fail();
        return value;
    }

    bool Separator(char separator) {
        SkipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != separator)
            return false;
        ++pos_;
        return true;
    }

    // With a marker the hour is on the twelve-hour clock, where 12 is 0.
    int TwelveHour(int hour) const {
        if (hour < 1 || hour > 12)
            Fail();
        return hour == 12 ? 0 : hour;
    }

    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    std::string_view text_;
    const TFormatSettings& pc_;
    const LocaleSource& compare_;
    std::size_t pos_ = 0;
};

} // namespace

DateTime ParseTimeText(std::string_view text, const TFormatSettings& pcFormat,
                       const LocaleSource& compare) {
    return TimeTextReader(text, pcFormat, compare).Read();
}

} // namespace velmora
