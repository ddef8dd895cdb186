#include "editing/connection_edit.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "editing/block_edit.h"
#include "editing/connection_route.h"
#include "engine/simulation.h"
#include "model/terminal_links.h"
#include "platform/canvas.h"

namespace quorvane {

namespace {

inline constexpr int HitReach = 100;   ///< twips around a line or a joint that still hits it

void MarkStart(Canvas& canvas, int x, int y, Palette colour) { MarkBox(canvas, x + 30, y - 30, 40, 40, colour); }

}  // namespace

TwipPoint InputAnchor(const Simulation& sim, int form, int block, int input) {
    const Block& b = sim.Forms[form].Blocks[block];
    const BlockFunction& f = sim.Functions[b.FunctionCode];
    return {Snap(b.Left + f.InputX[input] + 30), Snap(b.Top + f.InputY[input] + 60)};
}

TwipPoint OutputAnchor(const Simulation& sim, int form, int block, int output) {
    const Block& b = sim.Forms[form].Blocks[block];
    const BlockFunction& f = sim.Functions[b.FunctionCode];
    return {Snap(b.Left + f.OutputX[output] + 60), Snap(b.Top + f.OutputY[output] + 60)};
}

void PressOnBlock(Simulation& sim, EditingState& state, int form, int block, int x, int y, Canvas& canvas) {
    const int code = sim.Forms[form].Blocks[block].FunctionCode;
    sim.SelectedInput = InputTerminalAt(sim.Functions, code, x, y);
    sim.SelectedOutput = OutputTerminalAt(sim.Functions, code, x, y);
    if (sim.SelectedInput != 0 || sim.SelectedOutput != 0) {
        SelectBlock(state, form, 0);
        TerminalClick(sim, state, form, block, canvas);
    } else if (!state.Moving && sim.PendingLineCount == 0) {
        ClearConnectionSelection(sim, state, form);
        BeginBlockDrag(sim, state, form, block, x, y);
    }
}

namespace {

void StartConnection(Simulation& sim, EditingState& state, int form, int block, int input, int output,
                     Canvas& canvas) {
    TwipPoint start;
    if (input != 0) {
        if (sim.Forms[form].Blocks[block].Input[input] != 0) {
            sim.Ui.Message("Input already alocated");
            return;
        }
        start = InputAnchor(sim, form, block, input);
    } else {
        start = OutputAnchor(sim, form, block, output);
    }
    state.LinkForm = form;
    state.StartBlock = block;
    state.StartInput = input;
    state.StartOutput = input != 0 ? 0 : output;
    sim.PendingLineCount = -1;
    sim.PendingLine[1] = ConnectionLine{start.X, start.Y, start.X, start.Y};
    MarkStart(canvas, start.X, start.Y, MarkerColour);
    RubberBandStart(state, start.X, start.Y);
    sim.Ui.PlaySound(Sound::Redo);
}

}  // namespace

void TerminalClick(Simulation& sim, EditingState& state, int form, int block, Canvas& canvas) {
    EditStep step(sim.History, sim);
    const int input = sim.SelectedInput;
    const int output = input != 0 ? 0 : sim.SelectedOutput;
    if (input == 0 && output == 0) return;
    // A connection is drawn on one sheet; one left pending on another is abandoned.
    if (sim.PendingLineCount != 0 && form != state.LinkForm) {
        sim.PendingLineCount = 0;
        state.Band.Now = RubberBand::None;
    }
    if (sim.PendingLineCount == 0) {
        StartConnection(sim, state, form, block, input, output, canvas);
        return;
    }
    const bool fromOutput = state.StartOutput != 0;
    if ((fromOutput && input == 0) || (!fromOutput && output == 0)) {
        sim.Ui.PlaySound(Sound::Clear);
        sim.Ui.Message("trying to link same terminal types");
        return;
    }
    SimulationForm& sheet = sim.Forms[form];
    const bool bends = sim.PendingLineCount > 0;
    if (input != 0 && sheet.Blocks[block].Input[input] != 0) {
        if (bends) {
            sim.Ui.PlaySound(Sound::Clear);
            sim.Ui.Message("input already allocated");
        } else {
            sim.Ui.Message("Input already alocated");
        }
        return;
    }
    const TwipPoint end = input != 0 ? InputAnchor(sim, form, block, input) : OutputAnchor(sim, form, block, output);
    if (bends) {
        if (!AddFinalLine(sim, end.X, end.Y, canvas)) return;
    } else {
        AddDirectRoute(sim, end.X, end.Y, canvas);
    }
    RubberBandCancel(state, canvas);
    const int toBlock = input != 0 ? block : state.StartBlock;
    const int toInput = input != 0 ? input : state.StartInput;
    const int source = input != 0 ? state.StartBlock : block;
    const int sourceOutput = input != 0 ? state.StartOutput : output;
    sheet.Blocks[toBlock].Input[toInput] = source;
    if (!StoreConnection(sim, state, form, toBlock, toInput, source, sourceOutput, canvas)) return;
    SelectConnection(sim, state, form, sheet.NextConnection - 1, canvas);
    sim.PendingLineCount = 0;
    RefreshOutputEntry(sim, form, toBlock);
    sim.Ui.PlaySound(Sound::Redo);
    if (bends) {
        if (sheet.NextConnection + 2 > ConnectionLimit) {
            sim.Ui.Message("You have almost used up the available connections");
        }
        if (sheet.NextLine + MaxSegments > LineLimit) {
            sim.Ui.Message("You have almost used up the available connection lines");
        }
    }
}

bool StoreConnection(Simulation& sim, EditingState& state, int form, int toBlock, int toInput,
                     int fromBlock, int fromOutput, Canvas& canvas) {
    SimulationForm& sheet = sim.Forms[form];
    const int count = sim.PendingLineCount;
    const char* refusal = nullptr;
    if (sheet.NextConnection >= ConnectionLimit) {
        refusal = "The graphics library has run out of connections";
    } else if (sheet.NextLine + count >= LineLimit) {
        refusal = "the graphics library has run out of lines";
    }
    if (refusal != nullptr) {
        sim.Ui.Message(refusal);
        RubberBandCancel(state, canvas);
        SelectBlock(state, form, 0);
        ClearConnectionSelection(sim, state, form);
        sheet.Blocks[toBlock].Input[toInput] = 0;
        sim.PendingLineCount = 0;
        return false;
    }
    const int c = sheet.NextConnection;
    sheet.Connections[c] = Connection{toInput, toBlock, fromBlock, fromOutput, count, sheet.NextLine};
    for (int i = 1; i <= count; ++i) sheet.Lines[sheet.NextLine + i - 1] = sim.PendingLine[i];
    sheet.NextLine += count;
    sheet.NextConnection = c + 1;
    return true;
}

void CancelConnection(Simulation& sim, EditingState& state, int form, Canvas& canvas) {
    RubberBandCancel(state, canvas);
    // Nothing pending before the selection is cleared: that redraws the sheet, which would
    // otherwise draw the abandoned connection's start marker and lines again.
    sim.PendingLineCount = 0;
    SelectBlock(state, form, 0);
    ClearConnectionSelection(sim, state, form);
}

namespace {

/// Within reach of the line: between its ends widened by the reach along X and within the
/// reach vertically of the line at X; a vertical line by its X and its Y span.
bool NearLine(const ConnectionLine& l, int x, int y) {
    if (l.X2 == l.X1) {
        return std::abs(x - l.X1) < HitReach &&
               ((l.Y1 - HitReach < y && y < l.Y2 + HitReach) || (l.Y2 - HitReach < y && y < l.Y1 + HitReach));
    }
    const int left = l.X2 > l.X1 ? l.X1 : l.X2;
    const int right = l.X2 > l.X1 ? l.X2 : l.X1;
    if (!(left - HitReach < x && x < right + HitReach)) return false;
    const double slope = static_cast<double>(l.Y2 - l.Y1) / (l.X2 - l.X1);
    const double yOnLine = l.Y1 + (x - l.X1) * slope;
    return std::fabs(y - yOnLine) < HitReach;
}

}  // namespace

int ConnectionAt(const Simulation& sim, int form, int x, int y) {
    const SimulationForm& sheet = sim.Forms[form];
    for (int c = 1; c < sheet.NextConnection; ++c) {
        const Connection& conn = sheet.Connections[c];
        for (int l = conn.FirstLine; l < conn.FirstLine + conn.LineCount; ++l) {
            if (NearLine(sheet.Lines[l], x, y)) return c;
        }
    }
    return 0;
}

void SelectConnection(Simulation& sim, EditingState& state, int form, int c, Canvas& canvas) {
    // The selection changes before the redraw, so that a sheet which marks the selected
    // connection as it redraws marks this one and not the one before.
    state.SelectedConnection = c;
    state.SelectedConnectionForm = form;
    sim.Windows.RequestRedraw(form);
    DrawConnectionSelection(sim, state, form, canvas);
}

void DrawConnectionSelection(const Simulation& sim, const EditingState& state, int form, Canvas& canvas) {
    const SimulationForm& sheet = sim.Forms[form];
    const int c = state.SelectedConnection;
    if (state.SelectedConnectionForm != form || c < 1 || c >= sheet.NextConnection) return;
    const Connection& conn = sheet.Connections[c];
    const int last = conn.FirstLine + conn.LineCount - 1;
    MarkStart(canvas, sheet.Lines[conn.FirstLine].X1, sheet.Lines[conn.FirstLine].Y1, SelectionColour);
    for (int l = conn.FirstLine; l < last; ++l) {
        MarkBox(canvas, sheet.Lines[l].X2 - 20, sheet.Lines[l].Y2 - 20, 60, 60, SelectionColour);
    }
    MarkStart(canvas, sheet.Lines[last].X2, sheet.Lines[last].Y2, SelectionColour);
}

void ClearConnectionSelection(Simulation& sim, EditingState& state, int form) {
    state.SelectedConnection = 0;
    state.SelectedConnectionForm = 0;
    sim.Windows.RequestRedraw(form);
}

JointHit JointAt(const Simulation& sim, int form, int x, int y) {
    const SimulationForm& sheet = sim.Forms[form];
    for (int c = 1; c < sheet.NextConnection; ++c) {
        const Connection& conn = sheet.Connections[c];
        // The end of the last line is a terminal, not a joint.
        for (int l = conn.FirstLine; l < conn.FirstLine + conn.LineCount - 1; ++l) {
            const ConnectionLine& line = sheet.Lines[l];
            if (std::abs(x - line.X2) < HitReach && std::abs(y - line.Y2) < HitReach) return {c, l};
        }
    }
    return {};
}

bool JointDragStart(Simulation& sim, EditingState& state, int form, int x, int y) {
    if (state.SelectedConnection == 0 || state.SelectedConnectionForm != form) return false;
    const JointHit hit = JointAt(sim, form, x, y);
    if (hit.Connection != state.SelectedConnection) return false;
    const SimulationForm& sheet = sim.Forms[form];
    JointDrag& joint = state.Joint;
    joint.Now = JointDrag::Grabbed;
    joint.Form = form;
    joint.Connection = hit.Connection;
    joint.Line = hit.Line;
    joint.Before = sheet.Lines[hit.Line];
    joint.After = sheet.Lines[hit.Line + 1];
    joint.JointX = joint.Before.X2;
    joint.JointY = joint.Before.Y2;
    sim.Ui.PlaySound(Sound::Wib);
    return true;
}

namespace {

void XorJoint(const JointDrag& joint, Canvas& canvas) {
    canvas.Line(joint.Before.X1, joint.Before.Y1, joint.JointX, joint.JointY);
    canvas.Line(joint.JointX, joint.JointY, joint.After.X2, joint.After.Y2);
}

}  // namespace

void JointDragMove(EditingState& state, int form, int x, int y, Canvas& canvas) {
    JointDrag& joint = state.Joint;
    if (joint.Now == JointDrag::None || form != joint.Form) return;
    BeginXor(canvas);
    if (joint.Now == JointDrag::Drawn) XorJoint(joint, canvas);
    joint.JointX = Snap(x);
    joint.JointY = Snap(y);
    XorJoint(joint, canvas);
    joint.Now = JointDrag::Drawn;
    EndXor(canvas);
}

void JointDragEnd(Simulation& sim, EditingState& state, int form, Canvas& canvas) {
    EditStep step(sim.History, sim);
    JointDrag& joint = state.Joint;
    if (joint.Now == JointDrag::None || form != joint.Form) return;
    if (joint.Now == JointDrag::Drawn) {
        BeginXor(canvas);
        XorJoint(joint, canvas);
        EndXor(canvas);
        SimulationForm& sheet = sim.Forms[form];
        sheet.Lines[joint.Line] = {joint.Before.X1, joint.Before.Y1, joint.JointX, joint.JointY};
        sheet.Lines[joint.Line + 1] = {joint.JointX, joint.JointY, joint.After.X2, joint.After.Y2};
    }
    joint.Now = JointDrag::None;
    SelectConnection(sim, state, form, joint.Connection, canvas);
}

namespace {

/// The selection a press or click on free area makes; returns the connection hit and whether
/// it was the selected one already.
std::pair<int, bool> PickConnection(Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas) {
    const int c = ConnectionAt(sim, form, x, y);
    const bool wasSelected = c != 0 && c == state.SelectedConnection && form == state.SelectedConnectionForm;
    if (c == 0) {
        if (state.SelectedConnection != 0) ClearConnectionSelection(sim, state, form);
        SelectBlock(state, form, 0);
    } else if (!wasSelected) {
        SelectBlock(state, form, 0);
        SelectConnection(sim, state, form, c, canvas);
        sim.Ui.PlaySound(Sound::BestFit);
    }
    return {c, wasSelected};
}

}  // namespace

void PressOnSheet(Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas) {
    if (sim.PendingLineCount != 0) return;
    if (PickConnection(sim, state, form, x, y, canvas).second) JointDragStart(sim, state, form, x, y);
}

void ClickOnSheet(Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas) {
    if (sim.PendingLineCount != 0) {
        AddBendPoint(sim, state, form, x, y, canvas);
    } else {
        PickConnection(sim, state, form, x, y, canvas);
    }
}

void MoveOnSheet(const Simulation& sim, EditingState& state, int form, int x, int y, Canvas& canvas) {
    if (state.Joint.Now != JointDrag::None) {
        JointDragMove(state, form, x, y, canvas);
    } else if (sim.PendingLineCount != 0 && form == state.LinkForm) {
        RubberBandMove(state, canvas, x, y);
    }
}

bool DeleteConnection(Simulation& sim, EditingState& state, int form, int c) {
    EditStep step(sim.History, sim);
    SimulationForm& sheet = sim.Forms[form];
    if (sheet.NextConnection == 1) {
        sim.Ui.Message("No connection to delete");
        return false;
    }
    if (c < 1 || c >= sheet.NextConnection) {
        sim.Ui.Message("attempt to delete none existant connection");
        return false;
    }
    const Connection gone = sheet.Connections[c];
    if (gone.ToBlock >= 1 && gone.ToBlock <= MaxBlocks && gone.ToInput >= 1 && gone.ToInput <= MaxInputs) {
        sheet.Blocks[gone.ToBlock].Input[gone.ToInput] = 0;
        RefreshOutputEntry(sim, form, gone.ToBlock);
    }
    const int n = gone.LineCount;
    for (int l = gone.FirstLine + n; l < sheet.NextLine; ++l) sheet.Lines[l - n] = sheet.Lines[l];
    for (int l = sheet.NextLine - n; l < sheet.NextLine; ++l) sheet.Lines[l] = ConnectionLine{};
    // Lines are moved by where they lie, not by connection number: a loaded table need not
    // keep the connections' lines in number order, and a line index must never fall below 1.
    for (int k = 1; k < sheet.NextConnection; ++k) {
        if (sheet.Connections[k].FirstLine >= gone.FirstLine + n) sheet.Connections[k].FirstLine -= n;
    }
    for (int k = c + 1; k < sheet.NextConnection; ++k) sheet.Connections[k - 1] = sheet.Connections[k];
    sheet.Connections[sheet.NextConnection - 1] = Connection{};
    sheet.NextLine -= n;
    sheet.NextConnection -= 1;
    ClearConnectionSelection(sim, state, form);
    return true;
}

}  // namespace quorvane
