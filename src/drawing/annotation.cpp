#include "drawing/annotation.h"

#include <cmath>

#include "drawing/plot_core.h"
#include "engine/simulation.h"
#include "model/block_traits.h"
#include "platform/canvas.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int H = AnnotationLineHeight;
const std::string Squared = "S\u00B2";

bool LimitsSet(const Block& block) { return block.SatHigh != NoHighLimit || block.SatLow != NoLowLimit; }

std::string K(const Block& block, int k) { return FormatValue(block.Constant[k]); }

/// The main parameters of a block in engineering form.
std::string ParameterLine(const Simulation& sim, const Block& block) {
    const std::string& time = sim.Run.TimeUnits;
    const std::string timeConstant = "k = " + K(block, 1) + " " + time;
    using enum FunctionCode;
    switch (BaseOf(block.FunctionCode)) {
    case Zero: case Constant: return FormatValue(block.InitialCondition) + " " + block.Units;
    case Gain: return K(block, 1);
    case Integrate: case Lag: case Lead: case Differentiate: case Delay: return timeConstant;
    case Saturate: return "Lo:" + FormatValue(block.SatLow) + ", Hi:" + FormatValue(block.SatHigh);
    case SecondOrderLag: return "1 / (" + K(block, 1) + Squared + " +" + K(block, 2) + "S +1)";
    case SecondOrderLead: return K(block, 1) + Squared + " +" + K(block, 2) + "S +1";
    case SineWave:
        // A driven sine shows its input in place of the frequency.
        if (block.Input[1] != 0) return K(block, 2) + " sin ( ip )";
        return K(block, 2) + " sin (" + K(block, 1) + "t)";
    case Ln: return "Zero Set to:" + K(block, 1);
    case Switch: return "Switches  " + FormatValue(block.InitialCondition) + "to " + K(block, 1);
    case Controller: return "P:" + K(block, 1) + ", I:" + K(block, 2) + ", D:" + K(block, 3);
    case Prbs: {
        // The bit count prints as a plain number with its sign space; only the automatic form
        // has a space after it.
        const std::string bits = Str(block.Constant[1]);
        if (sim.Prbs.AutomaticDuration) return bits + " " + " bits, " + "Auto duration" + ", A:" + K(block, 3);
        return bits + " bits, " + K(block, 2) + " " + time + ", A:" + K(block, 3);
    }
    case Dac: case Adc: return K(block, 1) + " bits } " + K(block, 2) + " to " + K(block, 3);
    case Hysteresis: return "R:" + K(block, 1) + ", H:" + K(block, 2) + "%";
    case StickSlip: return "DB:" + K(block, 1) + ", S:" + K(block, 2);
    case Chirp: return K(block, 1) + " to " + K(block, 2) + " T:" + K(block, 3);
    default: return {};
    }
}

void Print(Canvas& canvas, double x, double y, const std::string& text) {
    if (!text.empty()) canvas.Text(x, y, text);
}

void AnnotateBlock(const Simulation& sim, const Block& block, Canvas& canvas) {
    const Settings& run = sim.Run;
    const BlockTraits& traits = TraitsOf(block.FunctionCode);
    const double x = block.Left;
    const double y0 = block.Top - 200;
    const bool icShown = run.AnnotateIC && block.InitialCondition != 0;
    const bool limitsShown = run.AnnotateLimits && LimitsSet(block);

    int off = H;
    // A block with a state may add two lines under its parameters, so its text starts up to
    // two lines higher.
    if (traits.StateLines) {
        off = 3 * H;
        if (!icShown) off -= H;
        if (!limitsShown) off -= H;
    }
    double y = y0 - off;

    canvas.SetForeColour(PaletteColour(AnnotationTextColour));
    switch (traits.Title) {
    case TitlePlace::Label:
        canvas.SetForeColour(PaletteColour(LabelTitleColour));
        Print(canvas, x + 50, y + 530, block.Title);
        canvas.SetForeColour(PaletteColour(AnnotationTextColour));
        break;
    case TitlePlace::TerminalLink: Print(canvas, x - 50, y + 250, block.Title); break;
    case TitlePlace::Low: Print(canvas, x, y + 110, block.Title); break;   // level with the picture's top
    case TitlePlace::Top: Print(canvas, x - 20, y, block.Title); break;
    }

    Print(canvas, x, y + H, ParameterLine(sim, block));
    y += H;
    if (!traits.StateLines) return;
    if (icShown) {
        Print(canvas, x, y + H, "ic = " + FormatValue(block.InitialCondition) + " " + block.Units);
        y += H;
    }
    if (limitsShown) {
        Print(canvas, x, y + H, "Limited " + FormatValue(block.SatLow) + " to " + FormatValue(block.SatHigh));
    }
}

}  // namespace

std::string FormatValue(double x) {
    return Format(x, MagnitudePattern(static_cast<float>(std::fabs(x))));
}

void AnnotateSheet(const Simulation& sim, int form, Canvas& canvas) {
    const SimulationForm& sheet = sim.Forms[form];
    const Settings& run = sim.Run;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        const Block& block = sheet.Blocks[b];
        const double x = block.Left;
        const double y0 = block.Top - 200;
        canvas.SetForeColour(PaletteColour(AnnotationPointColour));
        canvas.Point(x, y0);
        if (run.AnnotateBlocks) AnnotateBlock(sim, block, canvas);
        canvas.SetForeColour(PaletteColour(AnnotationTextColour));
        if (run.AnnotateNumbers) canvas.Text(x - 80, y0 + 860, Str(b));
        if (!run.ShowOutputs) continue;
        const std::string value = FormatValue(block.Output);
        switch (TraitsOf(block.FunctionCode).ValueSide) {
        case Side::Right: canvas.Text(x + 700, y0 + 375, value); break;
        // Ends near the block's left edge: 75 twips a character.
        case Side::Left: canvas.Text(x - 75.0 * static_cast<double>(value.size()), y0 + 375, value); break;
        case Side::None: break;
        }
    }
}

}  // namespace quorvane
