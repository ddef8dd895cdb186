#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {

enum class CorrelationOutput { None, Impulse, Frequency };

/// What the headless runner was asked to do.
struct RunnerOptions {
    std::string ModelPath;
    int Form = 0;   ///< 0 = the form the Run button would choose
    std::vector<std::pair<std::string, std::string>> Settings;   ///< --set NAME=VALUE, in order
    bool Tabulate = false;
    std::string CsvPath;
    std::string GraphPath;
    int SheetForm = 0;
    std::string SheetPath;
    int SpectrumSeries = 0;
    CorrelationOutput Correlate = CorrelationOutput::None;
    bool Audit = false;
    std::string SavePath;
    bool NoRun = false;
    bool Yes = false;
    bool Help = false;
    bool Version = false;
};

/// Parses the arguments (without the program name). On a usage error returns nothing and puts
/// the reason in `error`.
std::optional<RunnerOptions> ParseRunnerOptions(const std::vector<std::string>& args, std::string& error);

/// The --help text.
const char* RunnerUsage();

}  // namespace quorvane
