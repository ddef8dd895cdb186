#pragma once

#include "engine/run_state.h"
#include "engine/step_plan.h"
#include "model/catalogue.h"
#include "model/desktop.h"
#include "model/edit_history.h"
#include "model/model.h"
#include "platform/host.h"
#include "results/display_buffer.h"
#include "results/fft_state.h"
#include "results/graph_settings.h"
#include "results/prbs_state.h"
#include "results/run_history.h"
#include "results/print_dump_state.h"

namespace quorvane {

/// The one owner of everything a model and its runs hold: the model tables (inherited, so
/// `sim.Forms[f].Blocks[b]` reads as the tables do), the catalogue, the run and analysis state,
/// and the host and desktop it reports through. The program makes one; tests make many.
struct Simulation : Model {
    Simulation(Host& ui, Desktop& windows) : Ui(ui), Windows(windows) {
        History.Listen([this](bool changed) { Windows.ShowChanged(changed); });
    }
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    Host& Ui;
    Desktop& Windows;

    Catalogue Functions;
    ExecutionList Order;
    StepPlan Plan;
    DelayLines Delays;
    RunState Status;
    DisplayBuffer Display;
    FftState Fft;
    PrbsData Prbs;
    GraphSettings Graph;
    PrintDumpState Dump;
    /// The finished runs the graph overlays; never saved, forgotten with the model.
    RunHistory Runs;
    /// Undo and redo of the edits since the last new simulation or load.
    EditHistory History;
};

/// Puts the simulation-wide values and the display settings back to their defaults.
void ResetSettings(Simulation& sim);

}  // namespace quorvane
