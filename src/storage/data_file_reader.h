#pragma once

#include <string>
#include <string_view>

namespace quorvane {

struct Simulation;

/// Loads the data file at `path` in place of the open model and rebuilds the sheets; the file is
/// read whole into a model of its own first (load_rebuild.h). Messages: "<system text> - File
/// Load" when the file does not exist; "EOF Encountered - Old File Type assumed - Loading
/// Complete" when it ends after the result window places (a file of an earlier version, loaded,
/// the rest at its defaults); otherwise "Loading Simulation File" + two spaces + what was wrong,
/// and the open model stays as it was. Returns whether the model was loaded.
bool LoadSimulation(Simulation& sim, const std::string& path);

/// The same with the file's text already in hand; `path` names the file for the title.
bool LoadSimulationText(Simulation& sim, std::string_view text, const std::string& path);

}  // namespace quorvane
