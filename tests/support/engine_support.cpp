#include "support/engine_support.h"

#include <algorithm>
#include <cmath>

#include "engine/ordering.h"
#include "engine/preparation.h"
#include "engine/stepping.h"
#include "model/catalogue.h"

namespace quorvane {

EngineModel::EngineModel() {
    BuildCatalogue(Sim.Functions);
    SimulationForm& sheet = Sim.Forms[Form];
    sheet.RegId = Form;
    sheet.InUse = 1;
    sheet.RunSelected = 1;
    sheet.Title = "Engine test";
    Sim.FormCount = 1;
    Sim.CurrentForm = Form;
}

int EngineModel::Add(int code, const std::string& title, const std::vector<float>& constants,
                     float initialCondition) {
    SimulationForm& sheet = Sim.Forms[Form];
    const int b = ++sheet.BlockCount;
    Block& blk = sheet.Blocks[b];
    blk.FunctionCode = code;
    blk.Title = title;
    blk.Left = 120 * b;
    blk.Top = 240 * b;
    blk.InitialCondition = initialCondition;
    if (code == 1) {
        blk.Output = initialCondition;   // as the properties dialog stores a constant's value
    }
    int k = 1;
    for (float value : constants) {
        blk.Constant[k++] = value;
    }
    return b;
}

void EngineModel::Connect(const std::string& from, const std::string& to, int input) {
    SimulationForm& sheet = Sim.Forms[Form];
    const int source = Find(from);
    const int target = Find(to);
    sheet.Blocks[target].Input[input] = source;
    Connection& link = sheet.Connections[sheet.NextConnection++];
    link = {input, target, source, 1, 1, sheet.NextLine};
    sheet.Lines[sheet.NextLine++] = {sheet.Blocks[source].Left + 600, sheet.Blocks[source].Top + 300,
                                     sheet.Blocks[target].Left, sheet.Blocks[target].Top + 300};
}

void EngineModel::Connect(std::initializer_list<Link> links) {
    for (const Link& link : links) {
        Connect(link.From, link.To, link.Input);
    }
}

int EngineModel::Find(const std::string& title) const {
    const SimulationForm& sheet = Sim.Forms[Form];
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (sheet.Blocks[b].Title == title) {
            return b;
        }
    }
    return 0;
}

Block& EngineModel::At(const std::string& title) {
    return Sim.Forms[Form].Blocks[Find(title)];
}

bool EngineModel::Start(double timeStep, double startTime, double stopTime, bool validate) {
    Sim.Run.TimeStep = static_cast<float>(timeStep);
    Sim.Run.StartTime = static_cast<float>(startTime);
    Sim.Run.StopTime = static_cast<float>(stopTime);
    BuildExecutionOrder(Sim, Form);
    ResetOutputs(Sim, Form);
    if (validate && ValidateParameters(Sim, Form) != 0) {
        return false;
    }
    if (PrepareBlocks(Sim, Form) != 0) {
        return false;
    }
    Steps = 0;
    Sim.Status.CurrentTime = Sim.Run.StartTime;
    InitialEvaluation(Sim, Form);
    return true;
}

void EngineModel::Step(bool refresh) {
    StepModel(Sim, Form);
    ++Steps;
    Sim.Status.CurrentTime =
        static_cast<float>(static_cast<double>(Sim.Run.TimeStep) * Steps + Sim.Run.StartTime);
    if (refresh) {
        RefreshAlgebraic(Sim, Form);
    }
}

void EngineModel::RunTo(double time) {
    const long target = std::lround((time - Sim.Run.StartTime) / Sim.Run.TimeStep);
    while (Steps < target) {
        Step();
    }
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
