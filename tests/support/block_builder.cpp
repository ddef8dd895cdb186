#include "support/block_builder.h"

#include <utility>

#include "engine/simulation.h"
#include "storage/data_file_writer.h"
#include "support/test_simulation.h"

namespace quorvane {

int AddBlock(SimulationForm& form, int code, const std::string& title, const std::vector<float>& constants,
             float initialCondition) {
    const int b = ++form.BlockCount;
    Block& block = form.Blocks[b];
    block.FunctionCode = code;
    block.Title = title;
    block.Left = 120 * b;
    block.Top = 240 * b;
    block.InitialCondition = initialCondition;
    if (code == 1) block.Output = initialCondition;
    int k = 1;
    for (float value : constants) block.Constant[k++] = value;
    return b;
}

int ConnectBlocks(SimulationForm& form, int from, int to, int input, int segments, int output) {
    const int c = form.NextConnection++;
    form.Connections[c] = Connection{input, to, from, output, segments, form.NextLine};
    form.Blocks[to].Input[input] = from;
    // Equal pieces of the straight run from the source's right edge to the target's left edge.
    const Block& source = form.Blocks[from];
    const Block& target = form.Blocks[to];
    const auto point = [&](int s) {
        return std::pair{source.Left + 600 + (target.Left - source.Left - 600) * s / segments,
                         source.Top + 300 + (target.Top - source.Top) * s / segments};
    };
    for (int s = 0; s < segments; ++s) {
        const auto [xa, ya] = point(s);
        const auto [xb, yb] = point(s + 1);
        form.Lines[form.NextLine++] = ConnectionLine{xa, ya, xb, yb};
    }
    return c;
}

int FindBlock(const SimulationForm& form, const std::string& title) {
    for (int b = 1; b <= form.BlockCount; ++b) {
        if (form.Blocks[b].Title == title) return b;
    }
    return 0;
}

void ClaimSlot(Simulation& sim, int f, const std::string& title) {
    SimulationForm& form = sim.Forms[f];
    form.InUse = 1;
    form.RegId = f;
    form.Title = title;
    ++sim.FormCount;
}

namespace {

// Blocks `first` .. `first + count - 1` of form f with FunctionCodes from `code` on, wrapping at 64.
void FillBlocks(SimulationForm& form, int count, int code) {
    form.BlockCount = count;
    for (int b = 1; b <= count; ++b) {
        Block& block = form.Blocks[b];
        block.FunctionCode = (code + b - 1) % 64;
        block.Left = 240 * b;
        block.Top = 120 * (b % 9) + 360;
        block.Title = "Block " + std::to_string(b);
        block.Units = b % 2 == 0 ? "rad/s" : "";
        block.InitialCondition = 0.125f * static_cast<float>(b);
        block.Output = -1.5f * static_cast<float>(b);
        for (int k = 1; k <= MaxInputs; ++k) {
            block.Constant[k] = static_cast<float>(k) / 3.0f + static_cast<float>(b);
            block.Work[k] = 1e-7f * static_cast<float>(k);
            block.History[k] = -2e20f * static_cast<float>(k);
        }
        block.SpareSingle = b % 5 == 0 ? 0.1f : 0.0f;
    }
}

}  // namespace

void SetUnusualSettings(Simulation& sim, const std::string& title) {
    sim.RunForm = 2;
    sim.PickListShown = 1;
    sim.GraphWindow = WindowPlace{1215.0, 60.0, std::nullopt, std::nullopt};
    sim.TabulationWindow = WindowPlace{std::nullopt, 4500.0, std::nullopt, std::nullopt};

    sim.Run = Settings{.SimulationTitle = title, .StartTime = 0.5f, .StopTime = 20.0f, .TimeStep = 0.001f,
                       .TimeUnits = "ms", .PrintInterval = 0.25f, .GraphInterval = 0.05f,
                       .DataColumnFormatMode = 1, .DataDigitsBefore = 3, .DataDigitsAfter = 4,
                       .TimeColumnFormatMode = 1, .TimeDigitsBefore = 2, .TimeDigitsAfter = 7,
                       .GraphicalOutput = false, .TabulationOutput = false, .AnnotateBlocks = true,
                       .ShowOutputs = true, .FftEnabled = true, .CorrelationEnabled = true, .ManualTimeStep = true,
                       .MathsSymbols = true, .FrequencyInHz = false, .PowerOfTwoTimeStep = false};
    sim.Graph = GraphSettings{.XColumn = 2, .ShowSymbols = 1, .YManual = 1, .XManual = 1, .YMaximum = 12.5f,
                              .YMinimum = -3.0f, .XMaximum = 8.0f, .XMinimum = 1e-06f};
    sim.Fft = FftState{.TargetSize = 4096, .TargetExponent = 12, .HalfSize = 2048, .PrimaryColumn = 3,
                       .ComparisonColumn = 2, .ShowMagnitude = false, .ShowPhase = true, .FftFlag = true,
                       .LogFrequency = true, .DbMagnitude = true, .ShowSymbols = 1};
    sim.Prbs.LogFrequency = sim.Prbs.LogMagnitude = true;
    sim.Prbs.ImpulseResponseMode = sim.Prbs.AutomaticDuration = false;
    sim.Status.StopExtendFactor = 1.05;
}

void BuildRichModel(Simulation& sim) {
    ClaimSlot(sim, 1, "Plant and controller");
    ClaimSlot(sim, 2, "Unnamed Form  2");
    ClaimSlot(sim, 3, "Seventy blocks");
    FillBlocks(sim.Forms[1], 32, 0);
    FillBlocks(sim.Forms[2], 32, 32);
    FillBlocks(sim.Forms[3], MaxBlocks, 5);

    SimulationForm& one = sim.Forms[1];
    ConnectBlocks(one, 1, 3, 1, 1);
    ConnectBlocks(one, 2, 3, 2, 3);
    ConnectBlocks(one, 3, 7, 1, MaxSegments);
    one.Blocks[9].SatHigh = 5.0f;
    one.Blocks[9].SatLow = -5.0f;
    one.Blocks[10].SatHigh = 250.0f;
    one.Window = WindowPlace{0.0, 120.0, 9000.0, 6135.0};
    // Output Terminal blocks in entries 2 and 3; entry 1 was freed when its block went.
    one.Blocks[19].FunctionCode = 50;
    one.Blocks[20].FunctionCode = 51;
    one.Terminals[2] = TerminalEntry{19, 19};
    one.Terminals[3] = TerminalEntry{20, 20};
    one.TermCount = 2;
    one.SpareLong = 7;
    one.SpareSingle = 2.5f;

    SimulationForm& two = sim.Forms[2];
    ConnectBlocks(two, 1, 2, 1, 2);
    two.Blocks[17].FunctionCode = 48;   // Input Terminal naming form 1, entry 2
    two.Blocks[17].Constant[1] = 1;
    two.Blocks[17].Constant[2] = 2;
    two.Blocks[17].Constant[3] = 19;
    two.Terminals[1] = TerminalEntry{17, 0};
    two.TermCount = 1;
    two.SpareHigh = 3.0f;
    two.SpareLow = -3.0f;
    two.SpareLong2 = -4;
    two.Window = WindowPlace{300.0, std::nullopt, 4800.0, 3600.0};

    SimulationForm& three = sim.Forms[3];
    ConnectBlocks(three, 70, 1, 3, 4);
    three.Window = WindowPlace{1e-06, -240.0, 12345.5, 2.0};

    for (int b = 1; b <= MaxBlocks; ++b) sim.BlockSpareLong[b] = b * 1000003;
    SetUnusualSettings(sim, "Rich model");
}

std::string MediumFileText() {
    TestSimulation t;
    BuildSmallModel(t.Sim);
    SimulationForm& third = t.Sim.Forms[3];
    third = t.Sim.Forms[1];
    third.RegId = 3;
    third.Blocks[2].FunctionCode = 50;
    third.Terminals[1] = TerminalEntry{2, 2};
    third.TermCount = 1;
    t.Sim.BlockSpareLong[2] = 9;
    t.Sim.FormCount = 2;
    return SimulationText(t.Sim, "medium.vqe").value();
}

void BuildSmallModel(Simulation& sim) {
    sim.Run.SimulationTitle = "Step test";
    ClaimSlot(sim, 1, "Step test");
    SimulationForm& form = sim.Forms[1];
    form.BlockCount = 2;
    form.Blocks[1] = Block{.FunctionCode = 1, .Left = 1200, .Top = 960, .Output = 2.5f, .InitialCondition = 2.5f,
                           .Title = "Constant", .Units = "V"};
    form.Blocks[2] = Block{.FunctionCode = 6, .Left = 3000, .Top = 960, .Title = "Gain", .Units = ""};
    form.Blocks[2].Constant[1] = 4.0f;
    ConnectBlocks(form, 1, 2, 1, 1);
    form.Lines[1] = ConnectionLine{1700, 1080, 3000, 1080};
    form.Window = WindowPlace{0.0, 0.0, 9000.0, 6000.0};
    sim.TabulationWindow = WindowPlace{1215.0, 300.0, std::nullopt, std::nullopt};
}

}  // namespace quorvane
