#pragma once

namespace quorvane {

struct Simulation;

/// The working constants (Work 1..3), starting histories and adjusted constants of block b of
/// the run form, fixed once before the run. Delay lines are allocated by PrepareBlocks. A
/// constant combination that divides by zero or overflows throws RunError naming the block.
void PrepareWorkingConstants(Simulation& sim, int form, int b);

}  // namespace quorvane
