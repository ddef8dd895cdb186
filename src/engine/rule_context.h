#pragma once

#include "engine/integral_bounds.h"
#include "engine/simulation.h"

namespace quorvane {

/// Delay lines use every cell 0..30000 as their ring, so the longest accepted delay (30000
/// steps) is delayed by exactly that many steps.
inline constexpr int DelayRingLength = DelayLineCellLast + 1;

/// What the block rules of one pass read: the run form's block table (block 0 included, whose
/// output is the 0 of an unconnected input), the times of the step and the shared run state.
struct RuleContext {
    RuleContext(Simulation& sim, int form)
        : Sim(sim),
          Blocks(&sim.Forms[form].Blocks[0]),
          TimeStep(sim.Run.TimeStep),
          Time(sim.Status.CurrentTime),
          StartTime(sim.Run.StartTime) {}

    Simulation& Sim;
    Block* Blocks;
    double TimeStep;
    double Time;        ///< the start of the step
    double StartTime;

    /// The value at input k of a block: the output of the block feeding it.
    double In(const Block& block, int k) const { return Blocks[block.Input[k]].Output; }

    /// Where state block b keeps its latched input X or error E until it moves.
    double& LatchedInput(int b) const { return Sim.Status.LatchedInput[b]; }
    double& LatchedError(int b) const { return Sim.Status.LatchedError[b]; }

    /// The bounds of controller b's integral, from its limits and gain.
    static IntegralBounds BoundsOfIntegral(const Block& blk, int b) {
        return quorvane::BoundsOfIntegral(blk.SatHigh, blk.SatLow, blk.Work[1], b);
    }
};

/// y held within the block's saturation limits: first the upper, then the lower.
inline double WithinLimits(double y, const Block& blk) {
    if (y > blk.SatHigh) {
        y = blk.SatHigh;
    }
    if (y < blk.SatLow) {
        y = blk.SatLow;
    }
    return y;
}

inline double Sgn(double v) {
    return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0);
}

}  // namespace quorvane
