#pragma once

#include <optional>
#include <string>

namespace quorvane {

struct Simulation;

/// The data file text of the model: header, a form section per allocated form, the result
/// window places, the terminal sections and the status section. `nameLine` is the file's own
/// name as its first line holds it. No value when FormCount does not match the allocated slots.
std::optional<std::string> SimulationText(const Simulation& sim, const std::string& nameLine);

/// Saves the model to `path`, replacing the file only once the whole text is written. Reports
/// "Simulation Saved: <path>", or "Form Management -mismatch in saving", or
/// "Error encountered during Saving Simulation - <system text>". On success the simulation takes
/// the file's name as its title. Returns whether the file was written.
bool SaveSimulation(Simulation& sim, const std::string& path);

}  // namespace quorvane
