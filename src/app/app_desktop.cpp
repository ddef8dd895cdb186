#include "app/app_desktop.h"

#include "app/form3.h"
#include "app/mdigen.h"

namespace quorvane {

void AppDesktop::SetMainCaption(const std::string& caption) { Main.setWindowTitle(QString::fromStdString(caption)); }

void AppDesktop::RefreshOptions() {
    SheetDesktop::RefreshOptions();
    Main.RefreshOptionTicks();
}

void AppDesktop::ShowToolWindows() { Main.ShowToolWindows(); }

void AppDesktop::ClearRunFigures() { Main.RunWindow().ClearFigures(); }

// The result windows take their places and switches from the model once they exist.
void AppDesktop::PlaceGraphWindow() {}
void AppDesktop::PlaceTabulationWindow() {}
void AppDesktop::HideResultWindows() {}
void AppDesktop::RefreshGraphSwitches() {}
void AppDesktop::RefreshFrequencySwitches() {}
void AppDesktop::RefreshPrbsSwitches() {}
void AppDesktop::HidePrbsWindow() {}
void AppDesktop::CloseFrequencyWindow() {}
void AppDesktop::HidePrintFormatDialog() {}

void AppDesktop::ShowTabulation(Simulation&) {}
void AppDesktop::HideTabulation(Simulation&) {}
void AppDesktop::ShowGraph(Simulation&, const std::vector<std::string>&) {}
void AppDesktop::HideGraph(Simulation&) {}
void AppDesktop::ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>&) {}
void AppDesktop::HideFrequencyAnalysis(Simulation&) {}
void AppDesktop::ShowPrbsAnalysis(Simulation&) {}
void AppDesktop::HidePrbsAnalysis(Simulation&) {}

void AppDesktop::RedrawSheet(Simulation&, int form) { RequestRedraw(form); }

void AppDesktop::ShowRunError(Simulation&, const RunErrorReport& report) { Main.ShowRunError(report); }

}  // namespace quorvane
