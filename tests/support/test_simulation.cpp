#include "support/test_simulation.h"

#include <algorithm>
#include <cmath>

#include "editing/block_edit.h"
#include "editing/connection_edit.h"
#include "editing/connection_route.h"
#include "editing/start_up.h"
#include "engine/ordering.h"
#include "engine/preparation.h"
#include "engine/stepping.h"
#include "model/catalogue.h"

namespace quorvane {

TestSimulation::TestSimulation(Begin begin) : TestSimulation(begin, Windows) {}

TestSimulation::TestSimulation(Begin begin, Desktop& windows)
    : Owner(std::make_unique<Simulation>(Host, windows)), Sim(*Owner) {
    if (begin == Begin::Started) {
        StartUp(Sim);
        Host.Clear();
        Windows.Calls.clear();
    } else if (begin == Begin::RunReady) {
        BuildCatalogue(Sim.Functions);
        ClaimSlot(Sim, Form, "Engine test");
        Sim.Forms[Form].RunSelected = 1;
        Sim.CurrentForm = Form;
    } else if (begin == Begin::Ran) {
        Sim.Forms[Form].Title = "Plant";
        Sim.RunForm = Form;
    }
}

void TestSimulation::Connect(const std::string& from, const std::string& to, int input) {
    ConnectBlocks(Sim.Forms[Form], Find(from), Find(to), input);
}

void TestSimulation::Connect(std::initializer_list<Wire> wires) {
    for (const Wire& wire : wires) Connect(wire.From, wire.To, wire.Input);
}

bool TestSimulation::Start(double timeStep, double startTime, double stopTime, bool validate) {
    Sim.Run.TimeStep = static_cast<float>(timeStep);
    Sim.Run.StartTime = static_cast<float>(startTime);
    Sim.Run.StopTime = static_cast<float>(stopTime);
    BuildExecutionOrder(Sim, Form);
    ResetOutputs(Sim, Form);
    if (validate && ValidateParameters(Sim, Form) != 0) return false;
    if (PrepareBlocks(Sim, Form) != 0) return false;
    Steps = 0;
    Sim.Status.CurrentTime = Sim.Run.StartTime;
    InitialEvaluation(Sim, Form);
    return true;
}

void TestSimulation::Step(bool refresh) {
    StepModel(Sim, Form);
    ++Steps;
    Sim.Status.CurrentTime = static_cast<float>(static_cast<double>(Sim.Run.TimeStep) * Steps + Sim.Run.StartTime);
    if (refresh) RefreshAlgebraic(Sim, Form);
}

void TestSimulation::RunTo(double time) {
    const long target = std::lround((time - Sim.Run.StartTime) / Sim.Run.TimeStep);
    while (Steps < target) Step();
}

Strings TestSimulation::Headings(int first, int last) const {
    Strings out;
    for (int c = first; c <= last; ++c) out.insert(out.end(), {Sim.Display.ColumnTitle[c], Sim.Display.ColumnUnits[c]});
    return out;
}

int TestSimulation::Place(int form, int code, int left, int top) {
    BeginNewBlockDrag(State, code, 0, 0);
    return PlaceBlock(Sim, State, form, code, left, top);
}

void TestSimulation::PressOutput(int block, int k) {
    const BlockFunction& f = Sim.Functions[Sheet().Blocks[block].FunctionCode];
    PressOnBlock(Sim, State, 1, block, f.OutputX[k] + 10, f.OutputY[k] + 10, Canvas);
}

void TestSimulation::PressInput(int block, int k) {
    const BlockFunction& f = Sim.Functions[Sheet().Blocks[block].FunctionCode];
    PressOnBlock(Sim, State, 1, block, f.InputX[k] + 10, f.InputY[k] + 10, Canvas);
}

void TestSimulation::ClickBody(int block) {
    PressOnBlock(Sim, State, 1, block, 300, 300, Canvas);
    DropOnBlock(Sim, State, 1, block, 300, 300);
}

bool TestSimulation::Bend(int x, int y) { return AddBendPoint(Sim, State, 1, x, y, Canvas); }

void TestSimulation::Link(int form, int block, float sourceForm, float entry) {
    Sim.Forms[form].Blocks[block].Constant[1] = sourceForm;
    Sim.Forms[form].Blocks[block].Constant[2] = entry;
}

bool TablesFinite(Simulation& sim, int form) {
    const SimulationForm& sheet = sim.Forms[form];
    for (int b = 0; b <= MaxBlocks; ++b) {
        const Block& blk = sheet.Blocks[b];
        for (float v : {blk.Output, blk.SatHigh, blk.SatLow, blk.InitialCondition, blk.SpareSingle}) {
            if (!std::isfinite(v)) return false;
        }
        for (int k = 0; k <= MaxInputs; ++k) {
            if (!std::isfinite(blk.Work[k]) || !std::isfinite(blk.History[k]) || !std::isfinite(blk.Constant[k])) {
                return false;
            }
        }
    }
    return std::all_of(sim.Delays.Cells.begin(), sim.Delays.Cells.end(), [](float v) { return std::isfinite(v); });
}

}  // namespace quorvane
