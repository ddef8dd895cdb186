#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace quorvane {

TEST(Palette, StandardSixteenColours) {
    EXPECT_EQ(PaletteColour(Palette::Black), Rgb(0, 0, 0));
    EXPECT_EQ(PaletteColour(Palette::Blue), Rgb(0, 0, 128));
    EXPECT_EQ(PaletteColour(Palette::LightCyan), Rgb(0, 255, 255));
    EXPECT_EQ(PaletteColour(Palette::LightRed), Rgb(255, 0, 0));
    EXPECT_EQ(PaletteColour(Palette::Yellow), Rgb(255, 255, 0));
    EXPECT_EQ(PaletteColour(Palette::White), Rgb(255, 255, 255));
}

}  // namespace quorvane
