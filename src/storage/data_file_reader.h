#pragma once

#include <string>
#include <string_view>

namespace quorvane {

struct Simulation;

/// Loads the data file at `path` into the model (cleared first) and rebuilds the sheets.
/// Messages: "<system text> - File Load" when the file does not exist; "EOF Encountered - Old
/// File Type assumed - Loading Complete" when it ends after the result window places (a file of
/// an earlier version; the rest keeps its defaults); otherwise "Loading Simulation File" + two
/// spaces + what was wrong, after which the model keeps what was read. Returns whether the model
/// was loaded (an early-ending file of an earlier version counts as loaded).
bool LoadSimulation(Simulation& sim, const std::string& path);

/// The same with the file's text already in hand; `path` names the file for the title.
bool LoadSimulationText(Simulation& sim, std::string_view text, const std::string& path);

}  // namespace quorvane
