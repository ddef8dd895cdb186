#include "storage/data_file_sections.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "results/display_buffer.h"
#include "storage/line_reader.h"

namespace quorvane {

namespace {

inline constexpr int MaxPrintDigits = 7;   // the print format dialog stores 0..7 digits
inline constexpr int MaxOutputs = 4;
inline constexpr int SmallestFftExponent = 9;   // target sizes 512 .. 8192
inline constexpr int LargestFftExponent = 13;
// Sheet and window places in twips. Far beyond any screen, and small enough that the sums and
// differences the editing and drawing code forms from them stay well inside an int.
inline constexpr int LargestPlace = 100'000'000;

// A count that sizes a table: "Block count 71 exceeds 70 in line 26".
int ReadCount(LineReader& in, const std::string& what, int low, int high) {
    const int value = in.Integer();
    if (value > high) in.Fail(what + " " + std::to_string(value) + " exceeds " + std::to_string(high));
    if (value < low) in.Fail(what + " " + std::to_string(value) + " below " + std::to_string(low));
    return value;
}

// A number that picks one of a fixed set: "Bad function code 64 in line 40".
int ReadChoice(LineReader& in, const std::string& what, int low, int high) {
    const int value = in.Integer();
    if (value < low || value > high) in.Fail("Bad " + what + " " + std::to_string(value));
    return value;
}

// A block number of the form; 0 ("none") only where `noneAllowed`.
int ReadBlockNumber(LineReader& in, int blockCount, bool noneAllowed) {
    const int value = in.Integer();
    if (value < (noneAllowed ? 0 : 1) || value > blockCount) {
        in.Fail("Block " + std::to_string(value) + " does not exist");
    }
    return value;
}

int ReadCoordinate(LineReader& in) { return ReadChoice(in, "position", -LargestPlace, LargestPlace); }

// A window place that may never have been set.
std::optional<double> ReadWindowPlace(LineReader& in) {
    const std::optional<double> value = in.Number();
    if (value && std::fabs(*value) > LargestPlace) in.Fail("Window place out of range");
    return value;
}

void ReadPrintFormat(LineReader& in, int& mode, int& before, int& after) {
    mode = ReadChoice(in, "print format mode", 0, 1);
    before = ReadChoice(in, "digit count", 0, MaxPrintDigits);
    after = ReadChoice(in, "digit count", 0, MaxPrintDigits);
}

void ReadConnection(LineReader& in, Connection& connection, int blockCount) {
    connection.ToInput = ReadChoice(in, "input number", 1, MaxInputs);
    connection.ToBlock = ReadBlockNumber(in, blockCount, false);
    connection.FromBlock = ReadBlockNumber(in, blockCount, false);
    connection.FromOutput = ReadChoice(in, "output number", 1, MaxOutputs);
    connection.FirstLine = ReadChoice(in, "first line", 1, LineTableLast - 1);
    connection.LineCount = ReadChoice(in, "line count", 1, std::min(MaxSegments, LineTableLast - connection.FirstLine));
}

void ReadPlace(LineReader& in, WindowPlace& place, bool withSize) {
    place.Top = ReadWindowPlace(in);
    place.Left = ReadWindowPlace(in);
    if (!withSize) return;
    place.Width = ReadWindowPlace(in);
    place.Height = ReadWindowPlace(in);
}

}  // namespace

void ReadBlockRecord(LineReader& in, Block& block, int blockCount) {
    in.Marker();
    block.FunctionCode = ReadChoice(in, "function code", 0, FunctionCodeLast - 1);
    block.Left = ReadCoordinate(in);
    block.Top = ReadCoordinate(in);
    for (int k = 1; k <= MaxInputs; ++k) {
        block.Input[k] = ReadBlockNumber(in, blockCount, true);
        block.Work[k] = in.Float();
        block.History[k] = in.Float();
        block.Constant[k] = in.Float();
    }
    block.SatLow = in.Float();
    block.SatHigh = in.Float();
    block.Output = in.Float();
    block.InitialCondition = in.Float();
    block.Title = in.Text();
    block.Units = in.Text();
    block.SpareSingle = in.Float();
}

void ReadConnectionRecords(LineReader& in, SimulationForm& form) {
    in.Marker();
    const int nextConnection = ReadCount(in, "Next connection", 1, ConnectionLimit);
    for (int c = 1; c < nextConnection; ++c) {
        ReadConnection(in, form.Connections[c], form.BlockCount);
        form.NextConnection = c + 1;
    }
    in.Marker();
    const int nextLine = ReadCount(in, "Next line", 1, LineLimit);
    for (int c = 1; c < form.NextConnection; ++c) {
        const Connection& connection = form.Connections[c];
        const int last = connection.FirstLine + connection.LineCount - 1;
        if (last >= nextLine) {
            in.Fail("Connection " + std::to_string(c) + " lines " + std::to_string(connection.FirstLine) + " to " +
                    std::to_string(last) + " outside the line table");
        }
    }
    for (int l = 1; l < nextLine; ++l) {
        ConnectionLine& line = form.Lines[l];
        line.X1 = ReadCoordinate(in);
        line.Y1 = ReadCoordinate(in);
        line.X2 = ReadCoordinate(in);
        line.Y2 = ReadCoordinate(in);
        form.NextLine = l + 1;
    }
}

int ReadHeader(LineReader& in, FileContent& sim) {
    Settings& run = sim.Run;
    in.Text();
    in.Text();
    run.StartTime = in.Float();
    run.StopTime = in.Float();
    run.TimeStep = in.Float();
    run.TimeUnits = in.Text();
    run.PrintInterval = in.Float();
    run.GraphInterval = in.Float();
    ReadPrintFormat(in, run.DataColumnFormatMode, run.DataDigitsBefore, run.DataDigitsAfter);
    ReadPrintFormat(in, run.TimeColumnFormatMode, run.TimeDigitsBefore, run.TimeDigitsAfter);
    for (bool* option : {&run.AnnotateBlocks, &run.ShowOutputs, &run.GraphicalOutput, &run.TabulationOutput,
                         &run.FftEnabled, &run.CorrelationEnabled, &run.ManualTimeStep}) {
        *option = in.Boolean();
    }
    run.SimulationTitle = in.Text();
    const int formSections = ReadCount(in, "Form count", 0, FormSlots);
    sim.RunForm = ReadChoice(in, "run form", 0, FormSlots);
    return formSections;
}

int ReadFormSection(LineReader& in, FileContent& sim, int slot, const std::vector<int>& filled) {
    const int stored = in.Integer();
    const int f = slot > 0 ? slot : stored;
    if (f < 1 || f > FormSlots) in.Fail("Bad form number " + std::to_string(f));
    if (std::find(filled.begin(), filled.end(), f) != filled.end()) {
        in.Fail("Form " + std::to_string(f) + " appears twice");
    }
    SimulationForm& form = sim.Forms[f];
    form.InUse = 1;
    form.RegId = f;
    sim.FormCount = static_cast<int>(filled.size()) + 1;

    form.BlockCount = ReadCount(in, "Block count", 0, MaxBlocks);
    const int regId = in.Integer();
    // The older layout put the n-th section into slot n whatever it was registered as.
    if (slot == 0 && regId != f) in.Fail("Form " + std::to_string(f) + " registered as " + std::to_string(regId));
    form.Title = in.Text();
    in.Marker();
    for (int b = 1; b <= form.BlockCount; ++b) ReadBlockRecord(in, form.Blocks[b], form.BlockCount);
    ReadConnectionRecords(in, form);
    in.Text();
    ReadPlace(in, form.Window, true);
    return f;
}

void ReadResultWindows(LineReader& in, FileContent& sim) {
    ReadPlace(in, sim.GraphWindow, false);
    ReadPlace(in, sim.TabulationWindow, false);
}

void ReadTerminalSection(LineReader& in, FileContent& sim, int f) {
    SimulationForm& form = sim.Forms[f];
    in.Marker();
    const int entries = ReadCount(in, "Terminal count", 0, TerminalTableLast);
    // TermCount counts the used entries; a freed entry below a used one is written as a gap.
    form.TermCount = 0;
    for (int i = 1; i <= entries; ++i) {
        form.Terminals[i].TermBlk = ReadBlockNumber(in, form.BlockCount, true);
        form.Terminals[i].OpBlk = ReadBlockNumber(in, form.BlockCount, true);
        if (form.Terminals[i].TermBlk != 0) ++form.TermCount;
    }
    form.SpareLong = in.Integer();
    form.SpareHigh = in.Float();
    form.SpareLow = in.Float();
    form.SpareLong2 = in.Integer();
    form.SpareSingle = in.Float();
    for (int b = 1; b <= form.BlockCount; ++b) sim.BlockSpareLong[b] = in.Integer();
}

void ReadStatusSection(LineReader& in, FileContent& sim) {
    in.Text();
    sim.PickListShown = in.Integer();
    sim.Run.MathsSymbols = in.Boolean();
    sim.Run.PowerOfTwoTimeStep = in.Boolean();
    sim.Graph.XColumn = ReadChoice(in, "graph X axis column", 0, MaxDisplaySeries);
    sim.Graph.ShowSymbols = in.Integer();
    sim.Fft.ShowSymbols = in.Integer();
    for (bool* option : {&sim.Fft.ShowMagnitude, &sim.Fft.ShowPhase, &sim.Fft.FftFlag, &sim.Fft.LogFrequency,
                         &sim.Fft.DbMagnitude}) {
        *option = in.Boolean();
    }
    sim.Prbs.LogFrequency = in.Boolean();
    sim.Prbs.LogMagnitude = in.Boolean();
    sim.Run.FrequencyInHz = in.Boolean();
    sim.Prbs.ImpulseResponseMode = in.Boolean();
    sim.Prbs.AutomaticDuration = in.Boolean();
    sim.StopExtendFactor = in.Number();

    const int size = in.Integer();
    const int half = in.Integer();
    const int exponent = in.Integer();
    if (exponent < SmallestFftExponent || exponent > LargestFftExponent || size != 1 << exponent || half < 1 ||
        half > size / 2) {
        in.Fail("Bad FFT size " + std::to_string(size) + ", " + std::to_string(half) + ", " + std::to_string(exponent));
    }
    sim.Fft.TargetSize = size;
    sim.Fft.HalfSize = half;
    sim.Fft.TargetExponent = exponent;
    sim.Fft.PrimaryColumn = ReadChoice(in, "primary column", 0, MaxDisplaySeries);
    sim.Fft.ComparisonColumn = ReadChoice(in, "comparison column", 0, MaxDisplaySeries);
    sim.Graph.YManual = in.Integer();
    sim.Graph.YMaximum = in.Float();
    sim.Graph.YMinimum = in.Float();
    sim.Graph.XManual = in.Integer();
    sim.Graph.XMaximum = in.Float();
    sim.Graph.XMinimum = in.Float();
    in.Text();
}

}  // namespace quorvane
