#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct Simulation;

/// What every load does before it reads: "Loading Simulation File" as the current activity, the
/// model cleared and every form slot freed with its connections, lines and terminal-link table,
/// and the edit history forgotten.
void BeginLoad(Simulation& sim);

/// Reports a load that stopped: "Loading Simulation File" + two spaces + what was wrong.
void ReportLoadError(Simulation& sim, const std::string& what);

/// A loader of data file text.
using TextLoader = bool (*)(Simulation& sim, std::string_view text, const std::string& path);

/// Reads the file at `path` and hands its text to `load`. A file that cannot be read leaves the
/// model cleared as a load would and is reported: "<system text> - File Load" when it does not
/// exist, as a load error otherwise.
bool LoadFromFile(Simulation& sim, const std::string& path, TextLoader load);

/// Ends a load that reached its end, shows the old-file message first when the file stopped
/// early (`ended`), then rebuilds as below.
void FinishLoad(Simulation& sim, const std::vector<int>& forms, const std::string& path, bool ended);

/// What every load that reached its end does: print format dialog, toolbox and run window,
/// the sheets of `forms` rebuilt from the model and shown, the simulation titled after the file,
/// the first allocated form made current, and the analysis windows put away.
void RebuildAfterLoad(Simulation& sim, const std::vector<int>& forms, const std::string& path);

}  // namespace quorvane
