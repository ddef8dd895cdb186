#include "storage/file_title.h"

#include "engine/simulation.h"
#include "platform/text.h"
#include "storage/paths.h"

namespace quorvane {

std::string MainCaption(const CalendarDate& today, const std::string& simulationTitle) {
    return "Quorvane  " + FormatDate(today, "dd mmmm yyyy") + "       " + simulationTitle;
}

void TakeTitleFromPath(Simulation& sim, const std::string& path) {
    sim.Run.SimulationTitle = Unpack(path, DefaultExtension).Name;
    sim.Windows.SetMainCaption(MainCaption(sim.Ui.Today(), sim.Run.SimulationTitle));
}

}  // namespace quorvane
