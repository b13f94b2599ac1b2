#include "engine/clock_side.h"

#include "engine/pattern_lists.h"

namespace velmora {

namespace {

constexpr std::int32_t JapaneseLocale = 1041;

ClockSide DefaultSide(const char* name, std::int32_t diffIndex) {
    ClockSide side;
    side.BoxName = name;
    side.DiffIndex = diffIndex;
    side.LocaleID = JapaneseLocale;
    BuildPatternLists(side);
    return side;
}

} // namespace

ClockSide DefaultLeftSide() {
    return DefaultSide("昭和基地", 59);
}

ClockSide DefaultRightSide() {
    return DefaultSide("ヒューストン", 77);
}

} // namespace velmora
