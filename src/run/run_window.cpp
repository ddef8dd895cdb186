#include "run/run_window.h"

#include "engine/simulation.h"
#include "platform/text.h"
#include "results/recording.h"

namespace quorvane {

namespace {

void RefreshUnitCaptions(const Settings& run, RunWindow& window) {
    window.Label5 = run.TimeUnits;
    window.Label8 = run.TimeUnits;
    window.Label13 = "(" + run.TimeUnits + ")";
}

}  // namespace

void RefreshRunWindow(const Simulation& sim, RunWindow& window) {
    const Settings& run = sim.Run;
    window.Text1 = NumberText(run.StartTime);
    window.Text2 = NumberText(run.StopTime);
    window.Text3 = NumberText(run.TimeStep);
    window.Text5 = run.TimeUnits;
    window.Text7 = NumberText(run.GraphInterval);
    window.Text8 = NumberText(run.PrintInterval);
    window.Check1 = run.ManualTimeStep;
    window.Check2 = run.TabulationOutput;
    window.Check3 = run.GraphicalOutput;
    window.Check4 = run.FftEnabled;
    window.Check5 = run.CorrelationEnabled;
    window.Check6 = run.AnnotateBlocks;
    window.Check7 = run.ShowOutputs;
    RefreshUnitCaptions(run, window);
}

void StoreRunWindow(Simulation& sim, RunWindow& window) {
    Settings& run = sim.Run;
    run.StartTime = SingleFromText(window.Text1);
    run.StopTime = SingleFromText(window.Text2);
    run.TimeUnits = window.Text5;
    run.GraphInterval = SingleFromText(window.Text7);
    run.PrintInterval = SingleFromText(window.Text8);
    run.ManualTimeStep = window.Check1;
    run.TabulationOutput = window.Check2;
    run.GraphicalOutput = window.Check3;
    run.FftEnabled = window.Check4;
    run.CorrelationEnabled = window.Check5;
    run.AnnotateBlocks = window.Check6;
    run.ShowOutputs = window.Check7;
    RefreshUnitCaptions(run, window);
}

}  // namespace quorvane
