#pragma once
// A process's GDI and USER objects and private memory, for the long runs.
// Where Wine leaves GetGuiResources unanswered (it returns 0), GDI objects
// are counted in the process's GDI handle table, as Windows lays it out and
// Wine fills it, and USER objects are stood in for by the process's windows.
// Where PrivateUsage is 0 (Wine), the commit charge is PagefileUsage, which
// Windows reports as the same figure.
#include <windows.h>

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace velmora::testing {

struct ProcessFigures {
    std::size_t gdiObjects = 0;
    std::size_t userObjects = 0;
    std::size_t privateBytes = 0;
};

namespace detail {

// One entry of the GDI handle table; a type of 0 marks a free entry.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr std::size_t GdiHandleCount = 0x10000;
constexpr std::size_t PebGdiTableOffset = 0xF8; // x64

inline std::size_t CountGdiTable(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                  nullptr) != 0)
        return 0;
    void* table = nullptr;
    const auto* tableField =
        reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + PebGdiTableOffset;
    if (!ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || !table)
        return 0;
    std::vector<GdiHandleEntry> entries(GdiHandleCount);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof entries[0],
                           nullptr))
        return 0;
    std::size_t used = 0;
    for (const GdiHandleEntry& entry : entries)
        used += entry.type != 0;
    return used;
}

inline std::size_t CountWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::size_t count;
    } search{processId, 0};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId)
                return TRUE;
            ++s->count;
            EnumChildWindows(
                window,
                [](HWND, LPARAM inner) -> BOOL {
                    ++reinterpret_cast<Search*>(inner)->count;
                    return TRUE;
                },
                data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

} // namespace detail

// `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
inline ProcessFigures FiguresOf(HANDLE process) {
    ProcessFigures figures;
    figures.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    if (figures.gdiObjects == 0)
        figures.gdiObjects = detail::CountGdiTable(process);
    figures.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    if (figures.userObjects == 0)
        figures.userObjects = detail::CountWindows(GetProcessId(process));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory))
        figures.privateBytes =
            memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    return figures;
}

} // namespace velmora::testing
