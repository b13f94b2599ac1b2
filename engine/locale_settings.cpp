#include "engine/locale_settings.h"

#include <charconv>

namespace velmora {

namespace item = locale_item;

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);
    // from_chars takes a minus sign only; "+-1" is no number.
    if (text.empty() || (plus && (text.front() < '0' || text.front() > '9')))
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

namespace {

// The reading rules: how a text, one-byte or number item falls back.
class ItemReader {
  public:
    ItemReader(const LocaleSource& source, std::int32_t lcid) : source_(source), lcid_(lcid) {}

    // An empty text stays empty; only a failed read takes the default.
    Text TextItem(std::uint32_t id, const Text& fallback) const {
        return source_.LocaleInfo(lcid_, id).value_or(fallback);
    }

    WideText ShownItem(std::uint32_t id, const WideText& fallback) const {
        return source_.LocaleText(lcid_, id).value_or(fallback);
    }

    // Separators are one byte: a longer text falls back, an empty one is NUL.
    char ByteItem(std::uint32_t id, char fallback) const {
        const std::optional<Text> text = source_.LocaleInfo(lcid_, id);
        if (!text || text->size() > 1)
            return fallback;
        return text->empty() ? '\0' : text->front();
    }

    std::int32_t NumberItem(std::uint32_t id, std::string_view fallback = "0") const {
        const Text text = source_.LocaleInfo(lcid_, id).value_or(Text(fallback));
        return ParseDecimal(text).value_or(0);
    }

    // Names fall back to the English default when unreadable or empty.
    WideText NameItem(std::uint32_t id, const WideText& fallback) const {
        const std::optional<WideText> text = source_.LocaleText(lcid_, id);
        return text && !text->empty() ? *text : fallback;
    }

  private:
    const LocaleSource& source_;
    std::int32_t lcid_;
};

void ReadNames(const ItemReader& names, TFormatSettings& settings) {
    const TFormatSettings defaults;
    for (std::uint32_t m = 0; m < 12; ++m) {
        settings.MonthAbbrevs[m] =
            names.NameItem(item::SAbbrevMonthName1 + m, defaults.MonthAbbrevs[m]);
        settings.MonthNames[m] = names.NameItem(item::SMonthName1 + m, defaults.MonthNames[m]);
        settings.GenitiveMonthAbbrevs[m] = names.NameItem(
            (item::SAbbrevMonthName1 + m) | item::ReturnGenitiveNames, settings.MonthAbbrevs[m]);
        settings.GenitiveMonthNames[m] = names.NameItem(
            (item::SMonthName1 + m) | item::ReturnGenitiveNames, settings.MonthNames[m]);
    }
    // The records count days from Sunday, the locale items from Monday.
    for (std::uint32_t d = 0; d < 7; ++d) {
        const std::uint32_t fromMonday = (d + 6) % 7;
        settings.DayAbbrevs[d] =
            names.NameItem(item::SAbbrevDayName1 + fromMonday, defaults.DayAbbrevs[d]);
        settings.DayNames[d] = names.NameItem(item::SDayName1 + fromMonday, defaults.DayNames[d]);
    }
}

// The locale's own time formats are not used: the patterns are built from
// its hour, clock and marker items so that the formatter understands them.
void BuildTimePatterns(const ItemReader& items, TFormatSettings& settings) {
    const Text hour = items.NumberItem(item::ITLZero) != 0 ? "hh" : "h";
    Text prefix;
    Text suffix;
    if (items.NumberItem(item::ITime) == 0) {
        if (items.NumberItem(item::ITimeMarkPosn) != 0)
            prefix = "AMPM ";
        else
            suffix = " AMPM";
    }
    settings.ShortTimePattern = prefix + hour + ":mm" + suffix;
    settings.LongTimePattern = prefix + hour + ":mm:ss" + suffix;
}

void ReadRecord(const LocaleSource& source, const PcLocaleFacts& pc, const ItemReader& items,
                const ItemReader& names, TFormatSettings& settings) {
    const TFormatSettings defaults;
    settings.DecimalSep = items.ByteItem(item::SDecimal, defaults.DecimalSep);
    settings.DateSep = items.ByteItem(item::SDate, defaults.DateSep);
    settings.TimeSep = items.ByteItem(item::STime, defaults.TimeSep);
    settings.ShortDatePattern = TranslateLocaleDatePattern(
        items.ShownItem(item::SShortDate, defaults.ShortDatePattern), source, pc);
    settings.LongDatePattern = TranslateLocaleDatePattern(
        items.ShownItem(item::SLongDate, defaults.LongDatePattern), source, pc);
    settings.AmText = items.ShownItem(item::S1159, defaults.AmText);
    settings.PmText = items.ShownItem(item::S2359, defaults.PmText);
    BuildTimePatterns(items, settings);
    ReadNames(names, settings);
}

bool IsEraCalendar(std::int32_t calendarType) {
    return calendarType == 3 || calendarType == 4 || calendarType == 5;
}

bool StartsWithIgnoringAsciiCase(std::u16string_view text, std::size_t pos, std::string_view word) {
    if (text.size() - pos < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char16_t c = text[pos + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char16_t>(c - 'A' + 'a');
        if (c != static_cast<char16_t>(word[i]))
            return false;
    }
    return true;
}

// The end of a quoted literal that starts at `pos`: its closing quote, or
// the end of the pattern. Letters there are text ("'gada'"), never tokens.
std::size_t QuotedEnd(std::u16string_view pattern, std::size_t pos) {
    const std::size_t close = pattern.find(pattern[pos], pos + 1);
    return close == std::u16string_view::npos ? pattern.size() : close + 1;
}

bool IsQuote(char16_t c) {
    return c == u'\'' || c == u'"';
}

WideText ToEraYears(std::u16string_view pattern) {
    struct Rewrite {
        std::string_view from;
        std::u16string_view to;
    };
    // Longest first, so that "yyyy" is not read as two "yy".
    static constexpr Rewrite rewrites[] = {
        {"gg", u"ggg"}, {"yyyy", u"eeee"}, {"yy", u"ee"}, {"y", u"e"}};
    WideText result;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        if (IsQuote(pattern[pos])) {
            const std::size_t end = QuotedEnd(pattern, pos);
            result.append(pattern.substr(pos, end - pos));
            pos = end;
            continue;
        }
        bool rewritten = false;
        for (const Rewrite& r : rewrites) {
            if (StartsWithIgnoringAsciiCase(pattern, pos, r.from)) {
                result.append(r.to);
                pos += r.from.size();
                rewritten = true;
                break;
            }
        }
        if (!rewritten)
            result.push_back(pattern[pos++]);
    }
    return result;
}

WideText WithoutEraNames(std::u16string_view pattern) {
    WideText result;
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        if (IsQuote(pattern[pos])) {
            const std::size_t end = QuotedEnd(pattern, pos);
            result.append(pattern.substr(pos, end - pos));
            pos = end;
            continue;
        }
        if (pattern[pos] != u'g' && pattern[pos] != u'G')
            result.push_back(pattern[pos]);
        ++pos;
    }
    return result;
}

} // namespace

WideText TranslateLocaleDatePattern(std::u16string_view pattern, const LocaleSource& source,
                                    const PcLocaleFacts& pc) {
    // The computer's calendar decides, never the language being loaded.
    const std::int32_t calendarType =
        ItemReader(source, pc.PcLocale).NumberItem(item::ICalendarType, "1");
    if (IsEraCalendar(calendarType))
        return ToEraYears(pattern);
    const int lang = pc.PcPrimaryLanguage;
    if (lang == LangChinese || lang == LangJapanese || lang == LangKorean)
        return WithoutEraNames(pattern);
    return WideText(pattern);
}

void LoadLocaleSettings(const LocaleSource& source, const PcLocaleFacts& pc, std::int32_t lcid,
                        TFormatSettings& settings) {
    const std::int32_t itemsLcid = source.IsValidLocale(lcid) ? lcid : pc.PcLocale;
    // Names come from the identifier itself even when it is not installed.
    ReadRecord(source, pc, ItemReader(source, itemsLcid), ItemReader(source, lcid), settings);
}

PcSettings LoadPcSettings(const LocaleSource& source) {
    PcSettings pc;
    pc.Facts.Decoder = &source;
    std::int32_t lcid = source.ThreadLocale();
    if (lcid == 0)
        lcid = 0x0409;
    pc.Facts.PcLocale = lcid;
    const int language = lcid & 0xFFFF;
    pc.Facts.PcPrimaryLanguage = language == 0 ? 0x09 : language & 0x3FF;
    pc.Facts.PcSubLanguage = language == 0 ? 0x01 : language >> 10;
    const ItemReader items(source, lcid);
    ReadRecord(source, pc.Facts, items, items, pc.FormatSettings);
    return pc;
}

PcSettings ReloadPcSettings(LocaleSource& source) {
    source.ResetThreadLocaleToUserDefault();
    return LoadPcSettings(source);
}

} // namespace velmora
