#pragma once

#include <iosfwd>

namespace quorvane {

/// The headless runner: parses the arguments, loads, runs and writes what is asked.
/// Returns the exit status: 0 after a finished run, 1 after a run error, 2 for a usage or load
/// error or an output that could not be written (standard output included).
int RunCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err);

}  // namespace quorvane
