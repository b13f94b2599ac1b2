#pragma once
// Facts about the computer's own locale that the formatter consults.
#include <cstdint>

namespace velmora {

class AltCalendar;
class Cp932Decoder;

struct PcLocaleFacts {
    std::int32_t PcLocale = 1033;
    int PcPrimaryLanguage = 0x09;
    int PcSubLanguage = 0x01;
    // No calendar: the era tokens write nothing.
    const AltCalendar* Calendar = nullptr;
    // Turns pattern text into shown text. None: bytes above 0x7F show as
    // U+FFFD.
    const Cp932Decoder* Decoder = nullptr;
};

constexpr int LangChinese = 0x04;
constexpr int LangJapanese = 0x11;
constexpr int LangKorean = 0x12;

} // namespace velmora
