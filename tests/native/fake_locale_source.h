#pragma once
// Locale data from a table the test fills in.
#include <map>
#include <set>
#include <utility>

#include "engine/cp932_decoder_iconv.h"
#include "engine/locale_source.h"

namespace velmora {

class FakeLocaleSource final : public LocaleSource {
  public:
    void Set(std::int32_t lcid, std::uint32_t item, Text text) {
        items_[{lcid, item}] = std::move(text);
    }
    // A shown item that code page 932 cannot hold; other items are shown decoded.
    void SetShown(std::int32_t lcid, std::uint32_t item, WideText text) {
        shown_[{lcid, item}] = std::move(text);
    }
    void Install(std::int32_t lcid) { installed_.insert(lcid); }
    void SetThreadLocale(std::int32_t lcid) { thread_ = lcid; }
    void SetUserDefault(std::int32_t lcid) { userDefault_ = lcid; }

    std::optional<Text> LocaleInfo(std::int32_t lcid, std::uint32_t item) const override {
        const auto found = items_.find({lcid, item});
        if (found == items_.end())
            return std::nullopt;
        return found->second;
    }
    std::optional<WideText> LocaleText(std::int32_t lcid, std::uint32_t item) const override {
        if (const auto found = shown_.find({lcid, item}); found != shown_.end())
            return found->second;
        const std::optional<Text> text = LocaleInfo(lcid, item);
        if (!text)
            return std::nullopt;
        return DecodeText(*text, this);
    }
    char16_t Decode(std::string_view character) const override {
        static const IconvCp932Decoder decoder;
        return decoder.Decode(character);
    }
    bool IsValidLocale(std::int32_t lcid) const override { return installed_.count(lcid) != 0; }
    std::int32_t ThreadLocale() const override { return thread_; }
    void ResetThreadLocaleToUserDefault() override { thread_ = userDefault_; }
    std::int32_t UserDefaultLCID() const override { return userDefault_; }
    // ASCII case only, which is all the tests use.
    bool EqualIgnoreCase(std::u16string_view a, std::u16string_view b) const override {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (Lower(a[i]) != Lower(b[i]))
                return false;
        }
        return true;
    }

  private:
    static char16_t Lower(char16_t c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c;
    }

    std::map<std::pair<std::int32_t, std::uint32_t>, Text> items_;
    std::map<std::pair<std::int32_t, std::uint32_t>, WideText> shown_;
    std::set<std::int32_t> installed_;
    std::int32_t thread_ = 1041;
    std::int32_t userDefault_ = 1041;
};

} // namespace velmora
