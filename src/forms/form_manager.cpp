#include "forms/form_manager.h"

#include "editing/form_slots.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

FormManagerView FormManagerStatus(const Model& model) {
    FormManagerView view;
    view.FormsIssued = NumberText(model.FormCount);
    for (int r = 1; r <= FormManagerRows; ++r) {
        FormManagerRow& row = view.Rows[static_cast<std::size_t>(r - 1)];
        if (r > FormSlots) {
            row.Status = "Unavailable";
            continue;
        }
        const SimulationForm& form = model.Forms[r];
        row.Enabled = form.InUse != 0;
        row.RunChecked = form.RunSelected == 1;
        row.Name = form.Title;
        row.Status = row.Enabled ? "In Use" : "Available";
        row.Blocks = NumberText(form.BlockCount);
    }
    return view;
}

void SelectFormToRun(Model& model, int row, bool run) { model.Forms[row].RunSelected = run ? 1 : 0; }

bool UnloadForm(Simulation& sim, int row) {
    const SimulationForm& form = sim.Forms[row];
    if (form.InUse != 0 && form.BlockCount > 0) {
        const int blocks = form.BlockCount;
        const std::string question = form.Title + " holds " + std::to_string(blocks) +
                                     (blocks == 1 ? " block" : " blocks") + " - unload and delete " +
                                     (blocks == 1 ? "it ?" : "them ?");
        if (!sim.Ui.Ask(question, "Quorvane", Answer::No)) return false;
    }
    ReleaseForm(sim, row);
    sim.CurrentForm = FirstAllocatedForm(sim);
    return true;
}

int LoadNewForm(Simulation& sim) {
    if (CountFreeSlots(sim) == 0) {
        sim.Ui.Message("No more simulation forms available");
        return 0;
    }
    return AllocateForm(sim);
}

}  // namespace quorvane
