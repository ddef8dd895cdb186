#include "forms/scales_dialog.h"

#include "drawing/plot_axes.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

/// Compared as they are kept: typed limits beyond the float range are held at its ends.
bool TakeLimits(Simulation& sim, const std::string& maxText, const std::string& minText, float& max, float& min,
                const char* refusal) {
    const float typedMax = SettingValue(Val(maxText));
    const float typedMin = SettingValue(Val(minText));
    if (!(typedMin < typedMax)) {
        sim.Ui.Message(refusal);
        return false;
    }
    max = typedMax;
    min = typedMin;
    return true;
}

}  // namespace

ScalesDialog LoadScalesDialog(const GraphSettings& graph) {
    return {graph.YManual == 1, graph.XManual == 1, Str(graph.YMaximum), Str(graph.YMinimum),
            Str(graph.XMaximum), Str(graph.XMinimum)};
}

ScalesOutcome ApplyScalesDialog(Simulation& sim, const ScalesDialog& dialog) {
    sim.Status.CurrentActivity = "Setting Manual Graph Scales";
    GraphSettings& graph = sim.Graph;
    if (!TakeLimits(sim, dialog.Text1, dialog.Text2, graph.YMaximum, graph.YMinimum, "Y maximum must exceed Y minimum"))
        return ScalesOutcome::YRefused;
    if (!TakeLimits(sim, dialog.Text3, dialog.Text4, graph.XMaximum, graph.XMinimum, "X maximum must exceed X minimum"))
        return ScalesOutcome::XRefused;
    graph.YManual = dialog.YManual ? 1 : 0;
    graph.XManual = dialog.XManual ? 1 : 0;
    return ScalesOutcome::Applied;
}

}  // namespace quorvane
