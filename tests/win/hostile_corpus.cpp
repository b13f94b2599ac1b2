#include "hostile_corpus.h"

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"

namespace velmora::testing {
namespace {

constexpr std::size_t FiftyMegabytes = 50u << 20;

std::string LongLineBetweenKeys() {
    return "[DATA]\r\n" + std::string(FiftyMegabytes, 'x') + "\r\nBoxName1=after the line\r\n";
}

std::string LongFrameName() {
    return "[DATA]\r\nBoxName2=" + std::string(FiftyMegabytes, 'n') + "\r\n";
}

std::string LongCaption() {
    return "[MODE]\r\nTitleMode=5\r\nTitleString=" + std::string(FiftyMegabytes, 'c') + "\r\n";
}

std::string HundredThousandSections() {
    std::string text;
    for (int n = 1; n < 100'000; ++n)
        text += "[S" + std::to_string(n) + "]\r\nKey=" + std::to_string(n) + "\r\n";
    return text + "[MODE]\r\nTitleMode=5\r\nTitleString=last of 100000\r\n";
}

std::string TenThousandDuplicateKeys() {
    std::string text = "[MODE]\r\nTitleMode=5\r\n";
    for (int n = 0; n < 10'000; ++n)
        text += "TitleString=" + std::to_string(n) + "\r\n";
    return text;
}

std::string UnreadableButFine() {
    return "[MODE]\r\nTitleMode=5\r\nTitleString=never read\r\n";
}

std::string ReadOnlyStartupFile() {
    return "[DATA]\r\nBoxName1=read-only\r\n";
}

constexpr char Unopenable[] = "ファイル \"@FILE@\" は開けません。@REASON@.";
constexpr char Uncreatable[] = "ファイル \"@FILE@\" を作成できません。@REASON@.";

const HostileCase Corpus[] = {
    // Bytes that are no settings file at all.
    {.name = "binary_garbage.ini"},
    {.name = "empty.ini"},
    {.name = "comments_and_blanks.ini"},
    {.name = "nul_bytes.ini", .outcome = {.caption = "before"}},
    {.name = "utf16_bom.ini"},
    {.name = "utf8_bom.ini", .outcome = {.caption = "after bom"}},
    {.name = "cr_only_lines.ini", .outcome = {.caption = "cr only", .leftName = "東京"}},
    {.name = "line_50mb.ini",
     .make = Make::Generate,
     .outcome = {.leftName = "after the line"},
     .generate = LongLineBetweenKeys},
    // Shown in part, kept whole.
    {.name = "frame_name_50mb.ini",
     .make = Make::Generate,
     .outcome = {.rightName = nullptr},
     .generate = LongFrameName},
    {.name = "caption_50mb.ini",
     .make = Make::Generate,
     .outcome = {.caption = nullptr},
     .generate = LongCaption},

    // Structure.
    {.name = "keys_without_section.ini"},
    {.name = "section_unterminated.ini"},
    {.name = "section_names_padded.ini", .outcome = {.caption = "padded"}},
    {.name = "equals_in_value.ini", .outcome = {.caption = "=a=b=", .rightName = "="}},
    {.name = "sections_100k.ini",
     .make = Make::Generate,
     .use = Use::StartupIni,
     .outcome = {.caption = "last of 100000", .iniKeeps = "[S99999]\r\nKey=99999\r\n"},
     .generate = HundredThousandSections},
    {.name = "duplicate_keys_10k.ini",
     .make = Make::Generate,
     .outcome = {.caption = "9999"},
     .generate = TenThousandDuplicateKeys},

    // Integer keys, all of them at once, in forms that do not convert.
    {.name = "int_below_range.ini"},
    {.name = "int_above_range.ini"},
    {.name = "int_nine_hex_digits.ini"},
    {.name = "int_bare_hex_marker.ini"},
    {.name = "int_double_sign.ini"},
    // At their largest and smallest they are taken as they are: the clocks
    // run ages away, the title mode is unknown, and the window, put where no
    // screen is, comes back onto one.
    {.name = "int_largest.ini",
     .outcome = {.behind = std::nullopt, .placement = Placement::OnScreen, .alpha = 255}},
    {.name = "int_smallest.ini",
     .outcome = {.behind = std::nullopt, .placement = Placement::OnScreen, .alpha = 26}},

    // Values the rest of the clock does not expect, stored as read.
    {.name = "diff_index_out_of_table.ini", .outcome = {.behind = std::pair{48, -48}}},
    {.name = "list_indexes_out_of_range.ini"},
    {.name = "blink_mode_unknown.ini"},
    {.name = "title_mode_zero.ini"},
    // Reminders that cannot be followed: reported in one box, switched off,
    // kept as written; the rest of the file applies.
    {.name = "reminder_bad_values.ini",
     .outcome = {.startError = "リマインダー 1 の時刻が正しくありません\r\n"
                               "リマインダー 2 の曜日が正しくありません\r\n"
                               "リマインダー 3 の音が正しくありません\r\n"
                               "これらのリマインダーはオフにしました.",
                 .leftName = "after reminders",
                 .iniKeeps = "On1=0\r\nClock1=0\r\nTime1=25:61\r\n"}},
    {.name = "progress_time_unknown.ini"},
    {.name = "progress_unparsable_unused.ini"},
    {.name = "progress_from_unparsable.ini",
     .outcome = {.startError = "'abc' は時刻ではありません."}},
    {.name = "progress_to_unparsable.ini",
     .outcome = {.startError = "'午後' は時刻ではありません."}},
    // Never fainter than the settings dialog's slider goes.
    {.name = "view_rate_zero.ini", .outcome = {.alpha = 26}},

    // Colours and fonts.
    {.name = "color_unknown_name.ini", .outcome = {.startError = "'clPink' は整数ではありません."}},
    {.name = "color_empty.ini", .outcome = {.startError = "'' は整数ではありません."}},
    {.name = "color_bare_hex_marker.ini", .outcome = {.startError = "'0x' は整数ではありません."}},
    {.name = "color_japanese.ini", .outcome = {.startError = "'赤' は整数ではありません."}},
    {.name = "color_out_of_range.ini"},
    // One box for the first bad colour; everything else is read.
    {.name = "color_both_bad.ini",
     .outcome = {.startError = "'bad1' は整数ではありません.",
                 .caption = "still read",
                 .rightFace = "Arial"}},
    {.name = "font_name_empty.ini"},
    {.name = "font_name_200_bytes.ini",
     .outcome = {.leftFace = "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA",   // 31 bytes
                 .rightFace = "ゴゴゴゴゴゴゴゴゴゴゴゴゴゴゴ"}}, // 30: no half character

    // Window placement.
    {.name = "placement_far_off.ini",
     .outcome = {.placement = Placement::BroughtBack,
                 .fileRect = {-30000, -30000, -29600, -29860}}},
    {.name = "placement_other_monitor.ini",
     .outcome = {.placement = Placement::BroughtBack, .fileRect = {3000, 200, 3400, 340}}},
    {.name = "placement_partly_on_screen.ini",
     .outcome = {.placement = Placement::AsRead, .fileRect = {1100, 700, 1500, 840}}},
    {.name = "placement_inverted.ini", .outcome = {.placement = Placement::OnScreen}},
    {.name = "placement_whole_range.ini", .outcome = {.placement = Placement::OnScreen}},

    // Files that are not there, not files, or not to be opened. Reading
    // what cannot be opened stops before anything changed: the window stays
    // where it was.
    {.name = "missing.ini", .make = Make::Missing},
    {.name = "a_directory.ini", .make = Make::Directory},
    {.name = "held_open.ini",
     .make = Make::Generate,
     .use = Use::HeldOpen,
     .outcome = {.startError = Unopenable,
                 .reason = ERROR_SHARING_VIOLATION,
                 .placement = Placement::OnScreen},
     .generate = UnreadableButFine},
    {.name = "huge_300mb.ini",
     .make = Make::Sparse,
     .outcome = {.startError = Unopenable,
                 .reason = ERROR_FILE_TOO_LARGE,
                 .placement = Placement::OnScreen},
     .sparseBytes = 300LL << 20},
    // The start-up file cannot be written at exit; the program ends all the
    // same, and a read-only file keeps what it held.
    {.name = "Velmora.ini",
     .make = Make::Directory,
     .use = Use::StartupIni,
     .outcome = {.closeError = Uncreatable, .reason = ERROR_ACCESS_DENIED}},
    {.name = "read_only.ini",
     .make = Make::Generate,
     .use = Use::ReadOnlyStartupIni,
     .outcome = {.closeError = Uncreatable,
                 .reason = ERROR_ACCESS_DENIED,
                 .leftName = "read-only",
                 .iniKeeps = "[DATA]\r\nBoxName1=read-only\r\n"},
     .generate = ReadOnlyStartupFile},
};

bool WriteAllBytes(const std::wstring& path, const std::string& bytes) {
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool MakeSparse(const std::wstring& path, LONGLONG bytes) {
    const UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    LARGE_INTEGER size{};
    size.QuadPart = bytes;
    return file && SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) &&
           SetEndOfFile(file.get());
}

} // namespace

std::span<const HostileCase> HostileCorpus() {
    return Corpus;
}

namespace {

bool MakeItem(const HostileCase& item, const std::wstring& sourceDir, const std::wstring& path) {
    switch (item.make) {
    case Make::Copy:
        return CopyFileW((sourceDir + L"\\hostile\\" + ToWide(item.name)).c_str(), path.c_str(),
                         FALSE);
    case Make::Generate:
        return WriteAllBytes(path, item.generate());
    case Make::Sparse:
        return MakeSparse(path, item.sparseBytes);
    case Make::Directory:
        return CreateDirectoryW(path.c_str(), nullptr);
    case Make::Missing:
        return true;
    }
    return false;
}

} // namespace

bool MakeHostileItem(const HostileCase& item, const std::wstring& sourceDir,
                     const std::wstring& path) {
    if (!MakeItem(item, sourceDir, path))
        return false;
    return item.use != Use::ReadOnlyStartupIni ||
           SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

} // namespace velmora::testing
