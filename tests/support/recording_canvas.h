#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quorvane {

/// A canvas for tests: keeps every primitive with the state in force when it was drawn.
/// Text extents are a fixed 100 units per character and 200 units of height per line, which
/// is about right for 8-point text on a twip sheet.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Clear, Scale, Clip, Line, Box, FilledBox, Circle, Point, Text, NewPage, EndDocument };
    struct Primitive {
        Kind What = Kind::Line;
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;   ///< Circle: centre X1, Y1 and radius X2
        std::string Text;
        Colour Fore;
        PenStyle Pen = PenStyle::Solid;
        int PenWidth = 1;
        DrawMode Mode = DrawMode::Copy;
        double FontSize = 8.25;
        bool operator==(const Primitive&) const = default;
    };

    void Clear() override;
    void SetScale(double left, double top, double right, double bottom) override;
    void SetForeColour(Colour colour) override { Fore = colour; }
    void SetPen(PenStyle style, int width) override { Pen = style; PenWidth = width; }
    void SetDrawMode(DrawMode mode) override { Mode = mode; }
    void SetFontSize(double points) override { FontSize = points; }
    void SetClip(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2, bool filled) override;
    void Circle(double x, double y, double radius) override;
    void Point(double x, double y) override;
    void Text(double x, double y, const std::string& text) override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;
    void NewPage() override;
    void EndDocument() override;

    /// The primitives of one kind, in drawing order.
    std::vector<Primitive> OfKind(Kind kind) const;
    /// The texts drawn, in order.
    std::vector<std::string> Texts() const;

    std::vector<Primitive> Drawn;
    Colour Fore;
    PenStyle Pen = PenStyle::Solid;
    int PenWidth = 1;
    DrawMode Mode = DrawMode::Copy;
    double FontSize = 8.25;
    double CharWidth = 100.0;
    double LineHeight = 200.0;

private:
    void Add(Kind kind, double x1, double y1, double x2, double y2, const std::string& text = {});
};

}  // namespace quorvane
