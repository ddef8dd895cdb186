#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/sweep_grid.h"
#include "forms/block_values.h"

namespace quorvane {

enum class CorrelationOutput { None, Impulse, Frequency };

/// What the headless runner was asked to do.
struct RunnerOptions {
    std::string ModelPath;
    int Form = 0;   ///< 0 = the form the Run button would choose
    std::vector<std::pair<std::string, std::string>> Settings;   ///< --set NAME=VALUE, in order
    std::vector<BlockAssignment> Blocks;   ///< --block, in order
    std::vector<SweepAxis> Sweeps;         ///< --sweep, in order
    int Jobs = 0;                          ///< 0 = one per processor core
    std::string SummaryPath;
    bool ListRuns = false;
    std::string MergeFolder;
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
/// the reason in `error`: an unknown option or value, an option that takes a value given twice,
/// an empty file name, an output that needs a run together with --no-run, a block value given
/// twice, or options a sweep does not take.
std::optional<RunnerOptions> ParseRunnerOptions(const std::vector<std::string>& args, std::string& error);

/// The files the options write must differ from one another, and the outputs other than --save
/// from the model file (saving back is what --save is for); otherwise false with the reason.
bool CheckOutputFiles(const RunnerOptions& options, std::string& error);

/// The --help text.
const char* RunnerUsage();

}  // namespace quorvane
