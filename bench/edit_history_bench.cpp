#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "editing/form_slots.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "model/edit_history.h"
#include "support/recording_host.h"

namespace quorvane {
namespace {

/// Three sheets of seventy titled blocks, 104 connections of three lines and ten terminal
/// entries each: the most an edit step can have to look at.
void FillAllSheets(Simulation& sim) {
    for (int f = 1; f <= FormSlots; ++f) {
        SimulationForm& sheet = sim.Forms[f];
        sheet.InUse = 1;
        sheet.BlockCount = MaxBlocks;
        for (int b = 1; b <= MaxBlocks; ++b) {
            Block& block = sheet.Blocks[b];
            block.FunctionCode = 6;
            block.Left = 120 * b;
            block.Top = 240 * f;
            block.Title = "Block title " + std::to_string(b);
            block.Units = "m/s";
            block.Input[1] = b > 1 ? b - 1 : 0;
        }
        for (int c = 1; c < ConnectionLimit; ++c) {
            sheet.Connections[c] = {1, 1 + c % MaxBlocks, 1 + (c + 1) % MaxBlocks, 1, 2, 2 * c - 1};
            sheet.Lines[2 * c - 1] = {c, c, c + 100, c};
            sheet.Lines[2 * c] = {c + 100, c, c + 100, c + 100};
        }
        sheet.NextConnection = ConnectionLimit;
        sheet.NextLine = 2 * ConnectionLimit - 1;
        for (int i = 1; i <= TerminalEntriesSearched; ++i) sheet.Terminals[i] = {i, i};
        sheet.TermCount = TerminalEntriesSearched;
    }
    sim.FormCount = FormSlots;
}

/// A started simulation with all three sheets full.
struct FullSheets {
    FullSheets() {
        StartUp(Sim);
        FillAllSheets(Sim);
    }
    RecordingHost Host;
    NullDesktop Windows;
    Simulation Sim{Host, Windows};
};

// One edit step on full sheets: the tables compared and copied around a change of one block.
// Reports the bytes the history holds per step.
void EditStepOnFullSheets(benchmark::State& state) {
    FullSheets full;
    Simulation& sim = full.Sim;
    EditHistory history(EditHistory::DefaultBudget);
    int n = 0;
    for (auto _ : state) {
        EditStep step(history, sim);
        ++n;
        sim.Forms[1 + n % FormSlots].Blocks[1 + n % MaxBlocks].Constant[1] = static_cast<float>(n);
    }
    state.counters["bytes_per_step"] =
        benchmark::Counter(static_cast<double>(history.Bytes()) / std::max(history.UndoLevels(), 1));
    state.counters["levels"] = history.UndoLevels();
    state.counters["form_bytes"] = static_cast<double>(FormBytes(sim.Forms[1]));
}
BENCHMARK(EditStepOnFullSheets);

// Undo and redo of one step on full sheets.
void UndoRedoOnFullSheets(benchmark::State& state) {
    FullSheets full;
    Simulation& sim = full.Sim;
    {
        EditStep step(sim.History, sim);
        sim.Forms[2].Blocks[5].Title = "Changed";
    }
    for (auto _ : state) {
        sim.History.Undo(sim);
        sim.History.Redo(sim);
    }
}
BENCHMARK(UndoRedoOnFullSheets);

}  // namespace
}  // namespace quorvane
