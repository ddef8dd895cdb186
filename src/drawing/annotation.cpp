#include "drawing/annotation.h"

#include <cmath>

#include "drawing/plot_core.h"
#include "engine/simulation.h"
#include "model/function_code.h"
#include "platform/canvas.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int H = AnnotationLineHeight;
const std::string Squared = "S\u00B2";

bool Within(int code, int low, int high) { return code >= low && code <= high; }

/// Blocks with a state: their initial condition and limits may add two lines under the
/// parameters, so their text starts up to two lines higher.
bool HasStateLines(int code) {
    return Within(code, 8, 15) || Within(code, 22, 25) || code == 36 || code == 37;
}

/// Blocks whose title sits lower, level with the top of their picture.
bool HasLowTitle(int code) {
    return Within(code, 2, 5) || Within(code, 16, 19) || code == 28 || code == 29 || code == 32 || code == 33 ||
           code == 40 || code == 42 || code == 43 || code == 61 || code == 62;
}

bool OutputOnRight(int code) {
    return code == 1 || (Within(code, 2, 38) && code % 2 == 0) || code == 48 || code == 52 || code == 54 ||
           code == 56 || code == 58 || code == 61;
}

bool OutputOnLeft(int code) {
    return (Within(code, 3, 39) && code % 2 == 1) || code == 40 || code == 41 || code == 44 || code == 49 ||
           code == 53 || code == 55 || code == 57 || code == 59 || code == 60 || code == 62;
}

bool LimitsSet(const Block& block) { return block.SatHigh != NoHighLimit || block.SatLow != NoLowLimit; }

std::string K(const Block& block, int k) { return FormatValue(block.Constant[k]); }

/// The main parameters of a block in engineering form.
std::string ParameterLine(const Simulation& sim, const Block& block) {
    const std::string& time = sim.Run.TimeUnits;
    const std::string timeConstant = "k = " + K(block, 1) + " " + time;
    using enum FunctionCode;
    switch (CodeOf(block.FunctionCode)) {
    case Zero:
    case Constant: return FormatValue(block.InitialCondition) + " " + block.Units;
    case Gain:
    case GainTurned: return K(block, 1);
    case Integrate: case IntegrateTurned: case Lag: case LagTurned: case Lead: case LeadTurned:
    case Differentiate: case DifferentiateTurned:
    case Delay:
    case DelayTurned: return timeConstant;
    case Saturate:
    case SaturateTurned: return "Lo:" + FormatValue(block.SatLow) + ", Hi:" + FormatValue(block.SatHigh);
    case SecondOrderLag:
    case SecondOrderLagTurned: return "1 / (" + K(block, 1) + Squared + " +" + K(block, 2) + "S +1)";
    case SecondOrderLead:
    case SecondOrderLeadTurned: return K(block, 1) + Squared + " +" + K(block, 2) + "S +1";
    case SineWave:
    case SineWaveTurned:
        // A driven sine shows its input in place of the frequency.
        if (block.Input[1] != 0) return K(block, 2) + " sin ( ip )";
        return K(block, 2) + " sin (" + K(block, 1) + "t)";
    case Ln:
    case LnTurned: return "Zero Set to:" + K(block, 1);
    case Switch:
    case SwitchTurned: return "Switches  " + FormatValue(block.InitialCondition) + "to " + K(block, 1);
    case Controller:
    case ControllerTurned: return "P:" + K(block, 1) + ", I:" + K(block, 2) + ", D:" + K(block, 3);
    case Prbs: {
        // The bit count prints as a plain number with its sign space; only the automatic form
        // has a space after it.
        const std::string bits = Str(block.Constant[1]);
        if (sim.Prbs.AutomaticDuration) return bits + " " + " bits, " + "Auto duration" + ", A:" + K(block, 3);
        return bits + " bits, " + K(block, 2) + " " + time + ", A:" + K(block, 3);
    }
    case Dac: case DacTurned: case Adc:
    case AdcTurned: return K(block, 1) + " bits } " + K(block, 2) + " to " + K(block, 3);
    case Hysteresis:
    case HysteresisTurned: return "R:" + K(block, 1) + ", H:" + K(block, 2) + "%";
    case StickSlip:
    case StickSlipTurned: return "DB:" + K(block, 1) + ", S:" + K(block, 2);
    case Chirp: return K(block, 1) + " to " + K(block, 2) + " T:" + K(block, 3);
    default: return {};
    }
}

void Print(Canvas& canvas, double x, double y, const std::string& text) {
    if (!text.empty()) canvas.Text(x, y, text);
}

void AnnotateBlock(const Simulation& sim, const Block& block, Canvas& canvas) {
    const Settings& run = sim.Run;
    const int code = block.FunctionCode;
    const double x = block.Left;
    const double y0 = block.Top - 200;
    const bool icShown = run.AnnotateIC && block.InitialCondition != 0;
    const bool limitsShown = run.AnnotateLimits && LimitsSet(block);
    const bool stateLines = HasStateLines(code);

    int off = H;
    if (stateLines) {
        off = 3 * H;
        if (!icShown) off -= H;
        if (!limitsShown) off -= H;
    }
    double y = y0 - off;

    canvas.SetForeColour(PaletteColour(AnnotationTextColour));
    if (code == 63) {
        canvas.SetForeColour(PaletteColour(LabelTitleColour));
        Print(canvas, x + 50, y + 530, block.Title);
        canvas.SetForeColour(PaletteColour(AnnotationTextColour));
    } else if (Within(code, 48, 51)) {
        Print(canvas, x - 50, y + 250, block.Title);
    } else if (HasLowTitle(code)) {
        Print(canvas, x, y + 110, block.Title);
    } else {
        Print(canvas, x - 20, y, block.Title);
    }

    Print(canvas, x, y + H, ParameterLine(sim, block));
    y += H;
    if (!stateLines) return;
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
        if (OutputOnRight(block.FunctionCode)) {
            canvas.Text(x + 700, y0 + 375, value);
        } else if (OutputOnLeft(block.FunctionCode)) {
            // Ends near the block's left edge: 75 twips a character.
            canvas.Text(x - 75.0 * static_cast<double>(value.size()), y0 + 375, value);
        }
    }
}

}  // namespace quorvane
