#include "cli/sweep_runner.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <thread>
#include <vector>

#include "cli/cli_handoff.h"
#include "cli/console_host.h"
#include "cli/options.h"
#include "cli/picture_files.h"
#include "cli/private_folder.h"
#include "cli/run_setup.h"
#include "cli/text_output.h"
#include "engine/simulation.h"
#include "model/desktop.h"
#include "platform/text_file.h"
#include "results/recorded_runs.h"
#include "run/run_window.h"

namespace quorvane {

namespace {

/// One run of the sweep: its recorded series, its exit status and what it said.
struct SweepRun {
    RecordedRun Run;
    int Status = ExitFinished;
    std::string Log;
};

std::vector<RunValue> ValuesOf(const std::vector<BlockAssignment>& values) {
    std::vector<RunValue> named;
    for (const BlockAssignment& value : values) named.push_back({BlockTargetName(value.Title, value.Field), value.Value});
    return named;
}

// What a failed run said, on one line, for its summary row.
std::string FailureText(const std::string& log) {
    std::string text;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        for (const std::string prefix : {"quorvane-run: ", "message: "}) {
            if (line.rfind(prefix, 0) == 0) line.erase(0, prefix.size());
        }
        text += (text.empty() ? "" : "; ") + line;
    }
    return text.empty() ? "the run failed" : text;
}

/// One run on a Simulation, host and desktop of its own, so runs side by side share nothing;
/// its messages are kept for the sweep to print in order.
SweepRun MakeRun(const RunnerOptions& options, std::size_t index, const std::filesystem::path& scratch) {
    SweepRun result;
    std::ostringstream log;
    const std::vector<BlockAssignment> swept = SweepRunValues(options.Sweeps, index);
    std::vector<BlockAssignment> values = options.Blocks;
    values.insert(values.end(), swept.begin(), swept.end());
    try {
        ConsoleHost host(log, options.Yes);
        NullDesktop windows;
        const auto sim = std::make_unique<Simulation>(host, windows);
        const std::filesystem::path dump = scratch / ("Print Dump " + std::to_string(index + 1) + ".txt");
        result.Status = LoadForRun(*sim, options, dump.string(), log);
        if (result.Status == ExitFinished) result.Status = ApplyBlockValues(*sim, values, log);
        RunWindow window;
        if (result.Status == ExitFinished && !PrepareRunWindow(*sim, options, window, log)) result.Status = ExitUsage;
        if (result.Status == ExitFinished) {
            const RunnerOptions quiet;   // nothing of one run is written by itself
            CliHandOff handOff(quiet, log, log);
            result.Status = PressRun(*sim, window, handOff, log);
        }
        if (result.Status == ExitFinished) {
            result.Run = CaptureRun(sim->Display);
            result.Run.TimeUnits = sim->Run.TimeUnits;
        }
        std::error_code ignored;
        std::filesystem::remove(dump, ignored);
    } catch (const std::exception& error) {
        Fail(log, std::string("stopped: ") + error.what());
        result.Status = ExitUsage;
    }
    result.Log = log.str();
    if (result.Status != ExitFinished) result.Run.Failure = FailureText(result.Log);
    result.Run.Values = ValuesOf(swept);
    return result;
}

// Each run takes the next index, so a slow run holds up no other; the results stand by index.
std::vector<SweepRun> MakeRuns(const RunnerOptions& options, std::size_t count, const std::filesystem::path& scratch) {
    std::vector<SweepRun> runs(count);
    std::atomic<std::size_t> next = 0;
    auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++) runs[i] = MakeRun(options, i, scratch);
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t jobs = std::min<std::size_t>(options.Jobs ? static_cast<std::size_t>(options.Jobs) : cores, count);
    {
        std::vector<std::jthread> workers;   // joined at the end of this block
        for (std::size_t j = 1; j < jobs; ++j) workers.emplace_back(work);
        work();
    }
    return runs;
}

/// The runs' tables written by their listed commands, read back from `folder`.
std::vector<SweepRun> ReadRuns(const RunnerOptions& options, std::size_t count) {
    std::vector<SweepRun> runs(count);
    for (std::size_t i = 0; i < count; ++i) {
        SweepRun& run = runs[i];
        const std::filesystem::path path = std::filesystem::path(options.MergeFolder) / RunFileName(i, count);
        std::string text;
        std::string error;
        if (ReadTextFile(path, text, error) != ReadOutcome::Read) error = "cannot read " + path.string() + ": " + error;
        else if (!ReadRecordedCsv(text, run.Run, error)) error = path.string() + ": " + error;
        if (!error.empty()) {
            run.Status = ExitUsage;
            run.Log = "quorvane-run: " + error + "\n";
            run.Run.Failure = error;
        }
        run.Run.Values = ValuesOf(SweepRunValues(options.Sweeps, i));
    }
    return runs;
}

// The model's block values are checked once, before any run, so a misspelt title is a usage
// error rather than thousands of failed runs.
int CheckValueBlocks(const RunnerOptions& options, const std::filesystem::path& scratch, std::ostream& err) {
    std::ostringstream quiet;
    ConsoleHost host(quiet, options.Yes);
    NullDesktop windows;
    const auto sim = std::make_unique<Simulation>(host, windows);
    if (LoadForRun(*sim, options, (scratch / "Print Dump.txt").string(), err) != ExitFinished) return ExitUsage;
    std::vector<BlockAssignment> targets = options.Blocks;
    for (const SweepAxis& axis : options.Sweeps) targets.push_back({axis.Title, axis.Field, ""});
    for (const BlockAssignment& target : targets) {
        std::string error;
        if (FindValueBlock(*sim, target, error) == 0)
            return Fail(err, BlockTargetName(target.Title, target.Field) + ": " + error);
    }
    return ExitFinished;
}

int WriteSweepOutputs(const RunnerOptions& options, const std::vector<RecordedRun>& runs, std::ostream& out,
                      std::ostream& err) {
    int status = ExitFinished;
    if (!options.CsvPath.empty() &&
        !WriteOutput(options.CsvPath, out, err, [&](std::ostream& o) { WriteRunsCsv(runs, o); }))
        status = ExitUsage;
    if (!options.SummaryPath.empty() &&
        !WriteOutput(options.SummaryPath, out, err, [&](std::ostream& o) { WriteRunsSummary(runs, o); }))
        status = ExitUsage;
    if (!options.GraphPath.empty()) {
        std::ostringstream quiet;
        ConsoleHost host(quiet, options.Yes);
        NullDesktop windows;
        const auto sim = std::make_unique<Simulation>(host, windows);
        // The graph takes the model's scales, formats and form title; the data come from the runs.
        if (LoadForRun(*sim, options, "", err) != ExitFinished ||
            !WriteRunsGraphFile(*sim, runs, options.GraphPath, err))
            status = ExitUsage;
    }
    return status;
}

}  // namespace

int RunSweep(const RunnerOptions& options, const std::string& program, std::ostream& out, std::ostream& err) {
    const std::size_t count = SweepRunCount(options.Sweeps);
    const PrivateFolder scratch;
    if (scratch.Path().empty()) return Fail(err, "cannot make a scratch folder: " + scratch.Error());
    if (const int checked = CheckValueBlocks(options, scratch.Path(), err)) return checked;
    if (options.ListRuns) {
        for (std::size_t i = 0; i < count; ++i) out << RunCommandLineOf(program, options, i, count) << "\n";
        return ExitFinished;
    }
    const std::vector<SweepRun> made =
        options.MergeFolder.empty() ? MakeRuns(options, count, scratch.Path()) : ReadRuns(options, count);
    int status = ExitFinished;
    std::vector<RecordedRun> runs;
    for (std::size_t i = 0; i < count; ++i) {
        const SweepRun& run = made[i];
        std::istringstream lines(run.Log);
        for (std::string line; std::getline(lines, line);)
            err << "run " << i + 1 << " [" << RunLabel(run.Run) << "]: " << line << "\n";
        status = std::max(status, run.Status);
        runs.push_back(run.Run);
    }
    return std::max(status, WriteSweepOutputs(options, runs, out, err));
}

}  // namespace quorvane
