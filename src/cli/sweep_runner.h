#pragma once

#include <iosfwd>
#include <string>

namespace quorvane {

struct RunnerOptions;

/// The runs of a sweep: listed as commands (--list-runs), read from their tables (--merge) or
/// made here, each on a Simulation of its own, options.Jobs at a time; then the table, graph
/// and summary of them all. Each run's messages follow on `err` in run order, headed by its
/// number and values. Returns the exit status of the worst run, or ExitUsage when an output
/// could not be written.
int RunSweep(const RunnerOptions& options, const std::string& program, std::ostream& out, std::ostream& err);

}  // namespace quorvane
