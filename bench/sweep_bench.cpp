#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/runner.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "support/seventy_blocks.h"
#include "storage/data_file_writer.h"
#include "support/recording_host.h"

namespace quorvane {
namespace {

constexpr int Runs = 64;   ///< eight proportional gains by eight gains

/// The seventy-block model saved for the runner: 60 s at a manual step of 1 ms (60,000 steps
/// of each run), two of its blocks titled for the sweep.
std::filesystem::path SaveSeventyBlocks(const std::filesystem::path& folder) {
    RecordingHost host;
    NullDesktop windows;
    const auto sim = std::make_unique<Simulation>(host, windows);
    StartUp(*sim);
    SimulationForm& sheet = sim->Forms[1];
    BuildSeventyBlocks(sheet);
    sheet.Blocks[2].Title = "PID 1";
    sheet.Blocks[4].Title = "Gain 1";
    sim->Run.StopTime = 60;
    sim->Run.TimeStep = 0.001f;
    sim->Run.ManualTimeStep = true;
    const std::filesystem::path model = folder / "seventy blocks.vqe";
    if (!SaveSimulation(*sim, model.string())) return {};
    return model;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

/// A sweep of 64 runs of the seventy-block model through the runner, on `jobs` threads.
void SweepOfSeventyBlocks(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorvane-sweep-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path model = SaveSeventyBlocks(folder);
    std::vector<std::string> args{"quorvane-run", model.string(), "--sweep", "PID 1.K1=1:2:8",
                                  "--sweep", "Gain 1.K1=0.5:1:8", "--jobs", std::to_string(state.range(0)),
                                  "--csv", (folder / "sweep.csv").string()};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        if (RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err) != 0) {
            state.SkipWithError(("the sweep failed: " + err.str()).c_str());
            break;
        }
    }
    std::filesystem::remove_all(folder);
    state.counters["runs_per_s"] =
        benchmark::Counter(static_cast<double>(Runs) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_rss_mb"] = PeakMegabytes();
}

BENCHMARK(SweepOfSeventyBlocks)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
}  // namespace quorvane
