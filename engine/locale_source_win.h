#pragma once
#include "engine/locale_source.h"

namespace velmora {

// The W locale functions, with texts converted to code page 932 except
// the shown ones.
class Win32LocaleSource final : public LocaleSource {
  public:
    std::optional<Text> LocaleInfo(std::int32_t lcid, std::uint32_t item) const override;
    std::optional<WideText> LocaleText(std::int32_t lcid, std::uint32_t item) const override;
    char16_t Decode(std::string_view character) const override;
    bool IsValidLocale(std::int32_t lcid) const override;
    std::int32_t ThreadLocale() const override;
    void ResetThreadLocaleToUserDefault() override;
    std::int32_t UserDefaultLCID() const override;
    bool EqualIgnoreCase(std::u16string_view a, std::u16string_view b) const override;
};

} // namespace velmora
