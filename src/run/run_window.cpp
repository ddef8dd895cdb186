#include "run/run_window.h"

#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

/// The boxes that show a run setting as number text and store it back as typed.
struct NumberBox {
    std::string RunWindow::*Box;
    float Settings::*Setting;
};
constexpr NumberBox NumberBoxes[] = {
    {&RunWindow::Text1, &Settings::StartTime},
    {&RunWindow::Text2, &Settings::StopTime},
    {&RunWindow::Text7, &Settings::GraphInterval},
    {&RunWindow::Text8, &Settings::PrintInterval},
};

/// The options, each one run setting.
struct Option {
    bool RunWindow::*Box;
    bool Settings::*Setting;
};
constexpr Option Options[] = {
    {&RunWindow::Check1, &Settings::ManualTimeStep},   {&RunWindow::Check2, &Settings::TabulationOutput},
    {&RunWindow::Check3, &Settings::GraphicalOutput},  {&RunWindow::Check4, &Settings::FftEnabled},
    {&RunWindow::Check5, &Settings::CorrelationEnabled}, {&RunWindow::Check6, &Settings::AnnotateBlocks},
    {&RunWindow::Check7, &Settings::ShowOutputs},
};

void RefreshUnitCaptions(const Settings& run, RunWindow& window) {
    window.Label5 = run.TimeUnits;
    window.Label8 = run.TimeUnits;
    window.Label13 = "(" + run.TimeUnits + ")";
}

}  // namespace

void RefreshRunWindow(const Simulation& sim, RunWindow& window) {
    const Settings& run = sim.Run;
    for (const NumberBox& box : NumberBoxes) window.*box.Box = NumberText(run.*box.Setting);
    window.Text3 = NumberText(run.TimeStep);
    window.Text5 = run.TimeUnits;
    for (const Option& option : Options) window.*option.Box = run.*option.Setting;
    RefreshUnitCaptions(run, window);
}

void ClearRunFigures(RunWindow& window) {
    const RunWindow unrun;
    window.Text4.assign(1, ' ');
    window.Text6.assign(1, ' ');
    window.Label14 = unrun.Label14;
    window.Text4Colour = unrun.Text4Colour;
    window.Lamp = unrun.Lamp;
}

void StoreRunWindow(Simulation& sim, RunWindow& window) {
    Settings& run = sim.Run;
    for (const NumberBox& box : NumberBoxes) run.*box.Setting = SingleFromText(window.*box.Box);
    run.TimeUnits = window.Text5;
    for (const Option& option : Options) run.*option.Setting = window.*option.Box;
    RefreshUnitCaptions(run, window);
}

void EditRunWindow(Simulation& sim, RunWindow& window) {
    const Settings before = sim.Run;
    StoreRunWindow(sim, window);
    sim.History.NoteSettings(before, sim.Run);
}

}  // namespace quorvane
