#include "engine/language_table.h"

#include <gtest/gtest.h>

#include "engine/text.h"

namespace velmora {
namespace {

TEST(LanguageTable, RowsIdentifiersAndLines) {
    const std::int32_t expected[LanguageRowCount] = {
        1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035,
        1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046,
        1047, 1048, 1049, 1051, 1052, 1053, 1054, 1055, 1066, 2052};
    for (int row = 0; row < LanguageRowCount; ++row) {
        EXPECT_EQ(LanguageRowToLcid(row), expected[row]) << row;
        EXPECT_EQ(LanguageLcidToRow(expected[row]), row) << row;
    }
    EXPECT_EQ(Text(LanguageTable[0]), "アラビア語,1025");
    EXPECT_EQ(Text(LanguageTable[16]), "日本語,1041");
    EXPECT_EQ(Text(LanguageTable[31]), "中国語,2052");
    for (std::int32_t lcid : {0, 1050, 1056, -1041})
        EXPECT_FALSE(LanguageLcidToRow(lcid).has_value()) << lcid;
    EXPECT_EQ(LanguageRowToLcid(-1), 1041);
    EXPECT_EQ(LanguageRowToLcid(LanguageRowCount), 1041);
}

} // namespace
} // namespace velmora
