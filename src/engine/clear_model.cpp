#include "engine/simulation.h"
#include "model/model.h"

namespace quorvane {

void ClearModel(Model& model) {
    for (int f = 1; f <= FormSlots; ++f) {
        SimulationForm& form = model.Forms[f];
        form.BlockCount = 0;
        form.SpareHigh = NoHighLimit;
        form.SpareLow = NoLowLimit;
        form.SpareLong2 = 0;
        for (int b = 1; b <= MaxBlocks; ++b) form.Blocks[b] = Block{};
    }
    model.Run.ManualTimeStep = false;
    model.Run.PowerOfTwoTimeStep = true;
}

void ResetSettings(Simulation& sim) {
    const bool manual = sim.Run.ManualTimeStep;
    const bool powerOfTwo = sim.Run.PowerOfTwoTimeStep;
    const bool mathsSymbols = sim.Run.MathsSymbols;
    const std::string title = sim.Run.SimulationTitle;
    sim.Run = Settings{};
    // These four belong to ClearModel, start-up and "new simulation", not to the settings reset.
    sim.Run.ManualTimeStep = manual;
    sim.Run.PowerOfTwoTimeStep = powerOfTwo;
    sim.Run.MathsSymbols = mathsSymbols;
    sim.Run.SimulationTitle = title;
    sim.Graph = GraphSettings{};
    sim.Fft.ShowSymbols = 0;
    sim.Fft.ShowMagnitude = true;
    sim.Fft.ShowPhase = false;
    sim.Fft.LogFrequency = false;
    sim.Fft.DbMagnitude = false;
    sim.Fft.ComparisonActive = false;
    sim.Prbs.ImpulseResponseMode = true;
    sim.Prbs.ShowCorrelationPhase = false;
    sim.Prbs.LogMagnitude = false;
    sim.Prbs.LogFrequency = false;
}

}  // namespace quorvane
