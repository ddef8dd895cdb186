#pragma once

#include <array>
#include <string>

namespace quorvane {

struct Model;
struct Simulation;

inline constexpr int FormManagerRows = 10;

/// One row of the form manager's grid: the run box (Check1), the form's name (Label1), its
/// status (Label2), its block count (Label7) and its unload button (Command1).
struct FormManagerRow {
    bool Enabled = false;   ///< run box, labels and unload button alike
    bool RunChecked = false;
    std::string Name;
    std::string Status;
    std::string Blocks;
};

/// The form manager's grid, rows 1..10 at indexes 0..9, and the "Forms Issued" count (Label9).
struct FormManagerView {
    std::array<FormManagerRow, FormManagerRows> Rows;
    std::string FormsIssued;
};

/// Rows 1..3 follow the form slots ("In Use" or "Available"); rows 4..10 are "Unavailable".
FormManagerView FormManagerStatus(const Model& model);

/// The run box of row `row`: the form is run (1) or not (0).
void SelectFormToRun(Model& model, int row, bool run);

/// Frees form slot `row` with its blocks and connections and closes its sheet; the lowest form
/// still allocated becomes the current form, as after any sheet closes. A form holding blocks
/// goes only after "<title> holds <n> blocks - unload and delete them ?" is answered Yes (No
/// preset). Returns whether the form was unloaded.
bool UnloadForm(Simulation& sim, int row);

/// "Load a new Form": allocates the lowest free slot and shows its sheet, or reports
/// "No more simulation forms available" and changes nothing. Returns the slot or 0.
int LoadNewForm(Simulation& sim);

}  // namespace quorvane
