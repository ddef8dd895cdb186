#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "storage_fixture.h"

namespace quorvane::testing {

void RecordingDesktop::ShowSheet(int form, const std::string& caption) {
    Calls.push_back("ShowSheet " + std::to_string(form) + " " + caption);
}

void RecordingDesktop::PlaceSheet(int form) { Calls.push_back("PlaceSheet " + std::to_string(form)); }

void RecordingDesktop::ActivateSheet(int form) { Calls.push_back("ActivateSheet " + std::to_string(form)); }

TempFolder::TempFolder() {
    std::random_device seed;
    Path = std::filesystem::temp_directory_path() / ("quorvane-storage-" + std::to_string(seed()));
    std::filesystem::create_directories(Path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(Path, ignored);
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

namespace {

void Allocate(Simulation& sim, int f, const std::string& title) {
    SimulationForm& form = sim.Forms[f];
    form.InUse = 1;
    form.RegId = f;
    form.Title = title;
    ++sim.FormCount;
}

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

// A connection from block `from` to input k of block `to`, drawn with `segments` lines.
void Connect(SimulationForm& form, int from, int to, int input, int segments) {
    const int c = form.NextConnection++;
    form.Connections[c] = Connection{input, to, from, 1, segments, form.NextLine};
    form.Blocks[to].Input[input] = from;
    for (int s = 0; s < segments; ++s) {
        form.Lines[form.NextLine++] = ConnectionLine{100 * s, 50 * c, 100 * s + 100, 50 * c + (s % 2) * 60};
    }
}

}  // namespace

void BuildRichModel(Simulation& sim) {
    Allocate(sim, 1, "Plant and controller");
    Allocate(sim, 2, "Unnamed Form  2");
    Allocate(sim, 3, "Seventy blocks");
    FillBlocks(sim.Forms[1], 32, 0);
    FillBlocks(sim.Forms[2], 32, 32);
    FillBlocks(sim.Forms[3], MaxBlocks, 5);

    SimulationForm& one = sim.Forms[1];
    Connect(one, 1, 3, 1, 1);
    Connect(one, 2, 3, 2, 3);
    Connect(one, 3, 7, 1, MaxSegments);
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
    Connect(two, 1, 2, 1, 2);
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
    Connect(three, 70, 1, 3, 4);
    three.Window = WindowPlace{1e-06, -240.0, 12345.5, 2.0};

    for (int b = 1; b <= MaxBlocks; ++b) sim.BlockSpareLong[b] = b * 1000003;
    sim.RunForm = 2;
    sim.PickListShown = 1;
    sim.GraphWindow = WindowPlace{1215.0, 60.0, std::nullopt, std::nullopt};
    sim.TabulationWindow = WindowPlace{std::nullopt, 4500.0, std::nullopt, std::nullopt};

    Settings& run = sim.Run;
    run.SimulationTitle = "Rich model";
    run.StartTime = 0.5f;
    run.StopTime = 20.0f;
    run.TimeStep = 0.001f;
    run.TimeUnits = "ms";
    run.PrintInterval = 0.25f;
    run.GraphInterval = 0.05f;
    run.DataColumnFormatMode = 1;
    run.DataDigitsBefore = 3;
    run.DataDigitsAfter = 4;
    run.TimeColumnFormatMode = 1;
    run.TimeDigitsBefore = 2;
    run.TimeDigitsAfter = 7;
    run.AnnotateBlocks = true;
    run.ShowOutputs = true;
    run.GraphicalOutput = false;
    run.TabulationOutput = false;
    run.FftEnabled = true;
    run.CorrelationEnabled = true;
    run.ManualTimeStep = true;
    run.MathsSymbols = true;
    run.PowerOfTwoTimeStep = false;
    run.FrequencyInHz = false;

    sim.Graph.XColumn = 2;
    sim.Graph.ShowSymbols = 1;
    sim.Graph.YManual = 1;
    sim.Graph.YMaximum = 12.5f;
    sim.Graph.YMinimum = -3.0f;
    sim.Graph.XManual = 1;
    sim.Graph.XMaximum = 8.0f;
    sim.Graph.XMinimum = 1e-06f;
    sim.Fft.ShowSymbols = 1;
    sim.Fft.ShowMagnitude = false;
    sim.Fft.ShowPhase = true;
    sim.Fft.FftFlag = true;
    sim.Fft.LogFrequency = true;
    sim.Fft.DbMagnitude = true;
    sim.Fft.TargetSize = 4096;
    sim.Fft.HalfSize = 1024;
    sim.Fft.TargetExponent = 12;
    sim.Fft.PrimaryColumn = 3;
    sim.Fft.ComparisonColumn = 2;
    sim.Prbs.LogFrequency = true;
    sim.Prbs.LogMagnitude = true;
    sim.Prbs.ImpulseResponseMode = false;
    sim.Prbs.AutomaticDuration = false;
    sim.Status.StopExtendFactor = 1.05;
}

void BuildSmallModel(Simulation& sim) {
    sim.Run.SimulationTitle = "Step test";
    Allocate(sim, 1, "Step test");
    SimulationForm& form = sim.Forms[1];
    form.BlockCount = 2;
    Block& constant = form.Blocks[1];
    constant.FunctionCode = 1;
    constant.Left = 1200;
    constant.Top = 960;
    constant.Output = 2.5f;
    constant.InitialCondition = 2.5f;
    constant.Title = "Constant";
    constant.Units = "V";
    Block& gain = form.Blocks[2];
    gain.FunctionCode = 6;
    gain.Left = 3000;
    gain.Top = 960;
    gain.Constant[1] = 4.0f;
    gain.Title = "Gain";
    Connect(form, 1, 2, 1, 1);
    form.Lines[1] = ConnectionLine{1700, 1080, 3000, 1080};
    form.Window = WindowPlace{0.0, 0.0, 9000.0, 6000.0};
    sim.TabulationWindow = WindowPlace{1215.0, 300.0, std::nullopt, std::nullopt};
}

void ExpectSameModel(const Simulation& expected, const Simulation& actual) {
    EXPECT_EQ(expected.FormCount, actual.FormCount);
    EXPECT_EQ(expected.RunForm, actual.RunForm);
    EXPECT_EQ(expected.PickListShown, actual.PickListShown);
    EXPECT_EQ(expected.GraphWindow, actual.GraphWindow);
    EXPECT_EQ(expected.TabulationWindow, actual.TabulationWindow);
    for (int f = 1; f <= FormSlots; ++f) {
        SCOPED_TRACE("form " + std::to_string(f));
        const SimulationForm& a = expected.Forms[f];
        const SimulationForm& b = actual.Forms[f];
        EXPECT_EQ(a.InUse, b.InUse);
        if (a.InUse == 0) continue;
        EXPECT_EQ(a.RegId, b.RegId);
        EXPECT_EQ(a.Title, b.Title);
        EXPECT_EQ(a.BlockCount, b.BlockCount);
        EXPECT_EQ(a.NextConnection, b.NextConnection);
        EXPECT_EQ(a.NextLine, b.NextLine);
        EXPECT_EQ(a.TermCount, b.TermCount);
        EXPECT_EQ(a.SpareLong, b.SpareLong);
        EXPECT_EQ(a.SpareHigh, b.SpareHigh);
        EXPECT_EQ(a.SpareLow, b.SpareLow);
        EXPECT_EQ(a.SpareLong2, b.SpareLong2);
        EXPECT_EQ(a.SpareSingle, b.SpareSingle);
        EXPECT_EQ(a.Window, b.Window);
        for (int i = 1; i <= MaxBlocks; ++i) EXPECT_EQ(a.Blocks[i], b.Blocks[i]) << "block " << i;
        for (int c = 1; c < a.NextConnection; ++c) EXPECT_EQ(a.Connections[c], b.Connections[c]) << "connection " << c;
        for (int l = 1; l < a.NextLine; ++l) EXPECT_EQ(a.Lines[l], b.Lines[l]) << "line " << l;
        EXPECT_EQ(a.Terminals, b.Terminals);
        for (int i = 1; i <= a.BlockCount; ++i) EXPECT_EQ(expected.BlockSpareLong[i], actual.BlockSpareLong[i]);
    }
    const Settings& r = expected.Run;
    const Settings& s = actual.Run;
    EXPECT_EQ(r.StartTime, s.StartTime);
    EXPECT_EQ(r.StopTime, s.StopTime);
    EXPECT_EQ(r.TimeStep, s.TimeStep);
    EXPECT_EQ(r.TimeUnits, s.TimeUnits);
    EXPECT_EQ(r.PrintInterval, s.PrintInterval);
    EXPECT_EQ(r.GraphInterval, s.GraphInterval);
    EXPECT_EQ((std::vector<int>{r.DataColumnFormatMode, r.DataDigitsBefore, r.DataDigitsAfter, r.TimeColumnFormatMode,
                                r.TimeDigitsBefore, r.TimeDigitsAfter}),
              (std::vector<int>{s.DataColumnFormatMode, s.DataDigitsBefore, s.DataDigitsAfter, s.TimeColumnFormatMode,
                                s.TimeDigitsBefore, s.TimeDigitsAfter}));
    EXPECT_EQ((std::vector<bool>{r.AnnotateBlocks, r.ShowOutputs, r.GraphicalOutput, r.TabulationOutput, r.FftEnabled,
                                 r.CorrelationEnabled, r.ManualTimeStep, r.MathsSymbols, r.PowerOfTwoTimeStep,
                                 r.FrequencyInHz}),
              (std::vector<bool>{s.AnnotateBlocks, s.ShowOutputs, s.GraphicalOutput, s.TabulationOutput, s.FftEnabled,
                                 s.CorrelationEnabled, s.ManualTimeStep, s.MathsSymbols, s.PowerOfTwoTimeStep,
                                 s.FrequencyInHz}));
    const GraphSettings& g = expected.Graph;
    const GraphSettings& h = actual.Graph;
    EXPECT_EQ((std::vector<float>{float(g.XColumn), float(g.ShowSymbols), float(g.YManual), g.YMaximum, g.YMinimum,
                                  float(g.XManual), g.XMaximum, g.XMinimum}),
              (std::vector<float>{float(h.XColumn), float(h.ShowSymbols), float(h.YManual), h.YMaximum, h.YMinimum,
                                  float(h.XManual), h.XMaximum, h.XMinimum}));
    const FftState& p = expected.Fft;
    const FftState& q = actual.Fft;
    EXPECT_EQ((std::vector<int>{p.ShowSymbols, p.ShowMagnitude, p.ShowPhase, p.FftFlag, p.LogFrequency, p.DbMagnitude,
                                p.TargetSize, p.HalfSize, p.TargetExponent, p.PrimaryColumn, p.ComparisonColumn}),
              (std::vector<int>{q.ShowSymbols, q.ShowMagnitude, q.ShowPhase, q.FftFlag, q.LogFrequency, q.DbMagnitude,
                                q.TargetSize, q.HalfSize, q.TargetExponent, q.PrimaryColumn, q.ComparisonColumn}));
    EXPECT_EQ((std::vector<bool>{expected.Prbs.LogFrequency, expected.Prbs.LogMagnitude,
                                 expected.Prbs.ImpulseResponseMode, expected.Prbs.AutomaticDuration}),
              (std::vector<bool>{actual.Prbs.LogFrequency, actual.Prbs.LogMagnitude, actual.Prbs.ImpulseResponseMode,
                                 actual.Prbs.AutomaticDuration}));
    EXPECT_EQ(expected.Status.StopExtendFactor, actual.Status.StopExtendFactor);
}

}  // namespace quorvane::testing
