#include "forms/edit_commands.h"

#include <algorithm>

#include "editing/block_copy.h"
#include "editing/block_selection.h"
#include "editing/connection_edit.h"
#include "editing/form_slots.h"
#include "drawing/block_pictures.h"
#include "engine/simulation.h"
#include "forms/diagram_sheet.h"
#include "storage/clipboard_text.h"

namespace quorvane {

namespace {

bool SheetInUse(const Simulation& sim, int form) { return form >= 1 && form <= FormSlots && sim.Forms[form].InUse > 0; }

// After the tables jumped: the sheets follow the slots and are drawn afresh.
void ShowRestoredTables(Simulation& sim, EditingState& state) {
    ResetEditing(sim, state);
    for (int f = 1; f <= FormSlots; ++f) {
        if (!SheetInUse(sim, f)) {
            sim.Windows.CloseSheet(f);
            continue;
        }
        sim.Windows.ClearSheetImages(f);
        for (int b = 1; b <= sim.Forms[f].BlockCount; ++b) sim.Windows.PlaceBlockImage(f, b);
        sim.Windows.ShowSheet(f, sim.Forms[f].Title);
    }
    if (!SheetInUse(sim, sim.CurrentForm)) sim.CurrentForm = FirstAllocatedForm(sim);
}

/// Pasted blocks go to the first free place from where (dx, dy) takes them, or are refused as a
/// full sheet refuses a block.
std::vector<int> PasteAtFreePlace(Simulation& sim, EditingState& state, int form, const SimulationForm& copied,
                                  int dx, int dy) {
    int left = copied.Blocks[1].Left;
    int top = copied.Blocks[1].Top;
    for (int b = 2; b <= copied.BlockCount; ++b) {
        left = std::min(left, copied.Blocks[b].Left);
        top = std::min(top, copied.Blocks[b].Top);
    }
    const std::optional<GroupMove> move =
        FreePlaceForGroup(sim.Forms[form], copied, AreaOfSheet(sim, form), left + dx, top + dy);
    if (!move) {
        sim.Ui.Message("limit reached - No more blocks on this form");
        return {};
    }
    return PasteBlocks(sim, state, form, copied, move->Dx, move->Dy);
}

/// The drop point moved so that the dragged block, and the group it carries, land inside the
/// sheet's drawing area, where they stay within reach.
/// `least` is the group's least corner and `most` the greatest place the dragged block's corner
/// may take; a group larger than the area is left alone.
int KeptInside(int at, int grab, int from, int least, int most) {
    const int target = Snap(at - grab);
    const int low = from - least;
    const int high = Snap(most);
    if (low > high) return at;
    return at + std::clamp(target, low, high) - target;
}

}  // namespace

int SheetToEdit(const Model& model) {
    const int form = model.CurrentForm;
    return form >= 1 && form <= FormSlots && model.Forms[form].InUse > 0 ? form : FirstAllocatedForm(model);
}

EditMenuItems EditMenuState(const Simulation& sim, const EditingState& state, bool clipboardHasBlocks) {
    EditMenuItems items;
    items.Undo = sim.History.CanUndo();
    items.Redo = sim.History.CanRedo();
    const int form = SheetToEdit(sim);
    if (!SheetInUse(sim, form)) return items;
    const bool selected = !SelectedBlocks(state, form).empty();
    items.Cut = items.Copy = items.Duplicate = selected;
    items.Paste = clipboardHasBlocks;
    items.SelectAll = sim.Forms[form].BlockCount > 0;
    return items;
}

bool UndoEdit(Simulation& sim, EditingState& state) {
    if (!sim.History.Undo(sim)) return false;
    ShowRestoredTables(sim, state);
    return true;
}

bool RedoEdit(Simulation& sim, EditingState& state) {
    if (!sim.History.Redo(sim)) return false;
    ShowRestoredTables(sim, state);
    return true;
}

std::optional<std::string> CopySelection(const Simulation& sim, const EditingState& state, int form) {
    const std::vector<int> blocks = SelectedBlocks(state, form);
    if (blocks.empty()) return std::nullopt;
    return BlocksText(CopyBlocks(sim, form, blocks));
}

std::optional<std::string> CutSelection(Simulation& sim, EditingState& state, int form) {
    std::optional<std::string> text = CopySelection(sim, state, form);
    if (!text) return text;
    // The Delete key would take a selected connection first; a cut takes the blocks.
    if (state.SelectedConnection != 0) ClearConnectionSelection(sim, state, state.SelectedConnectionForm);
    DeleteSelection(sim, state, form);
    return text;
}

std::vector<int> PasteText(Simulation& sim, EditingState& state, int form, std::string_view text,
                           const PastePlace& place) {
    if (!SheetInUse(sim, form)) return {};
    const std::optional<SimulationForm> copied = ReadBlocksText(text);
    if (!copied) return {};
    if (copied->BlockCount < 1) return {};
    int dx = place.Repeat * PasteOffset;
    int dy = dx;
    if (place.AtPoint) {
        dx -= PasteOffset;
        dy -= PasteOffset;
        int left = copied->Blocks[1].Left;
        int top = copied->Blocks[1].Top;
        for (int b = 2; b <= copied->BlockCount; ++b) {
            left = std::min(left, copied->Blocks[b].Left);
            top = std::min(top, copied->Blocks[b].Top);
        }
        dx += place.X - left;
        dy += place.Y - top;
    }
    return PasteAtFreePlace(sim, state, form, *copied, dx, dy);
}

std::vector<int> DuplicateSelection(Simulation& sim, EditingState& state, int form) {
    const std::vector<int> blocks = SelectedBlocks(state, form);
    if (blocks.empty()) return {};
    return PasteAtFreePlace(sim, state, form, CopyBlocks(sim, form, blocks), PasteOffset, PasteOffset);
}

void KeepGroupForDrag(EditingState& state, const BlockGroup& before) {
    if (state.Moving && before.Form == state.MovingForm && before.Member[state.MovingBlock]) state.Group = before;
}

bool DropGroupOnSheet(Simulation& sim, EditingState& state, int form, int x, int y) {
    const BlockGroup group = state.Group;
    const int block = state.MovingBlock;
    const bool moving = state.Moving && state.NewBlockCode == 0 && form == state.MovingForm;
    const bool carrying = moving && group.Form == state.MovingForm && group.Member[block] &&
                          SelectedBlocks(state, group.Form).size() > 1;
    if (moving) {
        // The extent of what moves, as offsets from the dragged block's corner.
        const SimulationForm& sheet = sim.Forms[form];
        const Block& dragged = sheet.Blocks[block];
        int left = dragged.Left, top = dragged.Top, right = dragged.Left, bottom = dragged.Top;
        for (int b = 1; carrying && b <= sheet.BlockCount; ++b) {
            if (!group.Member[b]) continue;
            left = std::min(left, sheet.Blocks[b].Left);
            top = std::min(top, sheet.Blocks[b].Top);
            right = std::max(right, sheet.Blocks[b].Left);
            bottom = std::max(bottom, sheet.Blocks[b].Top);
        }
        const SheetArea area = AreaOfSheet(sim, form);
        x = KeptInside(x, state.GrabX, dragged.Left, left, area.Width - BlockPictureSize - (right - dragged.Left));
        y = KeptInside(y, state.GrabY, dragged.Top, top, area.Height - BlockPictureSize - (bottom - dragged.Top));
    }
    if (!carrying) return DropOnSheet(sim, state, form, x, y);
    EditStep step(sim.History, sim);
    const GroupLines within = LinesWithinGroup(sim, group);
    const int oldLeft = state.OldLeft;
    const int oldTop = state.OldTop;
    const bool moved = DropOnSheet(sim, state, form, x, y);
    if (moved) CarryGroup(sim, group, block, oldLeft, oldTop, within);
    // The drop selected the dragged block alone; the group stays selected.
    state.Group = group;
    return moved;
}

}  // namespace quorvane
