#include "forms/diagram_sheet.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdlib>

#include "drawing/block_pictures.h"
#include "editing/block_edit.h"
#include "editing/connection_edit.h"
#include "editing/connection_route.h"
#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "model/block_traits.h"
#include "model/terminal_links.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

/// How far right of and below a block's picture its dialog opens, twips.
constexpr int DialogOffset = 500;
/// Blocks placed with the keyboard stand this far apart, and this far in from the sheet's edges.
constexpr int KeyboardPlaceStep = 960;
constexpr int KeyboardPlaceMargin = 240;

/// No block's picture overlaps the picture square at (left, top).
bool PictureAreaFree(const SimulationForm& sheet, int left, int top) {
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        const Block& other = sheet.Blocks[b];
        if (std::abs(other.Left - left) < BlockPictureSize && std::abs(other.Top - top) < BlockPictureSize) {
            return false;
        }
    }
    return true;
}

/// The group's pictures, each moved by (dx, dy), overlap none of the sheet's.
bool GroupAreaFree(const SimulationForm& sheet, const SimulationForm& group, int dx, int dy) {
    for (int b = 1; b <= group.BlockCount; ++b) {
        if (!PictureAreaFree(sheet, group.Blocks[b].Left + dx, group.Blocks[b].Top + dy)) return false;
    }
    return true;
}

/// The least and the greatest corner of a group's pictures.
struct Corners {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};
Corners CornersOf(const SimulationForm& group) {
    Corners c{group.Blocks[1].Left, group.Blocks[1].Top, group.Blocks[1].Left, group.Blocks[1].Top};
    for (int b = 2; b <= group.BlockCount; ++b) {
        c.Left = std::min(c.Left, group.Blocks[b].Left);
        c.Top = std::min(c.Top, group.Blocks[b].Top);
        c.Right = std::max(c.Right, group.Blocks[b].Left);
        c.Bottom = std::max(c.Bottom, group.Blocks[b].Top);
    }
    return c;
}

}  // namespace

const SheetLayout& LayoutOfSheet(int form) {
    static const std::array<SheetLayout, 3> Layouts{{
        {1, "Diagram 1", 2100, 1150, 13150, 9700, "Fsim1"},
        {2, "Diagram 2", 15350, 1150, 3500, 4000, "fsim2"},
        {3, "Diagram 3", 15350, 4000, 3500, 4000, "fsim3"},
    }};
    assert(form >= 1 && form <= 3);
    return Layouts[static_cast<std::size_t>(form - 1)];
}

SheetArea AreaOfSheet(const Model& model, int form) {
    const WindowPlace& window = model.Forms[form].Window;
    const SheetLayout& layout = LayoutOfSheet(form);
    return {static_cast<int>(window.Width.value_or(layout.Width)), static_cast<int>(window.Height.value_or(layout.Height))};
}

std::optional<GroupMove> FreePlaceForGroup(const SimulationForm& sheet, const SimulationForm& group, SheetArea area,
                                           int left, int top) {
    if (group.BlockCount < 1) return std::nullopt;
    const Corners corners = CornersOf(group);
    // The group's top-left corner on the grid, within the area with the whole group.
    const int lastLeft = area.Width - BlockPictureSize - (corners.Right - corners.Left);
    const int lastTop = area.Height - BlockPictureSize - (corners.Bottom - corners.Top);
    for (int y = Snap(std::max(top, 0)); y <= lastTop; y += GridStep) {
        for (int x = y == Snap(std::max(top, 0)) ? Snap(std::max(left, 0)) : 0; x <= lastLeft; x += GridStep) {
            if (GroupAreaFree(sheet, group, x - corners.Left, y - corners.Top)) {
                return GroupMove{x - corners.Left, y - corners.Top};
            }
        }
    }
    return std::nullopt;
}

int BlockAt(const Model& model, int form, int x, int y) {
    const SimulationForm& sheet = model.Forms[form];
    for (int b = std::min(sheet.BlockCount, MaxBlocks); b >= 1; --b) {
        const Block& block = sheet.Blocks[b];
        if (x >= block.Left && x < block.Left + BlockPictureSize && y >= block.Top &&
            y < block.Top + BlockPictureSize) {
            return b;
        }
    }
    return 0;
}

BlockDialogRequest BlockDialogFor(const Model& model, int form, int block, int sheetLeft, int sheetTop) {
    const Block& b = model.Forms[form].Blocks[block];
    BlockDialogRequest request;
    if (IsTerminalLink(b.FunctionCode)) {
        request.Dialog = TraitsOf(b.FunctionCode).Link == LinkKind::Input ? BlockDialog::InputTerminal
                                                                           : BlockDialog::OutputTerminal;
    }
    request.Form = form;
    request.Block = block;
    request.Function = b.FunctionCode;
    request.Left = b.Left + sheetLeft + DialogOffset;
    request.Top = b.Top + sheetTop + DialogOffset;
    return request;
}

bool DropOnSheet(Simulation& sim, EditingState& state, int form, int x, int y) {
    const int block = BlockAt(sim, form, x, y);
    if (block != 0) {
        const Block& target = sim.Forms[form].Blocks[block];
        return DropOnBlock(sim, state, form, block, x - target.Left, y - target.Top);
    }
    if (state.NewBlockCode != 0) return PlaceBlock(sim, state, form, state.NewBlockCode, x, y) != 0;
    return MoveBlock(sim, state, form, x, y);
}

int PlaceOnFreeArea(Simulation& sim, EditingState& state, int code) {
    const int current = sim.CurrentForm;
    const bool currentInUse = current >= 1 && current <= FormSlots && sim.Forms[current].InUse != 0;
    const int form = currentInUse ? current : FirstAllocatedForm(sim);
    if (form == 0) return 0;
    const SheetArea area = AreaOfSheet(sim, form);
    const int width = area.Width;
    const int height = area.Height;
    int left = KeyboardPlaceMargin;
    int top = KeyboardPlaceMargin;
    bool found = false;
    for (int y = KeyboardPlaceMargin; !found && y + BlockPictureSize <= height; y += KeyboardPlaceStep) {
        for (int x = KeyboardPlaceMargin; !found && x + BlockPictureSize <= width; x += KeyboardPlaceStep) {
            found = PictureAreaFree(sim.Forms[form], x, y);
            if (found) {
                left = x;
                top = y;
            }
        }
    }
    BeginNewBlockDrag(state, code, 0, 0);
    return PlaceBlock(sim, state, form, code, left, top);
}

void AbandonDrag(EditingState& state) {
    state.NewBlockCode = 0;
    state.Moving = false;
}

void SheetLostFocus(Simulation& sim, EditingState& state, int form) {
    if (sim.PendingLineCount != 0 && state.LinkForm == form) {
        sim.PendingLineCount = 0;
        state.Band.Now = RubberBand::None;
        sim.Windows.RequestRedraw(form);
    }
    SelectBlock(state, form, 0);
    if (state.SelectedConnection != 0) ClearConnectionSelection(sim, state, state.SelectedConnectionForm);
}

void DrawPendingConnection(const Simulation& sim, const EditingState& state, int form, Canvas& canvas) {
    if (sim.PendingLineCount == 0 || state.LinkForm != form) return;
    const ConnectionLine& first = sim.PendingLine[1];
    MarkBox(canvas, first.X1 + 30, first.Y1 - 30, 40, 40, MarkerColour);
    for (int l = 1; l <= sim.PendingLineCount; ++l) {
        const ConnectionLine& line = sim.PendingLine[l];
        if (l > 1) MarkBox(canvas, line.X1 - 20, line.Y1 - 20, 40, 40, MarkerColour);
        DrawSegment(canvas, line);
    }
    if (state.Band.Now == RubberBand::Drawn) {
        BeginXor(canvas);
        canvas.Line(state.Band.AnchorX, state.Band.AnchorY, state.Band.EndX, state.Band.EndY);
        EndXor(canvas);
    }
}

void ResetEditing(Simulation& sim, EditingState& state) {
    state = EditingState{};
    sim.PendingLineCount = 0;
    sim.SelectedInput = 0;
    sim.SelectedOutput = 0;
}

}  // namespace quorvane
