#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct RunErrorReport;
struct RunWindow;
struct Simulation;

/// Where a run hands its results: the desktop program shows its windows, the headless runner
/// writes files. Called in the order of a run: tabulation, graph, frequency analysis,
/// correlation, sheet redraw. An exception thrown here ends the hand-off with the
/// "Error encountered during ..." message of the phase.
class ResultHandOff {
public:
    virtual ~ResultHandOff() = default;

    /// The tabulation window (the print dump has been written) shown or brought forward.
    virtual void ShowTabulation(Simulation& sim) = 0;
    virtual void HideTabulation(Simulation& sim) = 0;

    /// The time graph drawn with this series list ("Time" then the display series titles),
    /// its selection on "Time"; the graph key hidden.
    virtual void ShowGraph(Simulation& sim, const std::vector<std::string>& series) = 0;
    virtual void HideGraph(Simulation& sim) = 0;

    /// The frequency analysis window opened with both series lists filled ("Time", the display
    /// series titles, "Unallocated") / hidden again after a run that did not ask for it.
    virtual void ShowFrequencyAnalysis(Simulation& sim, const std::vector<std::string>& series) = 0;
    virtual void HideFrequencyAnalysis(Simulation& sim) = 0;

    /// The PRBS analysis window shown with the correlation just computed / hidden.
    virtual void ShowPrbsAnalysis(Simulation& sim) = 0;
    virtual void HidePrbsAnalysis(Simulation& sim) = 0;

    /// The sheet of `form` redrawn from the model (annotations show the new outputs).
    virtual void RedrawSheet(Simulation& sim, int form) = 0;

    /// The run error window, placed at the failing block's image.
    virtual void ShowRunError(Simulation& sim, const RunErrorReport& report) = 0;

    /// The lamp or the CPU time changed while the run goes: shown at once, painted only (no
    /// user input may reach the windows during a run). Nothing to show by default.
    virtual void ShowRunStatus(const RunWindow& /*window*/) {}

    /// The results are handed on: the run window shown again and made the active window.
    virtual void ShowRunWindow(Simulation& /*sim*/) {}
};

}  // namespace quorvane
