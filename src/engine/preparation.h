#pragma once

namespace quorvane {

struct Simulation;

/// Every block of the form back to its initial condition: Output = InitialCondition.
void ResetOutputs(Simulation& sim, int form);

/// Marks (markers 0..9) the blocks whose constants make the run meaningless, shows "Zero or
/// negative time constant / parameter in marked blocks" once when any is marked, and returns
/// the number marked (at most 10; further failing blocks are not counted).
int ValidateParameters(Simulation& sim, int form);

/// Computes every block's working constants for the time step in sim.Run and sets up the
/// delay lines. Returns 0, or the last block whose delay line was refused ("Run out of delay
/// lines", "Delay exceeds delay line size"). Warns "Warning - time step too large for CHIRP
/// setting" without refusing. A prepare rule that divides by zero throws RunError.
int PrepareBlocks(Simulation& sim, int form);

}  // namespace quorvane
