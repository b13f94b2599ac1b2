#pragma once
// What a run of the clock on a hostile settings file showed, read from its
// windows the same way in process and from another process, and how that
// compares with the case's outcome.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/date_time.h"
#include "engine/text.h"
#include "hostile_corpus.h"

namespace velmora::testing {

struct Observed {
    bool windowShown = false;
    std::vector<Text> startErrors; // error boxes' texts up to the end of the ticking check
    Text caption;
    Text leftName;
    Text rightName;
    Text leftDate;
    Text leftTime;
    Text rightDate;
    Text rightTime;
    DateTime readFrom = 0; // the computer's time just before and after the labels were read
    DateTime readTo = 0;
    bool ticked = false; // a time label changed across a second boundary
    RECT windowRect{};
    std::optional<BYTE> alpha;
    std::optional<Text> leftFace; // known in process only
    std::optional<Text> rightFace;
    std::optional<std::vector<Text>> closeErrors; // known from a real close only
    std::optional<bool> exitedCleanly;
    std::optional<std::string> iniAfterClose;
};

// The window's caption, frame captions, labels, rectangle and alpha.
void ReadMainWindow(HWND window, Observed& seen);

// Everything that differs from the case's outcome, one line each. `file` is
// the full path of the case's file, `ini` that of the start-up ".ini".
std::vector<std::string> Mismatches(const HostileCase& item, const Observed& seen, const Text& file,
                                    const Text& ini);

} // namespace velmora::testing
