#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/simulation.h"
#include "model/desktop.h"
#include "support/recording_host.h"

namespace quorvane {

using Texts = std::vector<std::string>;

/// A simulation with a recording host and no windows, allocated on the heap (its tables are
/// large).
struct TestSimulation {
    RecordingHost Host;
    NullDesktop Windows;
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

    float At(int column, int row) { return Sim.Display.At(column, row); }

    /// Title and units of display columns first..last, in turn.
    Texts Headings(int first, int last) const {
        Texts out;
        for (int c = first; c <= last; ++c) out.insert(out.end(), {Sim.Display.ColumnTitle[c], Sim.Display.ColumnUnits[c]});
        return out;
    }

    /// A run from `start` to `stop` as the user entered it.
    void SetRun(float start, float stop) {
        Sim.Run.StartTime = start;
        Sim.Run.StopTime = stop;
        Sim.Status.StopTimeEntered = stop;
    }
};

}  // namespace quorvane
