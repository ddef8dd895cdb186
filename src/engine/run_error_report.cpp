#include "engine/run_error_report.h"

#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr float LargestDrawableYRange = 1e9f;

}  // namespace

RunErrorReport MakeRunErrorReport(const Simulation& sim, int form, int block, const std::string& description) {
    RunErrorReport report;
    report.TimeReached = NumberText(sim.Status.CurrentTime);
    report.TimeUnits = sim.Run.TimeUnits;
    report.Error = description;
    report.Form = form;
    if (form >= 1 && form <= FormSlots && block >= 1 && block <= sim.Forms[form].BlockCount) {
        const Block& b = sim.Forms[form].Blocks[block];
        report.Block = block;
        report.BlockTitle = b.Title;
        if (b.FunctionCode >= 0 && b.FunctionCode <= FunctionCodeLast) report.Function = sim.Functions[b.FunctionCode].Formula;
    }
    return report;
}

std::string HandOffErrorText(const Simulation& sim, const std::string& description) {
    const std::string& activity = sim.Status.CurrentActivity;
    if (activity == "Graphical Display" && sim.Graph.YRange > LargestDrawableYRange)
        return "Graphical Display Error -Y range: " + NumberText(sim.Graph.YRange) + "  too large";
    return "Error encountered during " + activity + " - " + description;
}

}  // namespace quorvane
