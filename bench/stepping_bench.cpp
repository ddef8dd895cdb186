#include <benchmark/benchmark.h>

#include <cmath>

#include "support/seventy_blocks.h"
#include "support/recording_host.h"

namespace quorvane {
namespace {

void SteppingOfSeventyBlocks(benchmark::State& state) {
    RecordingHost host;
    NullDesktop windows;
    Simulation sim(host, windows);
    double checksum = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        seventy::StartSeventyBlocks(sim);
        state.ResumeTiming();
        seventy::StepSeventyBlocks(sim, 1, seventy::StepsPerRun);
        checksum += sim.Forms[seventy::Form].Blocks[sim.Forms[seventy::Form].BlockCount].Output;
    }
    benchmark::DoNotOptimize(checksum);
    const double evaluations = static_cast<double>(sim.Forms[seventy::Form].BlockCount) * seventy::StepsPerRun;
    state.counters["block_evaluations_per_s"] =
        benchmark::Counter(evaluations * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    if (!host.Messages().empty() || !std::isfinite(checksum)) {
        state.SkipWithError("the model reported a message");
    }
}

BENCHMARK(SteppingOfSeventyBlocks)->Unit(benchmark::kMillisecond)->Iterations(1);

/// A run's preparation of a model of 210 blocks, three sheets of the seventy: ordering, reset,
/// working constants and delay lines, the initial evaluation and the step plan of each sheet.
void PreparationOfTwoHundredTenBlocks(benchmark::State& state) {
    RecordingHost host;
    NullDesktop windows;
    Simulation sim(host, windows);
    for (int form = 1; form <= FormSlots; ++form) {
        sim.Forms[form].InUse = 1;
        BuildSeventyBlocks(sim.Forms[form]);
    }
    sim.Run.StartTime = 0.0f;
    sim.Run.TimeStep = 0.001f;
    for (auto _ : state) {
        for (int form = 1; form <= FormSlots; ++form) {
            BuildExecutionOrder(sim, form);
            ResetOutputs(sim, form);
            PrepareBlocks(sim, form);
            sim.Status.CurrentTime = sim.Run.StartTime;
            InitialEvaluation(sim, form);
        }
    }
    if (!host.Messages().empty()) state.SkipWithError("the model reported a message");
}

BENCHMARK(PreparationOfTwoHundredTenBlocks)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvane
