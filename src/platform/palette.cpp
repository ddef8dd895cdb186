#include "platform/canvas.h"

#include <array>

namespace quorvane {

Colour PaletteColour(int n) {
    static constexpr std::array<Colour, 16> Palette{
        Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),
        Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0),   Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
        Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255)};
    return Palette[static_cast<std::size_t>(((n % 16) + 16) % 16)];
}

}  // namespace quorvane
