#include "engine/preparation.h"

#include <cmath>

#include "engine/block_prepare.h"
#include "engine/checked_math.h"
#include "engine/rule_context.h"
#include "engine/simulation.h"
#include "model/block_traits.h"
#include "platform/circle_constants.h"

namespace quorvane {

namespace {

constexpr int MarkerCount = 10;

bool HasInvalidParameter(const Block& blk) {
    const float k1 = blk.Constant[1];
    const float k2 = blk.Constant[2];
    const float k3 = blk.Constant[3];
    using enum FunctionCode;
    switch (BaseOf(blk.FunctionCode)) {
    case Integrate: case Lag: case Differentiate: case Ln: case Dac: case Adc: case Hysteresis:
        return k1 <= 0.0f;
    case Lead:
        return k1 == 0.0f;
    case SecondOrderLag: case SecondOrderLead:
        return k1 <= 0.0f || k2 == 0.0f;
    case Controller:
        return k2 <= 0.0f || k3 == 0.0f;
    case Delay:
        return k1 < 0.0f;   // a delay line cannot look ahead
    case Chirp:
        return k1 <= 0.0f || k2 == 0.0f || k3 == 0.0f;
    default:
        return false;
    }
}

/// Takes the next free delay line for a Delay block: every cell holds the initial condition,
/// the write position leads the read position by the delay in steps. False when refused.
bool AllocateDelayLine(Simulation& sim, Block& blk, int b) {
    DelayLines& lines = sim.Delays;
    if (lines.NextFree > DelayLineCount) {
        sim.Ui.Message("Run out of delay lines");
        blk.Work[1] = 0.0f;   // no line of its own
        return false;
    }
    const int line = lines.NextFree++;
    blk.Work[1] = static_cast<float>(line);
    for (int cell = 0; cell <= DelayLineCellLast; ++cell) {
        lines.Cell(line, cell) = blk.InitialCondition;
    }
    const double steps = std::nearbyint(Quotient(blk.Constant[1], sim.Run.TimeStep, b));
    const bool fits = steps >= 0.0 && steps <= DelayRingLength - 1;
    if (!fits) {
        sim.Ui.Message("Delay exceeds delay line size");
    }
    lines.WritePosition[line] = fits ? static_cast<int>(steps) : 0;
    lines.ReadPosition[line] = 0;
    return fits;
}

}  // namespace

void ResetOutputs(Simulation& sim, int form) {
    SimulationForm& sheet = sim.Forms[form];
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        sheet.Blocks[b].Output = sheet.Blocks[b].InitialCondition;
    }
}

int ValidateParameters(Simulation& sim, int form) {
    const SimulationForm& sheet = sim.Forms[form];
    sim.Windows.HideMarkers(form);
    int marked = 0;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (marked < MarkerCount && HasInvalidParameter(sheet.Blocks[b])) {
            sim.Windows.ShowMarker(form, marked, b);
            ++marked;
        }
    }
    if (marked > 0) {
        sim.Ui.Message("Zero or negative time constant / parameter in marked blocks");
    }
    return marked;
}

int PrepareBlocks(Simulation& sim, int form) {
    SimulationForm& sheet = sim.Forms[form];
    sim.Delays.NextFree = 1;
    int refused = 0;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        Block& blk = sheet.Blocks[b];
        if (BaseOf(blk.FunctionCode) == FunctionCode::Delay) {
            if (!AllocateDelayLine(sim, blk, b)) {
                refused = b;
            }
            continue;
        }
        PrepareWorkingConstants(sim, form, b);
        const bool chirp = BaseOf(blk.FunctionCode) == FunctionCode::Chirp;
        if (chirp && blk.Constant[2] * 3.999 > TwoPiFourFigures / sim.Run.TimeStep) {
            sim.Ui.Message("Warning - time step too large for CHIRP setting");
        }
    }
    return refused;
}

}  // namespace quorvane
