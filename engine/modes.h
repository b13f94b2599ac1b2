#pragma once
// The modes the settings choose between. Each holds any 32-bit value a
// settings file gives, named or not: an unnamed one does what the code using
// it says for other values, and is written back as it was read.
#include <cstdint>

namespace velmora {

// What the caption and the taskbar text show. The tick writes the times;
// the product title and the free text are set when settings are loaded or
// confirmed; other values leave the caption alone.
enum class TitleSource : std::int32_t {
    ProductTitle = 1,
    PcTime = 2,
    LeftClock = 3,
    RightClock = 4,
    TitleString = 5,
};

// How the two clocks' separators blink.
enum class BlinkPairing : std::int32_t {
    Simultaneous = 0,
    Alternate = 1,
    Stop = 2,
};

// Whose working hours fill the taskbar button.
enum class ProgressClock : std::int32_t {
    None = 0,
    Left = 1,
    Right = 2,
};

// The taskbar bar's colour.
enum class ProgressColour : std::int32_t {
    Green = 0,
    Yellow = 1,
    Red = 2,
};

} // namespace velmora
