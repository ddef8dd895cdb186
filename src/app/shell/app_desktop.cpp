#include "app/shell/app_desktop.h"

#include "app/analysis/cplot.h"
#include "app/analysis/fplot.h"
#include "app/controls/child_window.h"
#include "app/results/gplot.h"
#include "app/results/pformat.h"
#include "app/results/tabview.h"
#include "app/shell/form3.h"
#include "app/shell/mdigen.h"
#include "engine/simulation.h"

namespace quorvane {

void AppDesktop::SetMainCaption(const std::string& caption) {
    Caption = caption;
    ShowCaption();
}

void AppDesktop::ShowChanged(bool changed) {
    Unsaved = changed;
    ShowCaption();
}

void AppDesktop::ShowCaption() { Main.setWindowTitle(QString::fromStdString(Unsaved ? Caption + "*" : Caption)); }

void AppDesktop::RefreshOptions() {
    SheetDesktop::RefreshOptions();
    Main.RefreshOptionTicks();
}

void AppDesktop::ShowToolWindows() { Main.ShowToolWindows(); }

void AppDesktop::ClearRunFigures() { Main.RunWindow().ClearFigures(); }

void AppDesktop::PlaceGraphWindow() { Main.PlaceResultWindow(&Main.GraphWindow(), Main.Model().GraphWindow); }

void AppDesktop::PlaceTabulationWindow() {
    Main.PlaceResultWindow(&Main.TabulationWindow(), Main.Model().TabulationWindow);
}

void AppDesktop::HideResultWindows() {
    Main.GraphWindow().HideGraph();
    Main.TabulationWindow().HideTabulation();
}

void AppDesktop::RefreshGraphSwitches() { Main.GraphWindow().RefreshSwitches(); }

void AppDesktop::RefreshFrequencySwitches() { Main.FrequencyWindow().RefreshSwitches(); }
void AppDesktop::RefreshPrbsSwitches() { Main.PrbsWindow().RefreshSwitches(); }
void AppDesktop::HidePrbsWindow() { Main.PrbsWindow().HideAnalysis(); }
void AppDesktop::CloseFrequencyWindow() { Main.FrequencyWindow().Unload(); }

void AppDesktop::HidePrintFormatDialog() {
    Main.PrintFormatWindow().Refresh();
    HideChildWindow(&Main.PrintFormatWindow());
}

void AppDesktop::ShowTabulation(Simulation&) { Main.TabulationWindow().ShowTabulation(); }
void AppDesktop::HideTabulation(Simulation&) { Main.TabulationWindow().HideTabulation(); }
// Every finished run comes by one of these two, so the graph can compare it with the next.
void AppDesktop::ShowGraph(Simulation& sim, const std::vector<std::string>& series) {
    sim.Runs.Keep(sim.Display);
    Main.GraphWindow().ShowGraph(series);
}
void AppDesktop::HideGraph(Simulation& sim) {
    sim.Runs.Keep(sim.Display);
    Main.GraphWindow().HideGraph();
}
void AppDesktop::ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>& series) {
    Main.FrequencyWindow().ShowAnalysis(series);
}
void AppDesktop::HideFrequencyAnalysis(Simulation&) { Main.FrequencyWindow().HideAnalysis(); }
void AppDesktop::ShowPrbsAnalysis(Simulation&) { Main.PrbsWindow().ShowAnalysis(); }
void AppDesktop::HidePrbsAnalysis(Simulation&) { Main.PrbsWindow().HideAnalysis(); }

void AppDesktop::RedrawSheet(Simulation&, int form) { RequestRedraw(form); }

void AppDesktop::ShowRunError(Simulation&, const RunErrorReport& report) { Main.ShowRunError(report); }

void AppDesktop::ShowRunStatus(const RunWindow& window) { Main.RunWindow().ShowRunStatus(window); }

void AppDesktop::ShowRunWindow(Simulation&) { Main.ShowRunWindow(); }

}  // namespace quorvane
