#pragma once

namespace quorvane {

struct Simulation;

/// Puts the blocks of `form` into evaluation order by renumbering them: constants, sources,
/// evaluated blocks by decreasing level, state blocks, displays. Inputs, connections, the
/// sheet's block images and the terminal-link entries follow the new numbers; the section
/// boundaries land in sim.Order. Warns "Failed to account for all blocks" and "A block self
/// loopback condition exists in the model" without stopping; ends with BuildDisplayRunList.
void BuildExecutionOrder(Simulation& sim, int form);

/// Fills sim.Order's display run list: for every Display, Delta, Unused or Correlate block the
/// blocks upstream along input 1 and then input 2 (at most 21 per chain, 210 in all).
void BuildDisplayRunList(Simulation& sim, int form);

}  // namespace quorvane
