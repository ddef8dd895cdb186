#pragma once

#include <string>
#include <string_view>

namespace quorvane {

struct Simulation;

/// Loads a file of the older layout: the header, the form sections (the n-th into slot n, which
/// becomes allocated), the result window places (always applied) and one closing line; there are
/// no terminal or status sections. Messages and return value as LoadSimulation.
bool LoadLegacySimulation(Simulation& sim, const std::string& path);

bool LoadLegacySimulationText(Simulation& sim, std::string_view text, const std::string& path);

}  // namespace quorvane
