#pragma once

#include "model/editing_state.h"

namespace quorvane {

struct Simulation;

inline constexpr int GridStep = 120;   ///< twips

/// The placement grid: v - (v Mod 120) with the remainder taking the sign of v, so positive
/// values go down to a multiple of 120 and negative ones up towards zero.
constexpr int Snap(int v) { return v - v % GridStep; }

/// Mouse press on a toolbox image: the FunctionCode dragged and the press point inside it.
void BeginNewBlockDrag(EditingState& state, int functionCode, int grabX, int grabY);

/// Drop of a toolbox image on free area of sheet `form` at (x, y): a new block at
/// (snap(x - grab X), snap(y - grab Y)) with its starting values, selected. Refused on a full
/// form ("limit reached - No more blocks on this form"); removed again when its terminal-link
/// entry cannot be had. The new-block code is reset either way. Returns the new block or 0.
int PlaceBlock(Simulation& sim, EditingState& state, int form, int functionCode, int x, int y);

/// Mouse press on a block away from its terminals: the block drag starts (old place and grab
/// point recorded) and the block is selected.
void BeginBlockDrag(Simulation& sim, EditingState& state, int form, int block, int grabX, int grabY);

/// Drop of a dragged block on free area of sheet `form` at (x, y). A drop on another sheet
/// than the drag's leaves the block where it was. The attached connection lines follow.
/// True when the block moved.
bool MoveBlock(Simulation& sim, EditingState& state, int form, int x, int y);

/// Drop on block `block`'s image at (x, y) relative to that image: the dragged block dropped on
/// itself moves by less than its size; a dragged block on another block and a new block on any
/// block are refused with their messages. A click on a block that did not move should arrive
/// here too (it then stays where it is). True when the block moved.
bool DropOnBlock(Simulation& sim, EditingState& state, int form, int block, int x, int y);

/// Mouse release on a block image while a drag is still pending: the diagnostic messages,
/// which name the sheet, and the drag is dropped.
void ReleaseOnBlock(Simulation& sim, EditingState& state, int form);

/// Connection lines attached to `block` follow it from (oldLeft, oldTop) to its present place:
/// a line end on one of its terminals moves, and in a chain of more than two segments the
/// whole end segment moves with it.
void FollowBlock(Simulation& sim, int form, int block, int oldLeft, int oldTop);

/// Double click on a block: turned to its partner FunctionCode, unless it has connections
/// ("Cannot turn around block as it has connections") or the click was on a terminal ("Cannot
/// turn around block as it has just aquired a connection"). A block that cannot turn is left
/// alone in silence. True when it turned.
bool TurnBlock(Simulation& sim, int form, int block);

/// Selects block `block` of `form` alone (0 clears the selection); the sheet shows its
/// selection marker there.
void SelectBlock(EditingState& state, int form, int block);

/// Deletes block `block`: its terminal-link entry released, its connections deleted, the
/// blocks behind it moved down one number with every reference to them. Out of range:
/// "attempt to delete nonexistant block". True when deleted.
bool DeleteBlock(Simulation& sim, EditingState& state, int form, int block);

/// Delete key on sheet `form`: the selected connection, otherwise the selected block. False
/// when nothing on this sheet was selected.
bool DeleteSelected(Simulation& sim, EditingState& state, int form);

}  // namespace quorvane
