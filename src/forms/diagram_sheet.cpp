#include "forms/diagram_sheet.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "model/block_edit.h"
#include "model/block_pictures.h"
#include "model/connection_edit.h"
#include "model/connection_route.h"
#include "model/simulation.h"
#include "model/terminal_links.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

/// How far right of and below a block's picture its dialog opens, twips.
constexpr int DialogOffset = 500;

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
        request.Dialog = b.FunctionCode <= 49 ? BlockDialog::InputTerminal : BlockDialog::OutputTerminal;
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
