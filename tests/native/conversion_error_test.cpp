#include "engine/conversion_error.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(ConversionError, MessagesQuoteTheTextAsGiven) {
    try {
        ThrowNotATime(" 9:60 ");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(Text(e.what()), "' 9:60 ' は時刻ではありません");
    }
    try {
        ThrowNotAnInteger("clBlu");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_EQ(Text(e.what()), "'clBlu' は整数ではありません");
    }
}

} // namespace
} // namespace velmora
