#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace quorvane {

TEST(Palette, StandardSixteenColours) {
    EXPECT_EQ(PaletteColour(0), Rgb(0, 0, 0));
    EXPECT_EQ(PaletteColour(1), Rgb(0, 0, 128));
    EXPECT_EQ(PaletteColour(11), Rgb(0, 255, 255));
    EXPECT_EQ(PaletteColour(12), Rgb(255, 0, 0));
    EXPECT_EQ(PaletteColour(14), Rgb(255, 255, 0));
    EXPECT_EQ(PaletteColour(15), Rgb(255, 255, 255));
    EXPECT_EQ(PaletteColour(16), PaletteColour(0));
}

}  // namespace quorvane
