#pragma once

#include <utility>
#include <vector>

#include "model/editing_state.h"

namespace quorvane {

class Canvas;
struct Model;
struct Simulation;

/// The selected blocks of `form`, lowest number first; none when the selection is on another
/// sheet.
std::vector<int> SelectedBlocks(const EditingState& state, int form);

/// Selects exactly `blocks` of `form` (none clears the selection); the highest numbered one
/// carries the selection marker.
void SelectBlocks(EditingState& state, int form, const std::vector<int>& blocks);

/// Shift+press on a block: added to the selection of its sheet, or taken out when it was in.
/// A selection on another sheet is given up first.
void ToggleSelected(EditingState& state, int form, int block);

/// Every block of the sheet.
void SelectAllBlocks(const Model& model, EditingState& state, int form);

/// The selection box: anchored at a press on free area, drawn and redrawn in XOR as the pointer
/// moves (drawing it twice leaves the sheet as it was), and rubbed out on release, when the
/// blocks whose pictures lie wholly inside it are selected. SelectionBoxEnd returns how many.
void SelectionBoxStart(EditingState& state, int form, int x, int y);
void SelectionBoxMove(EditingState& state, Canvas& canvas, int x, int y);
int SelectionBoxEnd(const Model& model, EditingState& state, Canvas& canvas);

/// Delete key on sheet `form`: the selected connection, otherwise every selected block, as one
/// step of the edit history. False when nothing on this sheet was selected.
bool DeleteSelection(Simulation& sim, EditingState& state, int form);

/// The lines of the connections that run between two members of a group, by line number.
using GroupLines = std::vector<std::pair<int, ConnectionLine>>;
GroupLines LinesWithinGroup(const Model& model, const BlockGroup& group);

/// Block `moved` of the group went from (oldLeft, oldTop) to where it stands now: the other
/// members go as far, the connections to blocks outside the group follow their ends, and those
/// within the group are carried whole from where `within` saw them.
void CarryGroup(Simulation& sim, const BlockGroup& group, int moved, int oldLeft, int oldTop,
                const GroupLines& within);

}  // namespace quorvane
