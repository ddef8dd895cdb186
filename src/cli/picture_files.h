#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "results/recorded_runs.h"

namespace quorvane {

struct Simulation;

/// The time graph of the last run written as PNG, SVG or PDF (by the extension of `path`).
/// False, with the reason on `err`, when the file cannot be written.
bool WriteGraphFile(Simulation& sim, const std::string& path, std::ostream& err);

/// Every finished run of a sweep drawn on one time graph with its key, as PNG, SVG or PDF.
bool WriteRunsGraphFile(Simulation& sim, std::span<const RecordedRun> runs, const std::string& path, std::ostream& err);

/// Sheet `form` (blocks, connections, annotation) written as PNG, SVG or PDF; the picture
/// takes the extent of what stands on the sheet.
bool WriteSheetFile(Simulation& sim, int form, const std::string& path, std::ostream& err);

}  // namespace quorvane
