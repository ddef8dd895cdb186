#include "editing/start_up.h"

#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "model/terminal_links.h"

namespace quorvane {

void StartUp(Simulation& sim) {
    ClearModel(sim);
    BuildCatalogue(sim.Functions);
    ResetSettings(sim);
    InitFormSlots(sim);
    const int first = AllocateForm(sim);
    sim.CurrentForm = 0;
    sim.Forms[first].RunSelected = 1;
    ClearTerminalTables(sim);
    sim.Run.SimulationTitle = "Unnamed Simulation";
    sim.Run.MathsSymbols = false;
    // Allocating the first sheet is where editing starts, not an edit to take back.
    sim.History.Clear();
}

}  // namespace quorvane
