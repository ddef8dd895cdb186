#pragma once

#include <string>

#include "model/form_queries.h"
#include "model/model.h"

namespace quorvane {

struct Simulation;

/// Frees the three slots: RegId = slot, Title "Available", InUse 0, blocks and connections
/// cleared, sheet closed, RunSelected 0; FormCount 0 and terminal entries 1..30 of every
/// form freed (TermCount is left as it is). Used at start-up and by new simulation.
void InitFormSlots(Simulation& sim);

/// InitFormSlots on the tables alone, for a model that has no windows (one a load reads into).
void ResetFormSlots(Model& model);

/// Blocks 1..70 of the slot get FunctionCode, Left, Top 0; BlockCount 0; the sheet's block
/// images, selection marker and parameter markers are hidden.
void ClearFormBlocks(Simulation& sim, int slot);

/// NextConnection 1, NextLine 1 and the linking state (pending segments, picked terminals)
/// reset. The sheet's two connection drawing colours (normal colour 1, highlight colour 12)
/// are constants of the sheet redraw and need no reset here.
void ClearFormConnections(Simulation& sim, int slot);

/// Allocates the lowest free slot, titles it "Unnamed Form " + Str(slot), clears its blocks,
/// connections and terminal-link table and shows its sheet. Returns the slot, or 0 (nothing
/// changed) when all three are in use.
int AllocateForm(Simulation& sim);

/// Frees an allocated slot: title "Available" + Str(slot), blocks, connections and
/// terminal-link table cleared, sheet closed, RunSelected 0. Does nothing for a free slot.
/// Returns the slot. The caller makes FirstAllocatedForm the current form after a sheet closes.
int ReleaseForm(Simulation& sim, int slot);

/// Sets the slot's title and sheet caption, only when the slot's RegId is the slot.
void SetFormTitle(Simulation& sim, int slot, const std::string& title);

/// The model half of "new simulation": title "Unnamed Simulation", model cleared, maths
/// symbols off (toolbox and menu follow through Desktop::RefreshOptions), linking state
/// cleared, catalogue rebuilt, settings reset, slots freed, slot 1 allocated, current form 0,
/// terminal-link tables cleared, edit history forgotten.
/// Left to the caller (the main window's menu handler): setting the new-model flag,
/// resetting the sounds, CurrentPath = FnamePack("Unnamed Simulation"), the main window
/// caption, and the run window's two result boxes (a single space) and showing it.
void NewSimulation(Simulation& sim);

}  // namespace quorvane
