#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/block_edit.h"
#include "model/editing_state.h"

namespace quorvane {

struct Model;
struct Simulation;

/// Pasted and duplicated blocks stand two grid steps right of and below their originals.
inline constexpr int PasteOffset = 2 * GridStep;

/// The sheet the Edit menu acts on: the current form, or the first in use when there is none.
int SheetToEdit(const Model& model);

/// Which items of the Edit menu can act on the current sheet.
struct EditMenuItems {
    bool Undo = false;
    bool Redo = false;
    bool Cut = false;
    bool Copy = false;
    bool Paste = false;
    bool Duplicate = false;
    bool SelectAll = false;

    bool operator==(const EditMenuItems&) const = default;
};

/// `clipboardHasBlocks`: the clipboard holds copied blocks.
EditMenuItems EditMenuState(const Simulation& sim, const EditingState& state, bool clipboardHasBlocks);

/// The tables go back before the last edit / forward again. Editing starts afresh (nothing
/// selected, dragged or pending); every form slot's sheet is shown with its title or closed as
/// the slot is now in use or free, and redrawn; the current form is one in use. False when
/// there was nothing to undo / redo.
bool UndoEdit(Simulation& sim, EditingState& state);
bool RedoEdit(Simulation& sim, EditingState& state);

/// The clipboard text of the blocks selected on sheet `form` and the connections among them;
/// none when no block is selected there.
std::optional<std::string> CopySelection(const Simulation& sim, const EditingState& state, int form);
/// Copy, then the selected blocks deleted as one edit.
std::optional<std::string> CutSelection(Simulation& sim, EditingState& state, int form);

/// Where a paste goes: the copied blocks' top-left corner at the grid point of a click on the
/// sheet, or the paste offset from where they were copied; the `Repeat`th paste to the same
/// place goes Repeat - 1 offsets further, so that it does not cover the one before.
struct PastePlace {
    bool AtPoint = false;
    int X = 0;
    int Y = 0;
    int Repeat = 1;
};

/// Clipboard text pasted onto sheet `form` (PasteBlocks). Text that is not copied blocks
/// pastes nothing and says nothing. Returns the new blocks.
std::vector<int> PasteText(Simulation& sim, EditingState& state, int form, std::string_view text,
                           const PastePlace& place);

/// The selected blocks of `form` copied and pasted at the paste offset; the clipboard is not
/// used.
std::vector<int> DuplicateSelection(Simulation& sim, EditingState& state, int form);

/// After a press on a block: when it began the drag of a block that was one of the selection
/// `before`, that selection stays for the drag to carry.
void KeepGroupForDrag(EditingState& state, const BlockGroup& before);

/// A drop on the sheet (DropOnSheet) of a block dragged out of a selection of several: the whole
/// selection moves with it and stays selected, as one edit.
bool DropGroupOnSheet(Simulation& sim, EditingState& state, int form, int x, int y);

}  // namespace quorvane
