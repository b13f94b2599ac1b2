#include "engine/language_table.h"

#include <string_view>

#include "engine/locale_settings.h"

namespace velmora {

const std::array<const char*, LanguageRowCount> LanguageTable = {
    "アラビア語,1025",   "ブルガリア語,1026", "カタロニア語,1027",   "中国語(台湾),1028",
    "チェコ語,1029",     "デンマーク語,1030", "ドイツ語,1031",       "ギリシャ語,1032",
    "英語,1033",         "スペイン語,1034",   "フィンランド語,1035", "フランス語,1036",
    "ヘブライ語,1037",   "ハンガリー語,1038", "アイスランド語,1039", "イタリア語,1040",
    "日本語,1041",       "韓国語,1042",       "オランダ語,1043",     "ノルウェー語,1044",
    "ポーランド語,1045", "ポルトガル語,1046", "レトロマン語,1047",   "ルーマニア語,1048",
    "ロシア語,1049",     "スロバキア語,1051", "アルバニア語,1052",   "スウェーデン語,1053",
    "タイ語,1054",       "トルコ語,1055",     "ベトナム語,1066",     "中国語,2052",
};

namespace {

// The identifier is the text after the first comma (the whole line without one).
std::optional<std::int32_t> LcidOfLine(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos)
        line.remove_prefix(comma + 1);
    return ParseDecimal(line);
}

} // namespace

std::int32_t LanguageRowToLcid(int row) {
    if (row < 0 || row >= LanguageRowCount)
        return FallbackLcid;
    return LcidOfLine(LanguageTable[static_cast<std::size_t>(row)]).value_or(FallbackLcid);
}

std::optional<int> LanguageLcidToRow(std::int32_t lcid) {
    for (int row = 0; row < LanguageRowCount; ++row) {
        if (LanguageRowToLcid(row) == lcid)
            return row;
    }
    return std::nullopt;
}

} // namespace velmora
