#pragma once

#include <optional>
#include <string>

namespace quorvane {

struct Block;
class LineWriter;
struct Simulation;
struct SimulationForm;

/// Block b's record as a form section holds it: the "BlockNo:" marker, then its fields.
void WriteBlockRecord(LineWriter& out, const Block& block, int b);
/// Form f's connection and line tables as a form section holds them: each table's marker, its
/// next number and its entries.
void WriteConnectionRecords(LineWriter& out, const SimulationForm& form, int f);

/// The data file text of the model: header, a form section per allocated form, the result
/// window places, the terminal sections and the status section. `nameLine` is the file's own
/// name as its first line holds it. No value when FormCount does not match the allocated slots.
std::optional<std::string> SimulationText(const Simulation& sim, const std::string& nameLine);

/// Saves the model to `path`, replacing the file only once the whole text is written. Reports
/// "Simulation Saved: <path>", or "Form Management -mismatch in saving", or
/// "Error encountered during Saving Simulation - <system text>". On success the simulation takes
/// the file's name as its title and counts as unchanged. Returns whether the file was written.
bool SaveSimulation(Simulation& sim, const std::string& path);

}  // namespace quorvane
