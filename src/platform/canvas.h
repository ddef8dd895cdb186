#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvane {

struct Colour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    bool operator==(const Colour&) const = default;
};

/// The standard 16-colour palette by its numbers, as sheets, graphs and windows name their
/// colours.
enum class Palette {
    Black = 0,
    Blue = 1,
    Green = 2,
    Cyan = 3,
    Red = 4,
    Magenta = 5,
    Brown = 6,
    LightGrey = 7,
    DarkGrey = 8,
    LightBlue = 9,
    LightGreen = 10,
    LightCyan = 11,
    LightRed = 12,
    LightMagenta = 13,
    Yellow = 14,
    White = 15,
};

constexpr Colour Rgb(int r, int g, int b) {
    return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

constexpr Colour PaletteColour(Palette colour) {
    constexpr std::array<Colour, 16> Rgbs{
        Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),     Rgb(0, 128, 128),
        Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0),   Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),     Rgb(0, 255, 255),
        Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 255, 255)};
    return Rgbs[static_cast<std::size_t>(colour)];
}

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2 };
enum class DrawMode { Copy = 0, Xor = 1 };

/// A drawing surface with a user coordinate system, in the manner of a sheet, a picture box or
/// the printer. State (fore colour, pen, font size, draw mode) persists between calls, and text
/// is printed with its top-left corner at the given point.
class Canvas {
public:
    virtual ~Canvas() = default;

    /// Clears to the background colour.
    virtual void Clear() = 0;
    /// User scale: (left, top) is the top-left corner, (right, bottom) the bottom-right corner.
    virtual void SetScale(double left, double top, double right, double bottom) = 0;
    virtual void SetForeColour(Colour colour) = 0;
    virtual void SetPen(PenStyle style, int width) = 0;
    virtual void SetDrawMode(DrawMode mode) = 0;
    virtual void SetFontSize(double points) = 0;
    /// Keeps what is drawn next inside the rectangle between two corners (user units), as a
    /// graph keeps its curves inside the plot frame; Clear and the end of the drawing lift it.
    virtual void SetClip(double x1, double y1, double x2, double y2) = 0;

    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    /// A rectangle between two corners, outlined or filled with the fore colour.
    virtual void Box(double x1, double y1, double x2, double y2, bool filled) = 0;
    virtual void Circle(double x, double y, double radius) = 0;
    virtual void Point(double x, double y) = 0;
    virtual void Text(double x, double y, const std::string& text) = 0;

    /// Extent of a text in user units at the current font size.
    virtual double TextWidth(const std::string& text) = 0;
    virtual double TextHeight(const std::string& text) = 0;

    /// Printer pages: finish the current page and start another; finish the document.
    virtual void NewPage() = 0;
    virtual void EndDocument() = 0;
};

}  // namespace quorvane
