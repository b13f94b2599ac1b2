// Formats every fixed date and time pattern with FormatPattern, and the
// Gregorian ones also with strftime, which writes the same text; prints how
// FormatPattern's time compares with strftime's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "engine/cp932_decoder_iconv.h"
#include "engine/era_calendar.h"
#include "engine/format_pattern.h"
#include "engine/pattern_lists.h"
#include "engine/text.h"

namespace {

using namespace velmora;
using namespace std::chrono;

struct PatternPair {
    const char* pattern;
    const char* strftimeFormat; // nullptr: no strftime equivalent (era patterns)
};

// "%-m" and "%-d" (no padding) and "%P" (lower-case am/pm) are glibc's.
const PatternPair Pairs[] = {
    {"m/d", "%-m/%-d"},
    {"m/d(ddd)", "%-m/%-d(%a)"},
    {"m/d(dddd)", "%-m/%-d(%A)"},
    {"mm/dd", "%m/%d"},
    {"mm/dd(ddd)", "%m/%d(%a)"},
    {"mm/dd(dddd)", "%m/%d(%A)"},
    {"mmm/dd", "%b/%d"},
    {"mmm/dd(ddd)", "%b/%d(%a)"},
    {"mmm/dd(dddd)", "%b/%d(%A)"},
    {"yy/mm/dd", "%y/%m/%d"},
    {"yy/mm/dd(ddd)", "%y/%m/%d(%a)"},
    {"yy/mm/dd(dddd)", "%y/%m/%d(%A)"},
    {"yy/mmm/dd", "%y/%b/%d"},
    {"yy/mmm/dd(ddd)", "%y/%b/%d(%a)"},
    {"yy/mmm/dd(dddd)", "%y/%b/%d(%A)"},
    {"yy/mmmm/dd", "%y/%B/%d"},
    {"yy/mmmm/dd(ddd)", "%y/%B/%d(%a)"},
    {"yy/mmmm/dd(dddd)", "%y/%B/%d(%A)"},
    {"yyyy/mm/dd", "%Y/%m/%d"},
    {"yyyy/mm/dd(ddd)", "%Y/%m/%d(%a)"},
    {"yyyy/mm/dd(dddd)", "%Y/%m/%d(%A)"},
    {"yyyy/mmm/dd", "%Y/%b/%d"},
    {"yyyy/mmm/dd(ddd)", "%Y/%b/%d(%a)"},
    {"yyyy/mmm/dd(dddd)", "%Y/%b/%d(%A)"},
    {"yyyy/mmmm/dd", "%Y/%B/%d"},
    {"yyyy/mmmm/dd(ddd)", "%Y/%B/%d(%a)"},
    {"yyyy/mmmm/dd(dddd)", "%Y/%B/%d(%A)"},
    {"ggge年m月d日", nullptr},
    {"ggge年m月d日(ddd)", nullptr},
    {"ggge年m月d日(dddd)", nullptr},
    {"h:nn", "%-H:%M"},
    {"hh:nn", "%H:%M"},
    {"AM/PM h:nn", "%p %-I:%M"},
    {"AM/PM hh:nn", "%p %I:%M"},
    {"ampm h:nn", "%P %-I:%M"},
    {"ampm hh:nn", "%P %I:%M"},
};

// 2010-04-01 21:30:05.250: one-digit month and day, an afternoon hour.
const DateTime Value = EncodeDateTime(year{2010} / April / 1, 21, 30, 5, 250);
constexpr double UnixEpochDay = 25'569; // 1970-01-01

struct Fixture {
    TFormatSettings settings;
    BuiltInEraCalendar calendar{0x0411};
    IconvCp932Decoder decoder;
    PcLocaleFacts pc{0x0411, LangJapanese, 1, &calendar, &decoder};
};

WideText WithFormatPattern(const Fixture& f, const char* pattern, DateTime value) {
    return FormatPattern(pattern, value, f.settings, f.pc);
}

// The Gregorian patterns write ASCII only.
std::string AsciiOf(const WideText& shown) {
    return std::string(shown.begin(), shown.end());
}

// strftime starts from the same date-time value, so that both sides split it.
std::string WithStrftime(const char* format, DateTime value) {
    const auto seconds = static_cast<std::time_t>((value - UnixEpochDay) * 86'400.0);
    std::tm tm{};
    gmtime_r(&seconds, &tm);
    char buffer[256];
    // The formats are the table's constants above.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const std::size_t size = std::strftime(buffer, sizeof buffer, format, &tm);
#pragma GCC diagnostic pop
    return std::string(buffer, size);
}

// Collects the time per iteration of every run while printing as usual.
class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// Benchmark names in ASCII: the era patterns' two-byte characters become "?".
std::string Printable(const char* pattern) {
    std::string name;
    for (std::size_t pos = 0; pattern[pos] != '\0'; pos = NextChar(pattern, pos))
        name += static_cast<unsigned char>(pattern[pos]) < 0x80 ? pattern[pos] : '?';
    return name;
}

// The table above must be the lists' fixed patterns, in their order.
bool CoversTheFixedPatterns() {
    std::vector<std::string> fixed(FixedDatePatterns.begin(), FixedDatePatterns.end());
    fixed.insert(fixed.end(), FixedTimePatterns.begin(), FixedTimePatterns.end());
    if (fixed.size() != std::size(Pairs))
        return false;
    for (std::size_t i = 0; i < fixed.size(); ++i) {
        if (fixed[i] != Pairs[i].pattern)
            return false;
    }
    return true;
}

bool RegisterAll(const Fixture& fixture) {
    if (!CoversTheFixedPatterns()) {
        std::fprintf(stderr, "the benchmark's patterns are not the fixed patterns\n");
        return false;
    }
    bool same = true;
    for (const PatternPair& pair : Pairs) {
        const std::string name = Printable(pair.pattern);
        benchmark::RegisterBenchmark(
            ("FormatPattern/" + name).c_str(), [&fixture, pair](benchmark::State& state) {
                for (auto _ : state)
                    benchmark::DoNotOptimize(WithFormatPattern(fixture, pair.pattern, Value));
            });
        if (pair.strftimeFormat == nullptr)
            continue;
        const std::string ours = AsciiOf(WithFormatPattern(fixture, pair.pattern, Value));
        const std::string theirs = WithStrftime(pair.strftimeFormat, Value);
        if (ours != theirs) {
            std::fprintf(stderr, "%s: \"%s\" but strftime \"%s\"\n", pair.pattern, ours.c_str(),
                         theirs.c_str());
            same = false;
        }
        benchmark::RegisterBenchmark(("strftime/" + name).c_str(), [pair](benchmark::State& state) {
            for (auto _ : state)
                benchmark::DoNotOptimize(WithStrftime(pair.strftimeFormat, Value));
        });
    }
    return same;
}

} // namespace

int main(int argc, char** argv) {
    const Fixture fixture;
    if (!RegisterAll(fixture))
        return 1;
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    double ours = 0;
    double theirs = 0;
    double worst = 0;
    std::string worstPattern;
    for (const PatternPair& pair : Pairs) {
        if (pair.strftimeFormat == nullptr)
            continue;
        const auto a = reporter.times.find("FormatPattern/" + Printable(pair.pattern));
        const auto b = reporter.times.find("strftime/" + Printable(pair.pattern));
        if (a == reporter.times.end() || b == reporter.times.end())
            continue; // filtered out
        ours += a->second;
        theirs += b->second;
        if (a->second / b->second > worst) {
            worst = a->second / b->second;
            worstPattern = pair.pattern;
        }
    }
    if (theirs > 0) {
        std::printf("FormatPattern/strftime ratio: %.2f\n", ours / theirs);
        std::printf("worst single pattern: %s, ratio %.2f\n", worstPattern.c_str(), worst);
    }
    return 0;
}
