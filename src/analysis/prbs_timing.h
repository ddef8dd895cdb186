#pragma once

namespace quorvane {

struct Simulation;

/// Fits the bit interval, the time step and the stop time to the run (stop time already
/// extended, StopTimeEntered and MinDisplayInterval set). Called by AutomaticTimeStep, or by
/// the run driver after the display intervals are set when the time step is manual. False
/// (after its message) when the time step came out too small for the run's span.
bool PrbsTimingSetUp(Simulation& sim);

}  // namespace quorvane
