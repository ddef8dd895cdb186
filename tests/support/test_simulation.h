#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "editing/block_edit.h"
#include "editing/connection_edit.h"
#include "editing/connection_route.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "model/editing_state.h"
#include "model/function_code.h"
#include "platform/text.h"
#include "support/block_builder.h"
#include "support/recording_canvas.h"
#include "support/recording_desktop.h"
#include "support/recording_host.h"

namespace quorvane {

using Strings = std::vector<std::string>;

inline constexpr int ConstantCode = CodeNumber(FunctionCode::Constant);
inline constexpr int SumCode = CodeNumber(FunctionCode::Sum);
inline constexpr int GainCode = CodeNumber(FunctionCode::Gain);
inline constexpr int InputTerminalCode = CodeNumber(FunctionCode::InputTerminal);
inline constexpr int OutputTerminalCode = CodeNumber(FunctionCode::OutputTerminal);

/// How a test simulation begins.
enum class Begin {
    Bare,       ///< the tables as constructed: no catalogue, no form allocated
    Started,    ///< the program's start-up (catalogue, settings, slot 1), with what it reported forgotten
    RunReady,   ///< catalogue built and form 1 allocated and chosen for running, titled "Engine test"
    Ran,        ///< no catalogue; form 1, titled "Plant", is the form last run, for what results show
};

/// The one simulation of a test. It reports to a recording host, calls a recording desktop (or
/// the desktop a window test gives it), and lives on the heap because its tables are large.
/// Blocks are either written straight into form `Form` (Add, Connect by title: ordering renumbers
/// blocks, titles stay) or dropped and wired the way the sheets do it (Place, ConnectOnSheet).
class TestSimulation {
public:
    explicit TestSimulation(Begin begin = Begin::Bare);
    TestSimulation(Begin begin, Desktop& windows);
    TestSimulation(const TestSimulation&) = delete;
    TestSimulation& operator=(const TestSimulation&) = delete;

    // Written straight into the tables.
    int Add(int code, const std::string& title = {}, const std::vector<float>& constants = {},
            float initialCondition = 0.0f) {
        return AddBlock(Sim.Forms[Form], code, title, constants, initialCondition);
    }
    /// A block of `code` appended at (left, top).
    Block& AddAt(int code, int left, int top) {
        Block& block = At(Add(code));
        block.Left = left;
        block.Top = top;
        return block;
    }
    struct Wire {
        std::string From;
        std::string To;
        int Input = 1;
    };
    /// Output 1 of the block titled `from` to input `input` of the block titled `to`.
    void Connect(const std::string& from, const std::string& to, int input = 1);
    /// Several connections, made in this order.
    void Connect(std::initializer_list<Wire> wires);
    int Find(const std::string& title) const { return FindBlock(Sim.Forms[Form], title); }
    Block& At(const std::string& title) { return At(Find(title)); }
    Block& At(int block) { return Sim.Forms[Form].Blocks[block]; }

    // A run stepped by hand on form `Form`.
    /// Orders, resets, validates (unless `validate` is false, for constants a run would refuse) and
    /// prepares with this time step, then evaluates the start. False, without the initial
    /// evaluation, when validation marks a block or a delay line is refused. RunError passes through.
    bool Start(double timeStep, double startTime = 0.0, double stopTime = 10.0, bool validate = true);
    /// One step as the run driver makes it: StepModel, the time from the step count, then
    /// RefreshAlgebraic when `refresh` (a sample step).
    void Step(bool refresh = true);
    /// Steps until `time` (rounded to whole steps) is reached.
    void RunTo(double time);
    double Time() const { return Sim.Status.CurrentTime; }
    /// A run from `start` to `stop` as the user entered it.
    void SetRun(float start, float stop) {
        Sim.Run.StartTime = start;
        Sim.Run.StopTime = stop;
        Sim.Status.StopTimeEntered = stop;
    }
    /// Title and units of display columns first..last, in turn.
    Strings Headings(int first, int last) const;

    // Done the way the sheets do it.
    /// A toolbox image of `code` dropped on sheet `form` with the pointer at its top-left corner.
    int Place(int form, int code, int left = 1200, int top = 1200);
    int Drop(int code, int left, int top) { return Place(1, code, left, top); }
    /// Presses just inside the hit box of output / input k of a block on sheet 1.
    void PressOutput(int block, int k);
    void PressInput(int block, int k);
    /// A press on the middle of a block that does not move it (press, then drop on itself).
    void ClickBody(int block);
    bool Bend(int x, int y);
    /// Output 1 of `from` to input k of `to` on sheet 1, by pressing the two terminals.
    void ConnectOnSheet(int from, int to, int k = 1) {
        PressOutput(from, 1);
        PressInput(to, k);
    }
    /// Points an Input Terminal block at (form, entry).
    void Link(int form, int block, float sourceForm, float entry);
    /// What was done to the sheets and their block images, in order: sheets shown and closed,
    /// pictures following the options, images placed, renumbered and hidden.
    Strings SheetCalls() const {
        return Windows.Of({"ShowSheet", "CloseSheet", "RefreshOptions", "PlaceBlockImage", "MoveBlockImage",
                           "HideBlockImage"});
    }
    /// What a load or save does to the sheets' places, the result windows and the caption.
    Strings PlaceCalls() const {
        return Windows.Of({"ShowSheet", "PlaceSheet", "ActivateSheet", "PlaceGraphWindow", "PlaceTabulationWindow",
                           "RefreshFrequencySwitches", "SetMainCaption"});
    }
    const SimulationForm& Sheet(int form = 1) const { return Sim.Forms[form]; }
    ConnectionLine LineOf(int c, int i) const { return Sheet().Lines[Sheet().Connections[c].FirstLine + i - 1]; }

    RecordingHost Host;
    RecordingDesktop Windows;

private:
    std::unique_ptr<Simulation> Owner;

public:
    Simulation& Sim;
    EditingState State;
    RecordingCanvas Canvas;
    int Form = 1;    ///< the form blocks are added to and runs step
    int Steps = 0;   ///< steps made since Start
};

/// The test simulation as a GoogleTest fixture.
template <Begin Beginning = Begin::Started>
class SimulationFixture : public ::testing::Test, public TestSimulation {
protected:
    SimulationFixture() : TestSimulation(Beginning) {}
};

/// True when every float of the form's blocks (outputs, working values, histories, constants,
/// limits, initial conditions) and of the delay lines is finite.
bool TablesFinite(Simulation& sim, int form);

}  // namespace quorvane
