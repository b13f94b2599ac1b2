#include "engine/tick.h"

#include "engine/format_pattern.h"
#include "engine/side_time.h"

namespace velmora {

namespace {

constexpr const char* PcCaptionPattern = "m/d hh:mm";
constexpr const char* SideCaptionPattern = "m/d hh:mm ";

struct SideTexts {
    Text date;
    Text time;
};

std::optional<WideText> CaptionText(const TickInput& in, DateTime pcNow) {
    const PcSettings& pc = in.Pc;
    switch (in.TitleMode) {
    case TitleSource::PcTime:
        return FormatPattern(PcCaptionPattern, pcNow, pc.FormatSettings, pc.Facts);
    case TitleSource::LeftClock:
        return FormatPattern(SideCaptionPattern, in.Left.SideTime, pc.FormatSettings, pc.Facts) +
               DecodeText(in.Left.BoxName, pc.Facts.Decoder);
    case TitleSource::RightClock:
        return FormatPattern(SideCaptionPattern, in.Right.SideTime, pc.FormatSettings, pc.Facts) +
               DecodeText(in.Right.BoxName, pc.Facts.Decoder);
    default:
        return std::nullopt;
    }
}

} // namespace

TickTexts Tick(const TickInput& in) {
    const PcLocaleFacts& facts = in.Pc.Facts;
    // One reading for the whole tick: near a second boundary a second reading
    // could put the sides, the blink and the caption in different seconds.
    const ClockReading now = in.Clock.Read();
    in.Left.SideTime = SideTimeAt(in.Left, now, in.Zones);
    in.Right.SideTime = SideTimeAt(in.Right, now, in.Zones);

    TickTexts texts;
    texts.LeftDate =
        FormatPattern(in.Left.DatePattern, in.Left.SideTime, in.Left.FormatSettings, facts);
    texts.RightDate =
        FormatPattern(in.Right.DatePattern, in.Right.SideTime, in.Right.FormatSettings, facts);

    // Offsets and time zones are whole half hours or minutes, so the sides
    // share the computer's seconds and both blink in step with it.
    const bool odd = DecodeDateTime(now.Local).second % 2 != 0;
    const auto timeText = [&](const ClockSide& side) {
        const Text& pattern = odd ? side.OddSecondPattern : side.EvenSecondPattern;
        return ApplyHourFix(FormatPattern(pattern, side.SideTime, side.FormatSettings, facts),
                            side.TimeIndex);
    };
    texts.LeftTime = timeText(in.Left);
    texts.RightTime = timeText(in.Right);

    texts.Caption = CaptionText(in, now.Local);
    texts.Utc = now.Utc;
    StepProgress(in.Progress, in.ProgressData, in.Left.SideTime, in.Right.SideTime, in.Taskbar);
    return texts;
}

std::optional<Text> FixedTitle(TitleSource titleMode, const Text& titleString) {
    switch (titleMode) {
    case TitleSource::ProductTitle:
        return Text(ProductName);
    case TitleSource::TitleString:
        return titleString;
    default:
        return std::nullopt;
    }
}

WideText ApplyHourFix(const WideText& text, std::int32_t timeIndex) {
    // Only the fixed 12-hour patterns end in the hour, a one-byte separator
    // and two-digit minutes. On the 24-hour entries the fix would turn noon
    // into 0 and on the locale's long pattern it would cut into the minutes
    // or seconds, so those stay as formatted.
    if (timeIndex < 4 || timeIndex > 7)
        return text;
    // "12" + separator + two digits needs five units.
    const std::size_t n = text.size();
    if (n < 5 || text.compare(n - 5, 2, u"12") != 0)
        return text;
    return text.substr(0, n - 5) + u"0" + text.substr(n - 3);
}

} // namespace velmora
