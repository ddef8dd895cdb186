#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct Simulation;

/// The audit listing, one text line per printed line with its items at fixed character
/// columns: the block tables of every allocated form (in current numbering, so in execution
/// order after a run), the allocated forms, the terminal-link tables and the display run list.
std::vector<std::string> AuditReport(const Simulation& sim);

}  // namespace quorvane
