#include "editing/starting_values.h"

#include <algorithm>
#include <limits>

#include "engine/simulation.h"
#include "model/function_code.h"
#include "model/terminal_links.h"

namespace quorvane {

bool ApplyStartingValues(Simulation& sim, int form, int block) {
    Block& placed = sim.Forms[form].Blocks[block];
    const int code = placed.FunctionCode;
    using enum FunctionCode;
    switch (CodeOf(code)) {
    case Gain: case GainTurned:   // Gain
        placed.Constant[1] = 1;
        break;
    case SineWave: case SineWaveTurned:   // Sine Wave: 0.1 Hz, unit amplitude
        placed.Constant[1] = 0.628f;
        placed.Constant[2] = 1;
        break;
    case Ln: case LnTurned:   // Ln: the value used in place of zero
        placed.Constant[1] = 0.000001f;
        break;
    case Prbs: {   // PRBS: 10 bits over the whole run, amplitude 1
        // Extreme run times must not put an infinite duration into the table.
        constexpr double Largest = std::numeric_limits<float>::max();
        const double duration = static_cast<double>(sim.Run.StopTime) - sim.Run.StartTime;
        placed.Constant[1] = 10;
        placed.Constant[2] = static_cast<float>(std::clamp(duration, -Largest, Largest));
        placed.Constant[3] = 1;
        break;
    }
    case Chirp:   // Chirp amplitude
        placed.InitialCondition = 1;
        break;
    default:
        break;
    }
    if (IsTerminalLink(code) && RegisterTerminalBlock(sim, form, block) == 0) {
        sim.Ui.Message("Run out of terminals");
        return false;
    }
    placed.Title = sim.Functions[code].Name;
    return true;
}

}  // namespace quorvane
