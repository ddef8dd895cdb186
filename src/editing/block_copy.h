#pragma once

#include <vector>

#include "model/editing_state.h"
#include "model/model.h"

namespace quorvane {

struct Simulation;

/// Copies of blocks with the connections among them, as the clipboard carries them: a scratch
/// form whose blocks 1..BlockCount are the copies in the order of their old numbers, whose
/// connections are those that ran between two copied blocks, renumbered, with their lines laid
/// out from 1, and whose inputs are connected exactly where such a connection ends. Nothing else
/// of the form is used.
SimulationForm CopyBlocks(const Model& model, int form, const std::vector<int>& blocks);

/// Places the copied blocks on sheet `form` with every parameter, title and units, and their
/// connections, moved together so that their top-left corner (the least Left and the least Top)
/// goes to the grid point snap(corner + (dx, dy)); lines are moved by the same amount. Input
/// terminal blocks arrive unlinked and every terminal-link block takes a terminal-link entry of
/// its own. The paste is refused whole, with one message and nothing changed, when the sheet
/// cannot take all of it: "limit reached - No more blocks on this form", "The graphics library
/// has run out of connections", "the graphics library has run out of lines" or "Run out of
/// terminals". One step of the edit history; the new blocks are selected. Returns their
/// numbers, none when refused or when there was nothing to paste.
std::vector<int> PasteBlocks(Simulation& sim, EditingState& state, int form, const SimulationForm& copied, int dx,
                             int dy);

}  // namespace quorvane
