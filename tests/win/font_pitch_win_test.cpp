#include "engine/font_pitch_win.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Win32FontPitch, TellsTheJapaneseFacesApart) {
    const Win32FontPitch pitch;
    EXPECT_FALSE(pitch.IsProportionalFont("ＭＳ ゴシック"));
    EXPECT_TRUE(pitch.IsProportionalFont("ＭＳ Ｐゴシック"));
}

} // namespace
} // namespace velmora
