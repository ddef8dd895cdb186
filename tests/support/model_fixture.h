#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/block_edit.h"
#include "editing/connection_edit.h"
#include "editing/connection_route.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "model/editing_state.h"
#include "platform/text.h"
#include "support/recording_canvas.h"
#include "support/recording_desktop.h"
#include "support/recording_host.h"

namespace quorvane {

using Strings = std::vector<std::string>;

inline constexpr int ConstantCode = 1;
inline constexpr int SumCode = 2;
inline constexpr int GainCode = 6;
inline constexpr int InputTerminalCode = 48;
inline constexpr int OutputTerminalCode = 50;

/// A started simulation (slot 1 allocated) edited the way the sheets edit it.
class ModelFixture : public ::testing::Test {
protected:
    ModelFixture() {
        StartUp(Sim);
        Host.Clear();
        Windows.Calls.clear();
    }

    /// What was done to the sheets and their block images, in order: sheets shown and closed,
    /// pictures following the options, images placed, renumbered and hidden.
    Strings SheetCalls() const {
        return Windows.Of({"ShowSheet", "CloseSheet", "RefreshOptions", "PlaceBlockImage", "MoveBlockImage",
                           "HideBlockImage"});
    }

    /// A toolbox image of `code` dropped with the pointer at its top-left corner.
    int Place(int form, int code, int left = 1200, int top = 1200) {
        BeginNewBlockDrag(State, code, 0, 0);
        return PlaceBlock(Sim, State, form, code, left, top);
    }
    int Drop(int code, int left, int top) { return Place(1, code, left, top); }

    /// Points an Input Terminal block at (form, entry).
    void Link(int form, int block, float sourceForm, float entry) {
        Sim.Forms[form].Blocks[block].Constant[1] = sourceForm;
        Sim.Forms[form].Blocks[block].Constant[2] = entry;
    }

    /// Presses just inside the hit box of output / input k of a block on sheet 1.
    void PressOutput(int block, int k) {
        const BlockFunction& f = Sim.Functions[Sheet().Blocks[block].FunctionCode];
        PressOnBlock(Sim, State, 1, block, f.OutputX[k] + 10, f.OutputY[k] + 10, Canvas);
    }
    void PressInput(int block, int k) {
        const BlockFunction& f = Sim.Functions[Sheet().Blocks[block].FunctionCode];
        PressOnBlock(Sim, State, 1, block, f.InputX[k] + 10, f.InputY[k] + 10, Canvas);
    }
    /// A press on the middle of a block that does not move it (press, then drop on itself).
    void ClickBody(int block) {
        PressOnBlock(Sim, State, 1, block, 300, 300, Canvas);
        DropOnBlock(Sim, State, 1, block, 300, 300);
    }
    bool Bend(int x, int y) { return AddBendPoint(Sim, State, 1, x, y, Canvas); }

    /// Output 1 of `from` to input k of `to`, directly.
    void Connect(int from, int to, int k = 1) {
        PressOutput(from, 1);
        PressInput(to, k);
    }

    const SimulationForm& Sheet(int form = 1) const { return Sim.Forms[form]; }
    ConnectionLine LineOf(int c, int i) const { return Sheet().Lines[Sheet().Connections[c].FirstLine + i - 1]; }

    RecordingHost Host;
    RecordingDesktop Windows;
    Simulation Sim{Host, Windows};
    EditingState State;
    RecordingCanvas Canvas;
};

}  // namespace quorvane
