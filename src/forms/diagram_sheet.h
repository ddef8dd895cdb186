#pragma once

#include <optional>
#include <string>

#include "model/editing_state.h"

namespace quorvane {

class Canvas;
struct Model;
struct SimulationForm;
struct Simulation;

/// How sheet `Form` stands in the main window when it is first shown, twips, and the names it
/// goes by.
struct SheetLayout {
    int Form = 1;
    std::string Caption;   ///< "Diagram 1"
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::string Name;      ///< the name its mouse-release messages give ("Fsim1", "fsim2")
};
/// The layout of sheet 1, 2 or 3.
const SheetLayout& LayoutOfSheet(int form);

/// The drawing area of sheet `form`, twips: the size its window was last given, or its first size.
struct SheetArea {
    int Width = 0;
    int Height = 0;
};
SheetArea AreaOfSheet(const Model& model, int form);

/// The first place, stepping right and then down on the placement grid from (left, top), where
/// a group of block pictures with these top-left corners, moved together, covers no block of
/// `sheet` and lies inside `area`: the group's move (dx, dy). None when the sheet has no such place.
struct GroupMove {
    int Dx = 0;
    int Dy = 0;
};
std::optional<GroupMove> FreePlaceForGroup(const SimulationForm& sheet, const SimulationForm& group, SheetArea area,
                                           int left, int top);

/// The block whose picture holds (x, y) on the sheet of `form`, twips; where pictures overlap,
/// the highest numbered, as it is drawn last. 0 on free area.
int BlockAt(const Model& model, int form, int x, int y);

/// The dialogs a block opens: the properties dialog, or the title dialogs of the terminal links.
enum class BlockDialog { Properties = 8, InputTerminal = 7, OutputTerminal = 9 };

/// What opening a block's dialog asks for: which dialog, on which block, and where its top-left
/// corner goes in the main window, twips.
struct BlockDialogRequest {
    BlockDialog Dialog = BlockDialog::Properties;
    int Form = 0;
    int Block = 0;
    int Function = 0;
    int Left = 0;
    int Top = 0;
    bool operator==(const BlockDialogRequest&) const = default;
};
/// The dialog of `block` on the sheet standing at (sheetLeft, sheetTop): input terminals open
/// the terminal title dialog, output terminals the title and units dialog, every other block
/// the properties dialog, 500 twips right of and below the block's picture.
BlockDialogRequest BlockDialogFor(const Model& model, int form, int block, int sheetLeft, int sheetTop);

/// A drop on the sheet of `form` at (x, y): on a block, the drop on that block's picture;
/// on free area, a toolbox image places a new block and a dragged block moves (only onto the
/// sheet it came from). The refusals are the editing operations' own. True when the model
/// changed.
bool DropOnSheet(Simulation& sim, EditingState& state, int form, int x, int y);

/// A toolbox image taken with the keyboard: block `code` goes onto the current sheet (the lowest
/// one in use when none is current) at the first place of a coarse grid, row by row, where its
/// picture touches no other block's, or at the first place when none is free. The block is
/// selected. Returns its number; 0 when no sheet is in use or the sheet refuses the block.
int PlaceOnFreeArea(Simulation& sim, EditingState& state, int code);

/// A drag that ended nowhere (outside every sheet, or abandoned with Escape): a new block is
/// not placed and a dragged block stays where it was, so the next press starts afresh.
void AbandonDrag(EditingState& state);

/// The sheet lost the keyboard focus: a pending connection drawn on it is abandoned and the
/// block and connection selections are cleared.
void SheetLostFocus(Simulation& sim, EditingState& state, int form);

/// Drawn over a redrawn sheet so that nothing of the connection being drawn on it is lost: its
/// start marker, its segments so far and the rubber band where it was last drawn.
void DrawPendingConnection(const Simulation& sim, const EditingState& state, int form, Canvas& canvas);

/// A load or a new simulation starts editing afresh: no drag, nothing pending, nothing selected.
void ResetEditing(Simulation& sim, EditingState& state);

}  // namespace quorvane
