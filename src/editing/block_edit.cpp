#include "editing/block_edit.h"

#include <array>
#include <cassert>
#include <string>

#include "editing/connection_edit.h"
#include "editing/starting_values.h"
#include "engine/simulation.h"
#include "model/terminal_links.h"

namespace quorvane {

void BeginNewBlockDrag(EditingState& state, int functionCode, int grabX, int grabY) {
    state.NewBlockCode = functionCode;
    state.GrabX = grabX;
    state.GrabY = grabY;
}

int PlaceBlock(Simulation& sim, EditingState& state, int form, int functionCode, int x, int y) {
    EditStep step(sim.History, sim);
    assert(functionCode >= 0 && functionCode < FunctionCodeLast);
    SimulationForm& sheet = sim.Forms[form];
    state.NewBlockCode = 0;
    if (sheet.BlockCount >= MaxBlocks) {
        sim.Ui.Message("limit reached - No more blocks on this form");
        return 0;
    }
    const int n = ++sheet.BlockCount;
    Block& block = sheet.Blocks[n];
    block = Block{};
    block.FunctionCode = functionCode;
    block.Left = Snap(x - state.GrabX);
    block.Top = Snap(y - state.GrabY);
    sim.Windows.PlaceBlockImage(form, n);
    if (!ApplyStartingValues(sim, form, n)) {
        DeleteBlock(sim, state, form, n);
        return 0;
    }
    SelectBlock(state, form, n);
    sim.Windows.RequestRedraw(form);
    return n;
}

void BeginBlockDrag(Simulation& sim, EditingState& state, int form, int block, int grabX, int grabY) {
    const Block& b = sim.Forms[form].Blocks[block];
    state.Moving = true;
    state.MovingForm = form;
    state.MovingBlock = block;
    state.OldLeft = b.Left;
    state.OldTop = b.Top;
    state.GrabX = grabX;
    state.GrabY = grabY;
    SelectBlock(state, form, block);
}

namespace {

/// The dragged block goes to (left, top), its lines follow and it is selected.
bool Relocate(Simulation& sim, EditingState& state, int left, int top) {
    const int form = state.MovingForm;
    const int block = state.MovingBlock;
    if (block < 1 || block > sim.Forms[form].BlockCount) return false;
    Block& b = sim.Forms[form].Blocks[block];
    b.Left = left;
    b.Top = top;
    sim.Windows.PlaceBlockImage(form, block);
    FollowBlock(sim, form, block, state.OldLeft, state.OldTop);
    SelectBlock(state, form, block);
    sim.Windows.RequestRedraw(form);
    return true;
}

std::string SheetName(int form) {
    static const std::array<std::string, 4> Names{"", "Fsim1", "fsim2", "fsim3"};
    return Names[static_cast<std::size_t>(form)];
}

void Shift(ConnectionLine& line, bool start, int dx, int dy) {
    if (start) {
        line.X1 += dx;
        line.Y1 += dy;
    } else {
        line.X2 += dx;
        line.Y2 += dy;
    }
}

}  // namespace

bool MoveBlock(Simulation& sim, EditingState& state, int form, int x, int y) {
    EditStep step(sim.History, sim);
    if (!state.Moving) return false;
    state.Moving = false;
    if (form != state.MovingForm) return false;
    return Relocate(sim, state, Snap(x - state.GrabX), Snap(y - state.GrabY));
}

bool DropOnBlock(Simulation& sim, EditingState& state, int form, int block, int x, int y) {
    EditStep step(sim.History, sim);
    if (state.NewBlockCode != 0) {
        sim.Ui.Message("Blocks cannot be placed upon other blocks - Drag Drop");
        state.NewBlockCode = 0;
        return false;
    }
    if (!state.Moving) return false;
    state.Moving = false;
    if (form != state.MovingForm || block != state.MovingBlock) {
        sim.Ui.Message("attempt to place block on top of another");
        return false;
    }
    return Relocate(sim, state, Snap(state.OldLeft + x - state.GrabX), Snap(state.OldTop + y - state.GrabY));
}

void ReleaseOnBlock(Simulation& sim, EditingState& state, int form) {
    if (state.NewBlockCode != 0) {
        sim.Ui.Message("Attempt to place New Blocks on other blocks - MouseUp Image1() on " + SheetName(form));
        state.NewBlockCode = 0;
    } else if (state.Moving) {
        sim.Ui.Message("Attemp to drag a block onto another -mouseUp from Image1() on " + SheetName(form));
        state.Moving = false;
    }
}

void FollowBlock(Simulation& sim, int form, int block, int oldLeft, int oldTop) {
    SimulationForm& sheet = sim.Forms[form];
    const int code = sheet.Blocks[block].FunctionCode;
    const int dx = sheet.Blocks[block].Left - oldLeft;
    const int dy = sheet.Blocks[block].Top - oldTop;
    // Is this line end on one of the block's terminals at its old place? A connection that
    // ends at the block is tested against its inputs, one that starts from it against its
    // outputs (a block feeding itself against both).
    auto onTerminal = [&](const Connection& c, int x, int y) {
        const int rx = x - oldLeft;
        const int ry = y - oldTop;
        return (c.ToBlock == block && InputTerminalAt(sim.Functions, code, rx, ry) != 0) ||
               (c.FromBlock == block && OutputTerminalAt(sim.Functions, code, rx, ry) != 0);
    };
    for (int c = 1; c < sheet.NextConnection; ++c) {
        const Connection& conn = sheet.Connections[c];
        if (conn.ToBlock != block && conn.FromBlock != block) continue;
        const int first = conn.FirstLine;
        const int last = conn.FirstLine + conn.LineCount - 1;
        // Both ends are judged before either moves, so a moved end is never taken again.
        const bool startMoves = onTerminal(conn, sheet.Lines[first].X1, sheet.Lines[first].Y1);
        const bool endMoves = onTerminal(conn, sheet.Lines[last].X2, sheet.Lines[last].Y2);
        const bool carrySegment = conn.LineCount > 2;
        if (startMoves) {
            Shift(sheet.Lines[first], true, dx, dy);
            if (carrySegment) {
                Shift(sheet.Lines[first], false, dx, dy);
                Shift(sheet.Lines[first + 1], true, dx, dy);
            }
        }
        if (endMoves) {
            Shift(sheet.Lines[last], false, dx, dy);
            if (carrySegment) {
                Shift(sheet.Lines[last], true, dx, dy);
                Shift(sheet.Lines[last - 1], false, dx, dy);
            }
        }
    }
}

bool TurnBlock(Simulation& sim, int form, int block) {
    EditStep step(sim.History, sim);
    SimulationForm& sheet = sim.Forms[form];
    if (block < 1 || block > sheet.BlockCount) return false;
    for (int c = 1; c < sheet.NextConnection; ++c) {
        if (sheet.Connections[c].FromBlock == block || sheet.Connections[c].ToBlock == block) {
            sim.Ui.Message("Cannot turn around block as it has connections");
            return false;
        }
    }
    if (sim.SelectedInput != 0 || sim.SelectedOutput != 0) {
        sim.Ui.Message("Cannot turn around block as it has just aquired a connection");
        return false;
    }
    Block& b = sheet.Blocks[block];
    const int offset = sim.Functions[b.FunctionCode].TurnOffset;
    if (offset == 0) return false;
    b.FunctionCode += offset;
    sim.Windows.PlaceBlockImage(form, block);
    sim.Windows.RequestRedraw(form);
    return true;
}

void SelectBlock(EditingState& state, int form, int block) {
    state.SelectedBlock = block;
    state.SelectedBlockForm = block > 0 ? form : 0;
    state.Group = BlockGroup{};
    if (block > 0) {
        state.Group.Form = form;
        state.Group.Member[block] = true;
    }
}

bool DeleteBlock(Simulation& sim, EditingState& state, int form, int block) {
    EditStep step(sim.History, sim);
    SimulationForm& sheet = sim.Forms[form];
    const int count = sheet.BlockCount;
    if (block < 1 || block > count) {
        sim.Ui.Message("attempt to delete nonexistant block");
        return false;
    }
    // A connection pending on this sheet names its start by block number, which the deletion
    // may take away or renumber, and the redraw below wipes its lines: it is abandoned.
    if (sim.PendingLineCount != 0 && state.LinkForm == form) {
        sim.PendingLineCount = 0;
        state.Band.Now = RubberBand::None;
    }
    if (IsTerminalLink(sheet.Blocks[block].FunctionCode)) RemoveTerminalBlock(sim, form, block);
    // From the highest number down, so the deletions do not renumber what is still to be seen.
    for (int c = sheet.NextConnection - 1; c >= 1; --c) {
        if (sheet.Connections[c].ToBlock == block) DeleteConnection(sim, state, form, c);
    }
    for (int c = sheet.NextConnection - 1; c >= 1; --c) {
        if (sheet.Connections[c].FromBlock == block) DeleteConnection(sim, state, form, c);
    }
    ShufflePass pass;
    for (int j = block; j < count; ++j) {
        sim.Windows.MoveBlockImage(form, j + 1, j);
        sheet.Blocks[j] = sheet.Blocks[j + 1];
        if (IsTerminalLink(sheet.Blocks[j].FunctionCode)) ShuffleTerminalEntry(sim, sim.Ui, form, j + 1, j, pass);
    }
    sim.Windows.HideBlockImage(form, count);
    sheet.Blocks[count] = Block{};
    // References to the deleted block itself are gone after the connections went; one that is
    // left shows a damaged model, which is reported and mended as far as it can be.
    for (int j = 1; j < count; ++j) {
        for (int k = 1; k <= MaxInputs; ++k) {
            int& source = sheet.Blocks[j].Input[k];
            if (source > block) {
                --source;
            } else if (source == block) {
                source = 0;
                sim.Ui.Message("deleted block ref found and set to zero");
            }
        }
    }
    for (int c = 1; c < sheet.NextConnection; ++c) {
        Connection& conn = sheet.Connections[c];
        if (conn.FromBlock > block) {
            --conn.FromBlock;
        } else if (conn.FromBlock == block) {
            sim.Ui.Message("connection OP array contains deleted block");
        }
        if (conn.ToBlock > block) {
            --conn.ToBlock;
        } else if (conn.ToBlock == block) {
            sim.Ui.Message("connection IP array contains deleted block");
        }
    }
    sheet.BlockCount = count - 1;
    SelectBlock(state, form, 0);
    sim.Windows.RequestRedraw(form);
    return true;
}

bool DeleteSelected(Simulation& sim, EditingState& state, int form) {
    if (state.SelectedConnection != 0 && state.SelectedConnectionForm == form) {
        return DeleteConnection(sim, state, form, state.SelectedConnection);
    }
    if (state.SelectedBlock != 0 && state.SelectedBlockForm == form) {
        return DeleteBlock(sim, state, form, state.SelectedBlock);
    }
    return false;
}

}  // namespace quorvane
