#pragma once

#include <memory>

#include "model/desktop.h"
#include "model/simulation.h"
#include "platform/recording_host.h"

namespace quorvane {

/// A simulation with a recording host and no windows, allocated on the heap (its tables are
/// large).
struct TestSimulation {
    RecordingHost Host;
    Desktop Windows;
    std::unique_ptr<Simulation> Owner = std::make_unique<Simulation>(Host, Windows);
    Simulation& Sim = *Owner;

    /// Appends a block of `code` with constants k1..k3 to form 1.
    Block& AddBlock(int code, float k1 = 0, float k2 = 0, float k3 = 0) {
        SimulationForm& form = Sim.Forms[1];
        Block& block = form.Blocks[++form.BlockCount];
        block.FunctionCode = code;
        block.Constant[1] = k1;
        block.Constant[2] = k2;
        block.Constant[3] = k3;
        return block;
    }
};

}  // namespace quorvane
