#pragma once
// Settings files a user, a crash or another program might leave behind, each
// with what the clock must make of it: a table shared by the run of the real
// program and the drop on a window in process.
#include <windows.h>

#include <optional>
#include <span>
#include <string>

namespace velmora::testing {

// How the file comes to exist in the test's folder.
enum class Make {
    Copy,      // a file checked in under tests/hostile
    Generate,  // bytes made at run time: too big to check in
    Sparse,    // a file of `sparseBytes` without content
    Directory, // a directory of that name
    Missing,   // nothing of that name
};

// How the program meets it.
enum class Use {
    Argument,           // named on the command line (and dropped in process)
    HeldOpen,           // as Argument, while another handle refuses to share it
    StartupIni,         // the ".ini" next to the program
    ReadOnlyStartupIni, // the same, marked read-only
};

enum class Placement {
    Unchecked,
    Centred,     // on the primary screen, as with no position at all
    AsRead,      // exactly the file's rectangle
    BroughtBack, // the file's size, inside the nearest monitor's work area
    OnScreen,    // on some monitor, at least in part
};

// What must be seen. Texts are code page 932; in error texts "@FILE@" stands
// for the full path of the file and "@REASON@" for the system's text of
// `reason`.
struct Outcome {
    const char* startError = nullptr; // the one error box after reading
    const char* closeError = nullptr; // the one error box while closing
    DWORD reason = 0;
    const char* caption = "Velmora";
    const char* leftName = "昭和基地";
    const char* rightName = "ヒューストン";
    // Half hours each clock runs behind the computer; labels unchecked when empty.
    std::optional<std::pair<int, int>> behind = std::pair{12, 30};
    Placement placement = Placement::Centred;
    RECT fileRect{};
    std::optional<BYTE> alpha = 255;
    const char* leftFace = "ＭＳ ゴシック"; // in process only
    const char* rightFace = "ＭＳ ゴシック";
    const char* iniKeeps = nullptr; // part of the start-up ".ini" after closing
};

struct HostileCase {
    const char* name = nullptr; // the file's name, also under tests/hostile for Make::Copy
    Make make = Make::Copy;
    Use use = Use::Argument;
    Outcome outcome{};
    std::string (*generate)() = nullptr;
    LONGLONG sparseBytes = 0;
};

std::span<const HostileCase> HostileCorpus();

// Makes the case's item at `path` (and nothing when it is Missing), marked
// read-only when the case says so.
// `sourceDir` is the folder holding tests/hostile, as a Windows path.
bool MakeHostileItem(const HostileCase& item, const std::wstring& sourceDir,
                     const std::wstring& path);

} // namespace velmora::testing
