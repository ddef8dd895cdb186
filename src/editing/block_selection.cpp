#include "editing/block_selection.h"

#include <algorithm>

#include "drawing/block_pictures.h"
#include "editing/block_edit.h"
#include "editing/connection_edit.h"
#include "editing/connection_route.h"
#include "engine/simulation.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

void XorBox(const SelectionBox& box, Canvas& canvas) {
    canvas.Box(box.AnchorX, box.AnchorY, box.EndX, box.EndY, false);
}

bool Inside(const Block& block, int left, int top, int right, int bottom) {
    return block.Left >= left && block.Top >= top && block.Left + BlockPictureSize <= right &&
           block.Top + BlockPictureSize <= bottom;
}

}  // namespace

std::vector<int> SelectedBlocks(const EditingState& state, int form) {
    std::vector<int> blocks;
    if (form < 1 || state.Group.Form != form) return blocks;
    for (int b = 1; b <= MaxBlocks; ++b) {
        if (state.Group.Member[b]) blocks.push_back(b);
    }
    return blocks;
}

void SelectBlocks(EditingState& state, int form, const std::vector<int>& blocks) {
    SelectBlock(state, form, blocks.empty() ? 0 : blocks.back());
    for (int b : blocks) state.Group.Member[b] = true;
}

void ToggleSelected(EditingState& state, int form, int block) {
    std::vector<int> blocks = SelectedBlocks(state, form);
    const auto at = std::ranges::find(blocks, block);
    if (at != blocks.end()) {
        blocks.erase(at);
        SelectBlocks(state, form, blocks);
        return;
    }
    SelectBlocks(state, form, blocks);
    // The block just added carries the marker.
    state.SelectedBlock = block;
    state.SelectedBlockForm = form;
    state.Group.Form = form;
    state.Group.Member[block] = true;
}

void SelectAllBlocks(const Model& model, EditingState& state, int form) {
    std::vector<int> blocks;
    for (int b = 1; b <= model.Forms[form].BlockCount; ++b) blocks.push_back(b);
    SelectBlocks(state, form, blocks);
}

void SelectionBoxStart(EditingState& state, int form, int x, int y) {
    state.Box = SelectionBox{SelectionBox::Anchored, form, x, y, x, y};
}

void SelectionBoxMove(EditingState& state, Canvas& canvas, int x, int y) {
    SelectionBox& box = state.Box;
    if (box.Now == SelectionBox::None) return;
    BeginXor(canvas);
    if (box.Now == SelectionBox::Drawn) XorBox(box, canvas);
    box.EndX = x;
    box.EndY = y;
    XorBox(box, canvas);
    box.Now = SelectionBox::Drawn;
    EndXor(canvas);
}

int SelectionBoxEnd(const Model& model, EditingState& state, Canvas& canvas) {
    SelectionBox& box = state.Box;
    if (box.Now == SelectionBox::None) return 0;
    if (box.Now == SelectionBox::Drawn) {
        BeginXor(canvas);
        XorBox(box, canvas);
        EndXor(canvas);
    }
    const int left = std::min(box.AnchorX, box.EndX);
    const int right = std::max(box.AnchorX, box.EndX);
    const int top = std::min(box.AnchorY, box.EndY);
    const int bottom = std::max(box.AnchorY, box.EndY);
    const SimulationForm& sheet = model.Forms[box.Form];
    std::vector<int> blocks;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (Inside(sheet.Blocks[b], left, top, right, bottom)) blocks.push_back(b);
    }
    SelectBlocks(state, box.Form, blocks);
    box = SelectionBox{};
    return static_cast<int>(blocks.size());
}

bool DeleteSelection(Simulation& sim, EditingState& state, int form) {
    if (state.SelectedConnection != 0 && state.SelectedConnectionForm == form) {
        return DeleteConnection(sim, state, form, state.SelectedConnection);
    }
    const std::vector<int> blocks = SelectedBlocks(state, form);
    if (blocks.empty()) return false;
    EditStep step(sim.History, sim);
    // Highest first: a deletion renumbers only the blocks above it, none still to be deleted.
    for (auto b = blocks.rbegin(); b != blocks.rend(); ++b) DeleteBlock(sim, state, form, *b);
    return true;
}

GroupLines LinesWithinGroup(const Model& model, const BlockGroup& group) {
    GroupLines lines;
    if (group.Form < 1) return lines;
    const SimulationForm& sheet = model.Forms[group.Form];
    for (int c = 1; c < sheet.NextConnection; ++c) {
        const Connection& conn = sheet.Connections[c];
        if (!group.Member[conn.FromBlock] || !group.Member[conn.ToBlock]) continue;
        for (int l = conn.FirstLine; l < conn.FirstLine + conn.LineCount; ++l) lines.emplace_back(l, sheet.Lines[l]);
    }
    return lines;
}

void CarryGroup(Simulation& sim, const BlockGroup& group, int moved, int oldLeft, int oldTop,
                const GroupLines& within) {
    const int form = group.Form;
    SimulationForm& sheet = sim.Forms[form];
    const int dx = sheet.Blocks[moved].Left - oldLeft;
    const int dy = sheet.Blocks[moved].Top - oldTop;
    if (dx == 0 && dy == 0) return;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (!group.Member[b] || b == moved) continue;
        Block& block = sheet.Blocks[b];
        const int left = block.Left;
        const int top = block.Top;
        block.Left += dx;
        block.Top += dy;
        sim.Windows.PlaceBlockImage(form, b);
        FollowBlock(sim, form, b, left, top);
    }
    for (const auto& [l, line] : within) {
        sheet.Lines[l] = ConnectionLine{line.X1 + dx, line.Y1 + dy, line.X2 + dx, line.Y2 + dy};
    }
    sim.Windows.RequestRedraw(form);
}

}  // namespace quorvane
