#include "hostile_outcome.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "engine/text_win.h"
#include "settings/settings_file_win.h"
#include "tests/win/test_files.h"
#include "tests/win/window_queries.h"

namespace velmora::testing {
namespace {

Text Expanded(const char* pattern, const Text& path, DWORD reason) {
    return Replaced(Replaced(pattern, "@FILE@", path), "@REASON@", SystemErrorText(reason));
}

// The runs of ASCII digits in a label: hours and minutes, or year, month, day.
std::vector<int> Numbers(const Text& text) {
    std::vector<int> numbers;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] < '0' || text[at] > '9') {
            ++at;
            continue;
        }
        const std::size_t end = text.find_first_not_of("0123456789", at);
        numbers.push_back(std::atoi(text.substr(at, end - at).c_str()));
        at = end == Text::npos ? text.size() : end;
    }
    return numbers;
}

// Whether the labels show the computer's time `behind` half hours earlier, at
// either end of the reading (a minute may turn meanwhile).
bool ShowsClock(const Text& date, const Text& time, int behind, const Observed& seen) {
    for (const DateTime now : {seen.readFrom, seen.readTo}) {
        const DecodedDateTime at = DecodeDateTime(now - behind * OneHalfHour);
        const std::vector<int> expectedDate{static_cast<int>(at.date.year()),
                                            static_cast<int>(unsigned(at.date.month())),
                                            static_cast<int>(unsigned(at.date.day()))};
        if (Numbers(date) == expectedDate && Numbers(time) == std::vector<int>{at.hour, at.minute})
            return true;
    }
    return false;
}

std::string Describe(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::optional<std::string> PlacementMismatch(const Outcome& outcome, const RECT& rect) {
    const auto width = [](const RECT& r) { return r.right - r.left; };
    const auto height = [](const RECT& r) { return r.bottom - r.top; };
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor);
    bool right = false;
    switch (outcome.placement) {
    case Placement::Unchecked:
        return std::nullopt;
    case Placement::Centred:
        right = std::abs(rect.left + rect.right - GetSystemMetrics(SM_CXSCREEN)) <= 2 &&
                std::abs(rect.top + rect.bottom - GetSystemMetrics(SM_CYSCREEN)) <= 2;
        break;
    case Placement::AsRead:
        right = EqualRect(&rect, &outcome.fileRect);
        break;
    case Placement::BroughtBack:
        right = width(rect) == width(outcome.fileRect) &&
                height(rect) == height(outcome.fileRect) && Inside(rect, monitor.rcWork);
        break;
    case Placement::OnScreen:
        right = MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
        break;
    }
    if (right)
        return std::nullopt;
    return "window at " + Describe(rect) + ", file said " + Describe(outcome.fileRect);
}

void ExpectText(std::vector<std::string>& out, const char* what, const char* expected,
                const Text& seen) {
    if (expected != nullptr && seen != expected)
        out.push_back(std::string(what) + ": expected \"" + expected + "\", saw \"" + seen + "\"");
}

void ExpectErrors(std::vector<std::string>& out, const char* what, const char* pattern,
                  const Text& path, DWORD reason, const std::vector<Text>& seen) {
    const std::vector<Text> expected =
        pattern ? std::vector<Text>{Expanded(pattern, path, reason)} : std::vector<Text>{};
    if (seen == expected)
        return;
    std::string line = std::string(what) + ": expected " + std::to_string(expected.size());
    for (const Text& text : expected)
        line += " \"" + text + "\"";
    line += ", saw " + std::to_string(seen.size());
    for (const Text& text : seen)
        line += " \"" + text + "\"";
    out.push_back(line);
}

} // namespace

void ReadMainWindow(HWND window, Observed& seen) {
    seen.caption = WindowText(window);
    const std::vector<HWND> frames = ChildrenOfClass(window, L"VelmoraFrame");
    if (frames.size() == 2) {
        seen.leftName = WindowText(frames[0]);
        seen.rightName = WindowText(frames[1]);
        const std::vector<HWND> left = ChildrenOfClass(frames[0], L"VelmoraClockLabel");
        const std::vector<HWND> right = ChildrenOfClass(frames[1], L"VelmoraClockLabel");
        if (left.size() == 2 && right.size() == 2) {
            seen.leftDate = WindowText(left[0]);
            seen.leftTime = WindowText(left[1]);
            seen.rightDate = WindowText(right[0]);
            seen.rightTime = WindowText(right[1]);
        }
    }
    GetWindowRect(window, &seen.windowRect);
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && (flags & LWA_ALPHA))
        seen.alpha = alpha;
}

std::vector<std::string> Mismatches(const HostileCase& item, const Observed& seen, const Text& file,
                                    const Text& ini) {
    const Outcome& o = item.outcome;
    std::vector<std::string> out;
    if (!seen.windowShown)
        out.push_back("the main window never showed");
    ExpectErrors(out, "error boxes after reading", o.startError, file, o.reason, seen.startErrors);
    ExpectText(out, "caption", o.caption, seen.caption);
    ExpectText(out, "left frame", o.leftName, seen.leftName);
    ExpectText(out, "right frame", o.rightName, seen.rightName);
    if (o.behind && !ShowsClock(seen.leftDate, seen.leftTime, o.behind->first, seen))
        out.push_back("left clock shows " + seen.leftDate + " " + seen.leftTime);
    if (o.behind && !ShowsClock(seen.rightDate, seen.rightTime, o.behind->second, seen))
        out.push_back("right clock shows " + seen.rightDate + " " + seen.rightTime);
    if (!seen.ticked)
        out.push_back("the time labels did not change across a second");
    if (const auto placement = PlacementMismatch(o, seen.windowRect))
        out.push_back(*placement);
    if (o.alpha && seen.alpha.value_or(255) != *o.alpha)
        out.push_back("alpha " + std::to_string(seen.alpha.value_or(255)) + ", expected " +
                      std::to_string(*o.alpha));
    if (seen.leftFace)
        ExpectText(out, "left font", o.leftFace, *seen.leftFace);
    if (seen.rightFace)
        ExpectText(out, "right font", o.rightFace, *seen.rightFace);
    if (seen.closeErrors)
        ExpectErrors(out, "error boxes while closing", o.closeError, ini, o.reason,
                     *seen.closeErrors);
    if (seen.exitedCleanly && !*seen.exitedCleanly)
        out.push_back("the program did not end with exit code 0 after WM_CLOSE");
    if (o.iniKeeps && seen.iniAfterClose && seen.iniAfterClose->find(o.iniKeeps) == Text::npos)
        out.push_back(std::string("the start-up file lost \"") + o.iniKeeps + "\"");
    return out;
}

} // namespace velmora::testing
