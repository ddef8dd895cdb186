#include "forms/data_display.h"

#include "drawing/plot_axes.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

DataDisplayDialog LoadDataDisplay(const Settings& settings) {
    return {NumberText(settings.PrintInterval), NumberText(settings.GraphInterval), settings.TimeUnits,
            settings.TimeUnits};
}

DataDisplayOutcome ApplyDataDisplay(Simulation& sim, const DataDisplayDialog& dialog) {
    // Checked as stored: a positive value below the float range would otherwise be kept as a
    // zero interval, which the run divides by.
    const float print = SettingValue(Val(dialog.Text1));
    const float graph = SettingValue(Val(dialog.Text5));
    if (!(print > 0)) {
        sim.Ui.Message("Print data Interval must be greater than zero");
        return DataDisplayOutcome::PrintRefused;
    }
    if (!(graph > 0)) {
        sim.Ui.Message("Graph data Interval must be greater than zero");
        return DataDisplayOutcome::GraphRefused;
    }
    const Settings before = sim.Run;
    sim.Run.PrintInterval = print;
    sim.Run.GraphInterval = graph;
    sim.History.NoteSettings(before, sim.Run);
    return DataDisplayOutcome::Applied;
}

}  // namespace quorvane
