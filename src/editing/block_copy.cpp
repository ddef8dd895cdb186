#include "editing/block_copy.h"

#include <algorithm>
#include <limits>

#include "editing/block_edit.h"
#include "editing/block_selection.h"
#include "engine/simulation.h"
#include "model/terminal_links.h"

namespace quorvane {

namespace {

int FreeTerminalEntries(const SimulationForm& sheet) {
    int free = 0;
    for (int i = 1; i <= TerminalEntriesSearched; ++i) free += sheet.Terminals[i].TermBlk == 0 ? 1 : 0;
    return free;
}

// The first refusal the sheet gives to the whole paste, or none.
const char* Refusal(const SimulationForm& sheet, const SimulationForm& copied) {
    if (sheet.BlockCount + copied.BlockCount > MaxBlocks) return "limit reached - No more blocks on this form";
    const int connections = copied.NextConnection - 1;
    if (connections > 0) {
        // The checks each store makes, taken at the last of them.
        if (sheet.NextConnection + connections - 1 >= ConnectionLimit) {
            return "The graphics library has run out of connections";
        }
        if (sheet.NextLine + copied.NextLine - 1 >= LineLimit) return "the graphics library has run out of lines";
    }
    int terminals = 0;
    for (int b = 1; b <= copied.BlockCount; ++b) terminals += IsTerminalLink(copied.Blocks[b].FunctionCode) ? 1 : 0;
    if (terminals > FreeTerminalEntries(sheet)) return "Run out of terminals";
    return nullptr;
}

}  // namespace

SimulationForm CopyBlocks(const Model& model, int form, const std::vector<int>& blocks) {
    const SimulationForm& sheet = model.Forms[form];
    SimulationForm copied;
    Table<int, MaxBlocks> renumbered{};   // old number -> copy's number, 0 when not copied
    for (int b : blocks) {
        if (b < 1 || b > sheet.BlockCount || renumbered[b] != 0) continue;
        renumbered[b] = ++copied.BlockCount;
    }
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (renumbered[b] == 0) continue;
        Block& copy = copied.Blocks[renumbered[b]];
        copy = sheet.Blocks[b];
        for (int k = 1; k <= MaxInputs; ++k) copy.Input[k] = 0;
    }
    for (int c = 1; c < sheet.NextConnection; ++c) {
        Connection conn = sheet.Connections[c];
        if (renumbered[conn.FromBlock] == 0 || renumbered[conn.ToBlock] == 0) continue;
        for (int l = 0; l < conn.LineCount; ++l) copied.Lines[copied.NextLine + l] = sheet.Lines[conn.FirstLine + l];
        conn.FromBlock = renumbered[conn.FromBlock];
        conn.ToBlock = renumbered[conn.ToBlock];
        conn.FirstLine = copied.NextLine;
        copied.NextLine += conn.LineCount;
        copied.Connections[copied.NextConnection++] = conn;
        copied.Blocks[conn.ToBlock].Input[conn.ToInput] = conn.FromBlock;
    }
    return copied;
}

std::vector<int> PasteBlocks(Simulation& sim, EditingState& state, int form, const SimulationForm& copied, int dx,
                             int dy) {
    SimulationForm& sheet = sim.Forms[form];
    if (copied.BlockCount < 1) return {};
    if (const char* refusal = Refusal(sheet, copied)) {
        sim.Ui.Message(refusal);
        return {};
    }
    EditStep step(sim.History, sim);
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    for (int b = 1; b <= copied.BlockCount; ++b) {
        left = std::min(left, copied.Blocks[b].Left);
        top = std::min(top, copied.Blocks[b].Top);
    }
    const int moveX = Snap(left + dx) - left;
    const int moveY = Snap(top + dy) - top;

    const int base = sheet.BlockCount;
    std::vector<int> pasted;
    for (int b = 1; b <= copied.BlockCount; ++b) {
        const int n = base + b;
        Block& block = sheet.Blocks[n];
        block = copied.Blocks[b];
        block.Left += moveX;
        block.Top += moveY;
        for (int k = 1; k <= MaxInputs; ++k) block.Input[k] = block.Input[k] != 0 ? base + block.Input[k] : 0;
        // A copy does not take over the link of its original.
        if (IsInputTerminal(block.FunctionCode)) {
            for (int k = 1; k <= 3; ++k) block.Constant[k] = 0;
        }
        sheet.BlockCount = n;
        if (IsTerminalLink(block.FunctionCode)) RegisterTerminalBlock(sim, form, n);
        sim.Windows.PlaceBlockImage(form, n);
        pasted.push_back(n);
    }
    for (int c = 1; c < copied.NextConnection; ++c) {
        Connection conn = copied.Connections[c];
        conn.FromBlock += base;
        conn.ToBlock += base;
        for (int l = 0; l < conn.LineCount; ++l) {
            const ConnectionLine& line = copied.Lines[conn.FirstLine + l];
            sheet.Lines[sheet.NextLine + l] = {line.X1 + moveX, line.Y1 + moveY, line.X2 + moveX, line.Y2 + moveY};
        }
        conn.FirstLine = sheet.NextLine;
        sheet.NextLine += conn.LineCount;
        sheet.Connections[sheet.NextConnection++] = conn;
    }
    SelectBlocks(state, form, pasted);
    sim.Windows.RequestRedraw(form);
    return pasted;
}

}  // namespace quorvane
