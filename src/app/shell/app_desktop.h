#pragma once

#include "app/sheets/sheet_desktop.h"
#include "run/result_handoff.h"

namespace quorvane {

class MDIGen;

/// What the model and a run do to the desktop's windows: the main window's caption and menu
/// ticks, the toolbox and run window, the sheets, and the result windows a run hands on to.
/// A window that does not exist yet is simply not shown.
class AppDesktop : public SheetDesktop, public ResultHandOff {
public:
    explicit AppDesktop(MDIGen& main) : Main(main) {}

    // Main window, toolbox and run window.
    void SetMainCaption(const std::string& caption) override;
    void ShowChanged(bool changed) override;
    void RefreshOptions() override;
    void ShowToolWindows() override;
    void ClearRunFigures() override;

    // The sheets of the form slots and the toolbox are the sheet desktop's.

    // Result windows kept by the model.
    void PlaceGraphWindow() override;
    void PlaceTabulationWindow() override;
    void HideResultWindows() override;
    void RefreshGraphSwitches() override;
    void RefreshFrequencySwitches() override;
    void RefreshPrbsSwitches() override;
    void HidePrbsWindow() override;
    void CloseFrequencyWindow() override;
    void HidePrintFormatDialog() override;

    // A run's results, in the order a run hands them on.
    void ShowTabulation(Simulation& sim) override;
    void HideTabulation(Simulation& sim) override;
    void ShowGraph(Simulation& sim, const std::vector<std::string>& series) override;
    void HideGraph(Simulation& sim) override;
    void ShowFrequencyAnalysis(Simulation& sim, const std::vector<std::string>& series) override;
    void HideFrequencyAnalysis(Simulation& sim) override;
    void ShowPrbsAnalysis(Simulation& sim) override;
    void HidePrbsAnalysis(Simulation& sim) override;
    void RedrawSheet(Simulation& sim, int form) override;
    void ShowRunError(Simulation& sim, const RunErrorReport& report) override;
    void ShowRunStatus(const RunWindow& window) override;
    void ShowRunWindow(Simulation& sim) override;

private:
    void ShowCaption();

    MDIGen& Main;
    std::string Caption = "Quorvane";
    bool Unsaved = false;
};

}  // namespace quorvane
