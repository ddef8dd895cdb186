#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/ordering.h"
#include "engine/preparation.h"
#include "engine/simulation.h"
#include "engine/stepping.h"
#include "seventy_blocks.h"
#include "support/recording_host.h"

namespace quorvane {
namespace {

constexpr int Form = 1;
constexpr long StepsPerRun = 2'000'000;
constexpr int StepsPerSample = 10;

/// The stepping of a run as the driver makes it: StepModel, the time from the step count,
/// and at every sample step the refresh of the memoryless blocks.
void SteppingOfSeventyBlocks(benchmark::State& state) {
    RecordingHost host;
    NullDesktop windows;
    Simulation sim(host, windows);
    sim.Forms[Form].InUse = 1;
    BuildSeventyBlocks(sim.Forms[Form]);
    sim.Run.StartTime = 0.0f;
    sim.Run.TimeStep = 0.001f;
    BuildExecutionOrder(sim, Form);
    double checksum = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetOutputs(sim, Form);
        PrepareBlocks(sim, Form);
        sim.Status.CurrentTime = sim.Run.StartTime;
        InitialEvaluation(sim, Form);
        state.ResumeTiming();
        for (long n = 1; n <= StepsPerRun; ++n) {
            StepModel(sim, Form);
            sim.Status.CurrentTime = static_cast<float>(static_cast<double>(sim.Run.TimeStep) * n + sim.Run.StartTime);
            if (n % StepsPerSample == 0) {
                RefreshAlgebraic(sim, Form);
            }
        }
        checksum += sim.Forms[Form].Blocks[sim.Forms[Form].BlockCount].Output;
    }
    benchmark::DoNotOptimize(checksum);
    const double evaluations = static_cast<double>(sim.Forms[Form].BlockCount) * StepsPerRun;
    state.counters["block_evaluations_per_s"] =
        benchmark::Counter(evaluations * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    if (!host.Messages().empty() || !std::isfinite(checksum)) {
        state.SkipWithError("the model reported a message");
    }
}

BENCHMARK(SteppingOfSeventyBlocks)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quorvane
