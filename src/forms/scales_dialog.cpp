#include "forms/scales_dialog.h"

#include <tuple>

#include "drawing/plot_axes.h"
#include "drawing/time_graph.h"
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

auto Scales(const GraphSettings& graph) {
    return std::tuple{graph.YManual, graph.YMaximum, graph.YMinimum, graph.YLog,
                      graph.XManual, graph.XMaximum, graph.XMinimum, graph.XLog};
}

ScalesOutcome TakeScales(Simulation& sim, const ScalesDialog& dialog) {
    GraphSettings& graph = sim.Graph;
    if (!TakeLimits(sim, dialog.Text1, dialog.Text2, graph.YMaximum, graph.YMinimum, "Y maximum must exceed Y minimum"))
        return ScalesOutcome::YRefused;
    if (!TakeLimits(sim, dialog.Text3, dialog.Text4, graph.XMaximum, graph.XMinimum, "X maximum must exceed X minimum"))
        return ScalesOutcome::XRefused;
    graph.YManual = dialog.YManual ? 1 : 0;
    graph.XManual = dialog.XManual ? 1 : 0;
    for (const auto& [axis, on, log, refused] : {std::tuple{GraphAxis::Y, dialog.YLog, &graph.YLog, ScalesOutcome::YLogRefused},
                                                 std::tuple{GraphAxis::X, dialog.XLog, &graph.XLog, ScalesOutcome::XLogRefused}}) {
        *log = false;
        const std::string refusal = on ? LogScaleRefusal(sim, axis) : std::string();
        if (!refusal.empty()) {
            sim.Ui.Message(refusal);
            return refused;
        }
        *log = on;
    }
    return ScalesOutcome::Applied;
}

}  // namespace

ScalesDialog LoadScalesDialog(const GraphSettings& graph) {
    return {graph.YManual == 1,        graph.XManual == 1,    Str(graph.YMaximum), Str(graph.YMinimum),
            Str(graph.XMaximum),       Str(graph.XMinimum),   graph.YLog,          graph.XLog};
}

ScalesOutcome ApplyScalesDialog(Simulation& sim, const ScalesDialog& dialog) {
    sim.Status.CurrentActivity = "Setting Manual Graph Scales";
    // What was taken before a refusal stays taken, and counts as a change.
    const auto before = Scales(sim.Graph);
    const ScalesOutcome outcome = TakeScales(sim, dialog);
    sim.History.NoteSettings(before, Scales(sim.Graph));
    return outcome;
}

}  // namespace quorvane
