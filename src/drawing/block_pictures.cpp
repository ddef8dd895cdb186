#include "drawing/block_pictures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "model/block_traits.h"
#include "platform/canvas.h"
#include "platform/circle_constants.h"

namespace quorvane {

namespace {

using Curve = std::vector<std::pair<double, double>>;   // points in the unit square, y down

/// What the box shows: a text, a fraction (Over / Under) or a curve.
struct Face {
    std::string Over;
    std::string Under;
    Curve Shape;
    double Points = 7;   ///< type size of the text
};

// The box spans these columns; terminal stubs reach out from it to the anchors.
constexpr double BoxLeft = 120;
constexpr double BoxRight = 570;
constexpr double BoxTop = 90;
constexpr double BoxBottom = 630;
constexpr double StubClearance = 30;
constexpr double ArrowLength = 40;
constexpr double ArrowHalfWidth = 25;
constexpr double Margin = 50;
constexpr double SmallestPoints = 4;

Face Text(std::string text, double points = 7) { return {std::move(text), "", {}, points}; }
Face Fraction(std::string over, std::string under, double points = 7) {
    return {std::move(over), std::move(under), {}, points};
}
Face Shape(Curve curve) { return {"", "", std::move(curve), 7}; }

/// The step response of a lightly damped second-order lag.
Curve StepOvershoot() {
    Curve curve;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0 * 12;
        curve.emplace_back(i / 40.0, 0.9 - 0.7 * (1 - std::exp(-0.35 * t) * std::cos(1.2 * t)));
    }
    return curve;
}

Curve SineCurve(double cycles, double growth) {
    Curve curve;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        curve.emplace_back(t, 0.5 - 0.4 * std::sin(2 * Pi * cycles * t * (1 + growth * t)));
    }
    return curve;
}

/// Both orientations of a function look alike.
Face FaceOf(int code, bool mathsSymbols) {
    using enum FunctionCode;
    switch (BaseOf(code)) {
    case Zero: return Text("0", 10);
    case Constant: return Text("C", 10);
    case Sum: return Text("\u03A3", 12);
    case Invert: return Text("-\u03A3", 12);
    case Gain: return Text("G", 10);
    case Integrate: return mathsSymbols ? Text("\u222B", 14) : Fraction("1", "ks");
    case Lag: return Fraction("1", "1+ks");
    case Lead: return Text("1+ks");
    case Differentiate: return mathsSymbols ? Fraction("d", "dt", 8) : Text("ks");
    case Multiply: return Text("\u00D7", 12);
    case Divide: return Text("\u00F7", 12);
    case Saturate: return Shape({{0, 0.8}, {0.3, 0.8}, {0.7, 0.2}, {1, 0.2}});
    case SecondOrderLag: return Shape(StepOvershoot());
    case SecondOrderLead: return Text("s\u00B2", 12);
    case SineWave: return Shape(SineCurve(1, 0));
    case SquareRoot: return Text("\u221A", 12);
    case Ln: return Text("ln", 9);
    case Exponential: return Text("exp", 8);
    case Switch: return Text("SW", 8);
    case Controller: return Text("PID", 8);
    case Delay: return Text("Delay");
    case UnitRamp: return Shape({{0.05, 0.95}, {0.95, 0.05}});
    case Prbs: return {"", "", {{0, 0.7}, {0.2, 0.7}, {0.2, 0.3}, {0.35, 0.3}, {0.35, 0.7}, {0.65, 0.7},
                              {0.65, 0.3}, {0.8, 0.3}, {0.8, 0.7}, {1, 0.7}}};
    case Display: return Text("Disp");
    case Delta: return Text("\u03B4", 12);
    case Unused: return Text("-", 10);
    case CorrelatePrbs: return Text("Corr");
    // Capitals: a lower-case "In" reads as the natural log's "ln" at toolbox size.
    case InputTerminal: return Text("IN", 8);
    case OutputTerminal: return Text("OUT", 8);
    case Dac: return Text("DAC");
    case Adc: return Text("ADC");
    case Hysteresis: return Shape({{0, 0.8}, {0.55, 0.8}, {0.75, 0.2}, {1, 0.2}, {0.45, 0.2}, {0.25, 0.8}});
    case StickSlip: return Shape({{0, 0.9}, {0.4, 0.55}, {0.4, 0.5}, {0.6, 0.5}, {0.6, 0.45}, {1, 0.1}});
    case Chirp: return Shape(SineCurve(2, 1.5));
    case EffectiveFrequency: return Text("\u03C9", 12);
    default: return {};   // a Label is free text
    }
}

/// Writes a text centred at (x, y), shrinking the type until it fits the box's width.
void CentredText(Canvas& canvas, double x, double y, const std::string& text, double points) {
    double width = 0;
    for (double size = points; size >= SmallestPoints; size -= 1) {
        canvas.SetFontSize(size);
        width = canvas.TextWidth(text);
        if (width <= BoxRight - BoxLeft - Margin) break;
    }
    canvas.Text(x - width / 2, y - canvas.TextHeight(text) / 2, text);
}

void DrawFace(Canvas& canvas, const Face& face, double left, double top, double boxTop, double boxBottom) {
    const double centreX = left + (BoxLeft + BoxRight) / 2;
    const double centreY = top + (boxTop + boxBottom) / 2;
    if (!face.Shape.empty()) {
        const double x0 = left + BoxLeft + Margin;
        const double y0 = top + boxTop + Margin * 2;
        const double w = BoxRight - BoxLeft - 2 * Margin;
        const double h = boxBottom - boxTop - 4 * Margin;
        for (std::size_t i = 1; i < face.Shape.size(); ++i) {
            canvas.Line(x0 + face.Shape[i - 1].first * w, y0 + face.Shape[i - 1].second * h,
                        x0 + face.Shape[i].first * w, y0 + face.Shape[i].second * h);
        }
        return;
    }
    if (face.Under.empty()) {
        if (!face.Over.empty()) CentredText(canvas, centreX, centreY, face.Over, face.Points);
        return;
    }
    // A fraction: numerator and denominator either side of a bar.
    const double gap = 110;
    CentredText(canvas, centreX, centreY - gap, face.Over, face.Points);
    CentredText(canvas, centreX, centreY + gap, face.Under, face.Points);
    canvas.Line(left + BoxLeft + Margin, centreY, left + BoxRight - Margin, centreY);
}

/// A stub from the box's side to a terminal anchor; inputs end in an arrowhead on the box.
void DrawStub(Canvas& canvas, double left, double anchorX, double anchorY, bool input) {
    const bool onLeft = anchorX - left < (BoxLeft + BoxRight) / 2;
    const double edgeX = left + (onLeft ? BoxLeft : BoxRight);
    canvas.Line(anchorX, anchorY, edgeX, anchorY);
    if (!input) return;
    const double back = onLeft ? -ArrowLength : ArrowLength;
    canvas.Line(edgeX, anchorY, edgeX + back, anchorY - ArrowHalfWidth);
    canvas.Line(edgeX, anchorY, edgeX + back, anchorY + ArrowHalfWidth);
}

}  // namespace

void DrawBlockPicture(Canvas& canvas, const Catalogue& catalogue, int functionCode, double left, double top,
                      bool mathsSymbols) {
    if (functionCode < 0 || functionCode > FunctionCodeLast) return;
    const BlockFunction& function = catalogue[functionCode];
    // Terminal anchors, where connection lines meet the block.
    std::vector<std::pair<double, double>> inputs;
    std::vector<std::pair<double, double>> outputs;
    for (int k = 1; k <= std::min(function.InputCount, 3); ++k) {
        inputs.emplace_back(left + function.InputX[k] + 30, top + function.InputY[k] + 60);
    }
    for (int t = 1; t <= std::min(function.OutputCount, 6); ++t) {
        outputs.emplace_back(left + function.OutputX[t] + 60, top + function.OutputY[t] + 60);
    }
    // The box grows to take in terminals placed high or low on the picture.
    double boxTop = BoxTop;
    double boxBottom = BoxBottom;
    for (const auto& anchors : {inputs, outputs}) {
        for (const auto& [x, y] : anchors) {
            boxTop = std::min(boxTop, y - top - StubClearance);
            boxBottom = std::max(boxBottom, y - top + StubClearance);
        }
    }

    canvas.SetForeColour(PaletteColour(Palette::Black));
    canvas.SetDrawMode(DrawMode::Copy);
    // A label is free text: a dotted frame marks where it stands.
    canvas.SetPen(BaseOf(functionCode) == FunctionCode::Label ? PenStyle::Dot : PenStyle::Solid, 1);
    canvas.Box(left + BoxLeft, top + boxTop, left + BoxRight, top + boxBottom, false);
    canvas.SetPen(PenStyle::Solid, 1);
    for (const auto& [x, y] : inputs) DrawStub(canvas, left, x, y, true);
    for (const auto& [x, y] : outputs) DrawStub(canvas, left, x, y, false);
    DrawFace(canvas, FaceOf(functionCode, mathsSymbols), left, top, boxTop, boxBottom);
    canvas.SetFontSize(SheetFontSize);
}

}  // namespace quorvane
