#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct RunnerResult {
    int Status = -1;
    std::string Out;
    std::string Err;
};

/// How the shell starts the runner, beyond its arguments.
struct RunnerShell {
    std::string Setup;    ///< shell commands run first: limits, traps, environment ("ulimit -f 4"); $$ is the runner's process number
    std::string Stdout;   ///< a redirection of standard output instead of capturing it (">/dev/full", ">&-")
};

/// Runs quorvane-run with these arguments in `folder`, capturing both streams. Runs may go on
/// side by side, also in one folder.
RunnerResult RunRunner(const std::vector<std::string>& args, const std::string& folder, const RunnerShell& shell = {});

std::string ExamplePath(const std::string& name);

/// CSV text as rows of numbers, the header line skipped.
std::vector<std::vector<double>> CsvRows(const std::string& text);

/// The "message: " lines of a runner's standard error, without the prefix.
std::vector<std::string> MessageLines(const std::string& err);

}  // namespace quorvane
