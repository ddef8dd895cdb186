#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/block_edit.h"
#include "model/connection_edit.h"
#include "model/connection_route.h"
#include "model/desktop.h"
#include "model/editing_state.h"
#include "model/simulation.h"
#include "model/start_up.h"
#include "platform/recording_canvas.h"
#include "platform/recording_host.h"

namespace quorvane {

/// A desktop that notes what is done to the block images and counts redraw requests.
class ImageLog : public Desktop {
public:
    void PlaceBlockImage(int form, int block) override { Calls.push_back(Note("place", form, block)); }
    void MoveBlockImage(int form, int from, int to) override {
        Calls.push_back(Note("move", form, from) + ">" + std::to_string(to));
    }
    void HideBlockImage(int form, int block) override { Calls.push_back(Note("hide", form, block)); }
    void RequestRedraw(int /*form*/) override { ++Redraws; }

    std::vector<std::string> Calls;
    int Redraws = 0;

private:
    static std::string Note(const char* what, int form, int block) {
        return std::string(what) + " " + std::to_string(form) + ":" + std::to_string(block);
    }
};

/// A started simulation (slot 1 allocated) edited the way the sheets edit it.
class EditingFixture : public ::testing::Test {
protected:
    EditingFixture() {
        StartUp(Sim);
        Host.Clear();
    }

    /// A toolbox image of `code` dropped with the pointer at its top-left corner.
    int Drop(int code, int left, int top, int form = 1) {
        BeginNewBlockDrag(State, code, 0, 0);
        return PlaceBlock(Sim, State, form, code, left, top);
    }

    /// Presses just inside the hit box of output / input k of a block.
    void PressOutput(int block, int k, int form = 1) {
        const BlockFunction& f = Sim.Functions[Sim.Forms[form].Blocks[block].FunctionCode];
        PressOnBlock(Sim, State, form, block, f.OutputX[k] + 10, f.OutputY[k] + 10, Canvas);
    }
    void PressInput(int block, int k, int form = 1) {
        const BlockFunction& f = Sim.Functions[Sim.Forms[form].Blocks[block].FunctionCode];
        PressOnBlock(Sim, State, form, block, f.InputX[k] + 10, f.InputY[k] + 10, Canvas);
    }
    /// A press on the middle of a block that does not move it (press, then drop on itself).
    void ClickBody(int block, int form = 1) {
        PressOnBlock(Sim, State, form, block, 300, 300, Canvas);
        DropOnBlock(Sim, State, form, block, 300, 300);
    }
    bool Bend(int x, int y, int form = 1) { return AddBendPoint(Sim, State, form, x, y, Canvas); }

    /// Output 1 of `from` to input k of `to`, directly.
    void Connect(int from, int to, int k = 1) {
        PressOutput(from, 1);
        PressInput(to, k);
    }

    const SimulationForm& Sheet(int form = 1) const { return Sim.Forms[form]; }
    ConnectionLine LineOf(int c, int i, int form = 1) const {
        return Sheet(form).Lines[Sheet(form).Connections[c].FirstLine + i - 1];
    }

    RecordingHost Host;
    ImageLog Windows;
    Simulation Sim{Host, Windows};
    EditingState State;
    RecordingCanvas Canvas;
};

inline constexpr int ConstantCode = 1;
inline constexpr int SumCode = 2;
inline constexpr int GainCode = 6;
inline constexpr int InputTerminalCode = 48;
inline constexpr int OutputTerminalCode = 50;

}  // namespace quorvane
