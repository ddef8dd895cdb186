#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/ordering.h"
#include "engine/preparation.h"
#include "engine/simulation.h"
#include "engine/stepping.h"
#include "support/recording_host.h"

namespace quorvane {
namespace {

constexpr int Form = 1;
constexpr long StepsPerRun = 2'000'000;
constexpr int StepsPerSample = 10;

int Place(SimulationForm& sheet, int code, float k1 = 0.0f, float k2 = 0.0f, float k3 = 0.0f) {
    const int b = ++sheet.BlockCount;
    Block& blk = sheet.Blocks[b];
    blk.FunctionCode = code;
    blk.Constant[1] = k1;
    blk.Constant[2] = k2;
    blk.Constant[3] = k3;
    return b;
}

/// Seven loops of ten blocks: a sine demand, a PID controller with wind-up limits, a
/// saturation, gains, lags, a sum and a second-order lag as the plant, and a tail that holds
/// the delay line, the hysteresis or another sum. Every value stays bounded, so a run of two
/// million steps ends without a fault.
void BuildSeventyBlocks(SimulationForm& sheet) {
    for (int loop = 0; loop < 7; ++loop) {
        const int sine = Place(sheet, 26, 0.3f + 0.1f * static_cast<float>(loop), 1.0f);
        const int pid = Place(sheet, 36, 1.5f, 1.0f, 0.02f);
        sheet.Blocks[pid].SatHigh = 10.0f;
        sheet.Blocks[pid].SatLow = -10.0f;
        const int saturate = Place(sheet, 20);
        sheet.Blocks[saturate].SatHigh = 5.0f;
        sheet.Blocks[saturate].SatLow = -5.0f;
        const int gain = Place(sheet, 6, 0.8f);
        const int lag = Place(sheet, 10, 0.4f);
        const int sum = Place(sheet, 2);
        const int plant = Place(sheet, 22, 0.2f, 0.6f);
        const int gain2 = Place(sheet, 6, 2.0f);
        const int lag2 = Place(sheet, 10, 1.0f);
        const int tail = loop == 0 ? Place(sheet, 38, 0.5f) : loop == 1 ? Place(sheet, 56, 10.0f, 20.0f) : Place(sheet, 2);
        sheet.Blocks[pid].Input[1] = plant;
        sheet.Blocks[pid].Input[2] = sine;
        sheet.Blocks[saturate].Input[1] = pid;
        sheet.Blocks[gain].Input[1] = saturate;
        sheet.Blocks[lag].Input[1] = gain;
        sheet.Blocks[sum].Input[1] = lag;
        sheet.Blocks[sum].Input[2] = sine;
        sheet.Blocks[plant].Input[1] = sum;
        sheet.Blocks[gain2].Input[1] = plant;
        sheet.Blocks[lag2].Input[1] = gain2;
        sheet.Blocks[tail].Input[1] = loop < 2 ? lag2 : gain2;
        sheet.Blocks[tail].Input[2] = loop < 2 ? 0 : lag2;
    }
}

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
