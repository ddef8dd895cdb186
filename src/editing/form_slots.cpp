#include "editing/form_slots.h"

#include "engine/simulation.h"
#include "model/form_queries.h"
#include "model/terminal_links.h"
#include "platform/text.h"

namespace quorvane {

namespace {

void ClearLinkingState(Model& model) {
    model.PendingLineCount = 0;
    model.SelectedInput = 0;
    model.SelectedOutput = 0;
}

void ClearBlockPlaces(SimulationForm& form) {
    for (int b = 1; b <= MaxBlocks; ++b) {
        Block& block = form.Blocks[b];
        block.FunctionCode = 0;
        block.Left = 0;
        block.Top = 0;
    }
    form.BlockCount = 0;
}

}  // namespace

void InitFormSlots(Simulation& sim) {
    ResetFormSlots(sim);
    for (int slot = 1; slot <= FormSlots; ++slot) {
        sim.Windows.ClearSheetImages(slot);
        sim.Windows.HideMarkers(slot);
        sim.Windows.CloseSheet(slot);
    }
}

void ResetFormSlots(Model& model) {
    for (int slot = 1; slot <= FormSlots; ++slot) {
        SimulationForm& form = model.Forms[slot];
        form.RegId = slot;
        form.Title = "Available";
        form.InUse = 0;
        ClearBlockPlaces(form);
        form.NextConnection = 1;
        form.NextLine = 1;
        form.RunSelected = 0;
        for (int i = 1; i <= TerminalTableLast; ++i) form.Terminals[i] = TerminalEntry{};
    }
    model.FormCount = 0;
    ClearLinkingState(model);
}

void ClearFormBlocks(Simulation& sim, int slot) {
    ClearBlockPlaces(sim.Forms[slot]);
    sim.Windows.ClearSheetImages(slot);
    sim.Windows.HideMarkers(slot);
}

void ClearFormConnections(Simulation& sim, int slot) {
    SimulationForm& form = sim.Forms[slot];
    form.NextConnection = 1;
    form.NextLine = 1;
    ClearLinkingState(sim);
}

int AllocateForm(Simulation& sim) {
    EditStep step(sim.History, sim);
    if (CountFreeSlots(sim) == 0) return 0;
    int slot = 1;
    while (sim.Forms[slot].InUse != 0) ++slot;
    SimulationForm& form = sim.Forms[slot];
    form.RegId = slot;
    form.Title = "Unnamed Form " + Str(slot);
    form.InUse = 1;
    ClearFormBlocks(sim, slot);
    ClearFormConnections(sim, slot);
    // The slot's blocks are gone, so entries left from its previous use would be stale.
    ClearTerminalTable(sim, slot);
    ++sim.FormCount;
    if (sim.FormCount > FormSlots) {
        sim.Ui.Message("Form Management Problem - Load");
        sim.FormCount = FormSlots - CountFreeSlots(sim);
    }
    sim.Windows.ShowSheet(slot, form.Title);
    return slot;
}

int ReleaseForm(Simulation& sim, int slot) {
    EditStep step(sim.History, sim);
    SimulationForm& form = sim.Forms[slot];
    if (form.InUse == 0) return slot;
    if (form.RegId != slot) sim.Ui.Message("bad form No. found");
    form.Title = "Available" + Str(slot);
    form.InUse = 0;
    ClearFormBlocks(sim, slot);
    ClearFormConnections(sim, slot);
    // Input Terminals on other forms must not resolve to blocks that no longer exist.
    ClearTerminalTable(sim, slot);
    sim.Windows.CloseSheet(slot);
    form.RunSelected = 0;
    --sim.FormCount;
    if (sim.FormCount < 0) {
        sim.Ui.Message("Form Management problem - Unload");
        sim.FormCount = FormSlots - CountFreeSlots(sim);
    }
    return slot;
}

void SetFormTitle(Simulation& sim, int slot, const std::string& title) {
    EditStep step(sim.History, sim);
    SimulationForm& form = sim.Forms[slot];
    if (form.RegId != slot) return;
    form.Title = title;
    // A free slot's sheet is closed; it takes its caption when it is next shown.
    if (form.InUse != 0) sim.Windows.ShowSheet(slot, title);
}

void NewSimulation(Simulation& sim) {
    sim.Run.SimulationTitle = "Unnamed Simulation";
    ClearModel(sim);
    sim.Run.MathsSymbols = false;
    for (int slot = 1; slot <= FormSlots; ++slot) {
        sim.Forms[slot].NextConnection = 1;
        sim.Forms[slot].NextLine = 1;
    }
    ClearLinkingState(sim);
    BuildCatalogue(sim.Functions);
    ResetSettings(sim);
    // Menu ticks and the toolbox pictures of 8, 9, 14, 15 follow the options just reset.
    sim.Windows.RefreshOptions();
    InitFormSlots(sim);
    AllocateForm(sim);
    sim.CurrentForm = 0;
    ClearTerminalTables(sim);
    sim.History.Clear();
    sim.Runs.Forget();
}

}  // namespace quorvane
