#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct RunnerResult {
    int Status = -1;
    std::string Out;
    std::string Err;
};

/// Runs quorvane-run with these arguments in `folder`, capturing both streams.
RunnerResult RunRunner(const std::vector<std::string>& args, const std::string& folder);

/// A fresh empty folder for one test's files.
std::string ScratchFolder(const std::string& name);

std::string ExamplePath(const std::string& name);

/// CSV text as rows of numbers, the header line skipped.
std::vector<std::vector<double>> CsvRows(const std::string& text);

/// The "message: " lines of a runner's standard error, without the prefix.
std::vector<std::string> MessageLines(const std::string& err);

}  // namespace quorvane
