#pragma once

namespace quorvane {

struct Simulation;

/// For a block just placed with its FunctionCode: sets the function's starting constants
/// (and the Chirp's initial condition), registers a terminal-link block (48..51) in the form's
/// terminal-link table, then copies the function's Name into the block's Title.
/// When the table has no free entry it shows "Run out of terminals" and returns false with the
/// block still in place: the caller deletes it.
bool ApplyStartingValues(Simulation& sim, int form, int block);

}  // namespace quorvane
