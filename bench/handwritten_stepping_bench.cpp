#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/seventy_blocks.h"
#include "support/recording_host.h"

// The seventy-block model written out by hand as a plain program would be: every kind of block
// in arrays of its own, one loop per kind in an order that respects the wiring, no dispatch.
// It does the engine's arithmetic (double, stored as float, every store checked for range), so
// its outputs equal the engine's, which the benchmark checks before timing.

namespace quorvane {
namespace {

using seventy::Loops;
constexpr int Tails = Loops - 2;   // loops 2..6 end in a sum
constexpr int RingLength = DelayLineCellLast + 1;

float St(double v) {
    if (!(std::fabs(v) <= static_cast<double>(FLT_MAX))) [[unlikely]] {
        std::abort();
    }
    return static_cast<float>(v);
}

using Row = std::array<float, Loops>;

struct HandwrittenModel {
    Row SineK1, SineK2, SineOut;
    Row PidW1, PidW2, PidW3, PidH1, PidH2, PidH3, PidOut;
    std::array<double, Loops> PidError, PidUpper, PidLower;
    Row SatHigh, SatLow, SatOut;
    Row GainK, GainOut;
    Row LagW, LagOut;
    Row SumOut;
    Row PlantW1, PlantW2, PlantH2, PlantOut;
    Row Gain2K, Gain2Out;
    Row Lag2W, Lag2Out;
    std::array<float, Tails> TailOut;
    std::vector<float> DelayCells = std::vector<float>(RingLength);
    int DelayWrite = 0, DelayRead = 0;
    float DelayOut = 0;
    float HystK1 = 0, HystW2 = 0, HystH1 = 0, HystH2 = 0, HystH3 = 0, HystOut = 0;

    void Step(double t, double ts) {
        for (int i = 0; i < Loops; ++i) SineOut[i] = St(std::sin((t + ts) * SineK1[i]) * SineK2[i]);
        for (int i = 0; i < Loops; ++i) SumOut[i] = St(static_cast<double>(LagOut[i]) + SineOut[i]);
        for (int i = 0; i < Loops; ++i) Gain2Out[i] = St(static_cast<double>(Gain2K[i]) * PlantOut[i]);
        DelayCells[DelayWrite] = Lag2Out[0];
        DelayOut = DelayCells[DelayRead];
        DelayWrite = DelayWrite + 1 == RingLength ? 0 : DelayWrite + 1;
        DelayRead = DelayRead + 1 == RingLength ? 0 : DelayRead + 1;
        Hysteresis(Lag2Out[1]);
        for (int i = 0; i < Loops; ++i) {
            double y = PidOut[i];
            if (y > SatHigh[i]) y = SatHigh[i];
            if (y < SatLow[i]) y = SatLow[i];
            SatOut[i] = static_cast<float>(y);
        }
        for (int i = 0; i < Tails; ++i) TailOut[i] = St(static_cast<double>(Gain2Out[i + 2]) + Lag2Out[i + 2]);
        for (int i = 0; i < Loops; ++i) GainOut[i] = St(static_cast<double>(GainK[i]) * SatOut[i]);
        for (int i = 0; i < Loops; ++i) {
            const double error = static_cast<double>(SineOut[i]) - PlantOut[i];
            PidH2[i] = St((error - PidH3[i]) * PidW3[i]);
            PidH3[i] = St(error);
            PidOut[i] = St((PidH1[i] + error + PidH2[i]) * PidW1[i]);
            PidError[i] = error;
        }
        // The states move only now, each from inputs taken at the same instant.
        for (int i = 0; i < Loops; ++i) LagOut[i] = St(LagOut[i] + (static_cast<double>(GainOut[i]) - LagOut[i]) * LagW[i]);
        for (int i = 0; i < Loops; ++i) {
            const double error = static_cast<double>(SumOut[i]) - PlantOut[i];
            PlantH2[i] = St(PlantH2[i] + PlantW1[i] * error);
            PlantOut[i] = St(PlantOut[i] + (static_cast<double>(PlantH2[i]) - PlantOut[i]) * PlantW2[i]);
        }
        for (int i = 0; i < Loops; ++i) Lag2Out[i] = St(Lag2Out[i] + (static_cast<double>(Gain2Out[i]) - Lag2Out[i]) * Lag2W[i]);
        for (int i = 0; i < Loops; ++i) {
            double h = St(PidH1[i] + PidW2[i] * PidError[i]);
            if (h > PidUpper[i]) h = PidUpper[i];
            if (h < PidLower[i]) h = PidLower[i];
            PidH1[i] = St(h);
        }
    }

    void Refresh() {
        for (int i = 0; i < Loops; ++i) SumOut[i] = St(static_cast<double>(LagOut[i]) + SineOut[i]);
        for (int i = 0; i < Loops; ++i) Gain2Out[i] = St(static_cast<double>(Gain2K[i]) * PlantOut[i]);
        for (int i = 0; i < Tails; ++i) TailOut[i] = St(static_cast<double>(Gain2Out[i + 2]) + Lag2Out[i + 2]);
        for (int i = 0; i < Loops; ++i) GainOut[i] = St(static_cast<double>(GainK[i]) * SatOut[i]);
    }

    void Hysteresis(double x) {
        const double change = x - HystH1;
        HystH1 = static_cast<float>(x);
        double y = HystOut;
        const double direction = change > 0.0 ? 1.0 : (change < 0.0 ? -1.0 : 0.0);
        if (change != 0.0) {
            if (direction != HystH2) {
                HystH3 = St(x + direction * HystW2);
            } else if (std::fabs(x - HystH3) > HystW2) {
                y = St(x - direction * HystW2);
            }
        }
        HystH2 = static_cast<float>(direction);
        if (y >= HystK1) y = HystK1;
        if (-static_cast<double>(HystK1) >= y) y = -HystK1;
        HystOut = static_cast<float>(y);
    }
};

const Block& Titled(const Simulation& sim, const std::string& part, int loop) {
    const SimulationForm& sheet = sim.Forms[seventy::Form];
    const std::string title = part + " " + std::to_string(loop);
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        if (sheet.Blocks[b].Title == title) return sheet.Blocks[b];
    }
    std::abort();
}

/// The prepared engine model's working values, copied into the hand-written arrays.
void Load(const Simulation& sim, HandwrittenModel& m) {
    for (int i = 0; i < Loops; ++i) {
        auto at = [&](const char* part) -> const Block& { return Titled(sim, part, i); };
        m.SineK1[i] = at("sine").Constant[1];
        m.SineK2[i] = at("sine").Constant[2];
        m.SineOut[i] = at("sine").Output;
        const Block& pid = at("pid");
        m.PidW1[i] = pid.Work[1];
        m.PidW2[i] = pid.Work[2];
        m.PidW3[i] = pid.Work[3];
        m.PidH1[i] = pid.History[1];
        m.PidH2[i] = pid.History[2];
        m.PidH3[i] = pid.History[3];
        m.PidOut[i] = pid.Output;
        // The integral's bounds depend on constants only: worked out once.
        m.PidUpper[i] = static_cast<double>(pid.SatHigh) / pid.Work[1];
        m.PidLower[i] = static_cast<double>(pid.SatLow) / pid.Work[1];
        m.SatHigh[i] = at("saturate").SatHigh;
        m.SatLow[i] = at("saturate").SatLow;
        m.SatOut[i] = at("saturate").Output;
        m.GainK[i] = at("gain").Constant[1];
        m.GainOut[i] = at("gain").Output;
        m.LagW[i] = at("lag").Work[1];
        m.LagOut[i] = at("lag").Output;
        m.SumOut[i] = at("sum").Output;
        m.PlantW1[i] = at("plant").Work[1];
        m.PlantW2[i] = at("plant").Work[2];
        m.PlantH2[i] = at("plant").History[2];
        m.PlantOut[i] = at("plant").Output;
        m.Gain2K[i] = at("gain2").Constant[1];
        m.Gain2Out[i] = at("gain2").Output;
        m.Lag2W[i] = at("lag2").Work[1];
        m.Lag2Out[i] = at("lag2").Output;
        if (i >= 2) m.TailOut[i - 2] = at("tail").Output;
    }
    const Block& delay = Titled(sim, "tail", 0);
    const int line = static_cast<int>(delay.Work[1]);
    DelayLines& lines = const_cast<Simulation&>(sim).Delays;
    for (int c = 0; c < RingLength; ++c) m.DelayCells[c] = lines.Cell(line, c);
    m.DelayWrite = lines.WritePosition[line];
    m.DelayRead = lines.ReadPosition[line];
    m.DelayOut = delay.Output;
    const Block& hyst = Titled(sim, "tail", 1);
    m.HystK1 = hyst.Constant[1];
    m.HystW2 = hyst.Work[2];
    m.HystH1 = hyst.History[1];
    m.HystH2 = hyst.History[2];
    m.HystH3 = hyst.History[3];
    m.HystOut = hyst.Output;
}

/// Steps first..last as the engine's run driver does.
void Run(HandwrittenModel& m, const Settings& run, long first, long last) {
    double t = static_cast<float>(static_cast<double>(run.TimeStep) * (first - 1) + run.StartTime);
    for (long n = first; n <= last; ++n) {
        m.Step(t, run.TimeStep);
        t = static_cast<float>(static_cast<double>(run.TimeStep) * n + run.StartTime);
        if (n % seventy::StepsPerSample == 0) m.Refresh();
    }
}

constexpr const char* OtherValues = "the hand-written loop computes other values than the engine";

/// Whether the hand-written outputs equal the engine's after the same steps.
bool SameOutputs(const Simulation& sim, const HandwrittenModel& m) {
    bool same = m.DelayOut == Titled(sim, "tail", 0).Output && m.HystOut == Titled(sim, "tail", 1).Output;
    for (int i = 0; i < Loops; ++i) {
        auto out = [&](const char* part) { return Titled(sim, part, i).Output; };
        same = same && m.SineOut[i] == out("sine") && m.PidOut[i] == out("pid") && m.SatOut[i] == out("saturate") &&
               m.GainOut[i] == out("gain") && m.LagOut[i] == out("lag") && m.SumOut[i] == out("sum") &&
               m.PlantOut[i] == out("plant") && m.Gain2Out[i] == out("gain2") && m.Lag2Out[i] == out("lag2") &&
               (i < 2 || m.TailOut[i - 2] == out("tail"));
    }
    return same;
}

void HandwrittenSteppingOfSeventyBlocks(benchmark::State& state) {
    RecordingHost host;
    NullDesktop windows;
    Simulation sim(host, windows);
    HandwrittenModel model;
    constexpr long CheckedSteps = 20'000;
    seventy::StartSeventyBlocks(sim);
    Load(sim, model);
    seventy::StepSeventyBlocks(sim, 1, CheckedSteps);
    Run(model, sim.Run, 1, CheckedSteps);
    if (!SameOutputs(sim, model)) {
        state.SkipWithError(OtherValues);
        return;
    }
    double checksum = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        seventy::StartSeventyBlocks(sim);
        Load(sim, model);
        state.ResumeTiming();
        Run(model, sim.Run, 1, seventy::StepsPerRun);
        checksum += model.TailOut[Tails - 1];
    }
    benchmark::DoNotOptimize(checksum);
    const double evaluations = static_cast<double>(sim.Forms[seventy::Form].BlockCount) * seventy::StepsPerRun;
    state.counters["block_evaluations_per_s"] =
        benchmark::Counter(evaluations * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(HandwrittenSteppingOfSeventyBlocks)->Unit(benchmark::kMillisecond)->Iterations(1);

template <class Steps>
double SecondsOf(Steps steps) {
    const auto start = std::chrono::steady_clock::now();
    steps();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

/// The engine and the hand-written loop side by side in one process: each steps the model in
/// turns of a few thousand steps, one after the other and first by turns, so that whatever else
/// the machine does falls on both alike. Reports the median of the turns' ratios of engine time
/// to hand-written time, and the ratio of the totals; the outputs must still agree at the end.
void SideBySideStepping(benchmark::State& state) {
    constexpr long Turn = 10'000;
    RecordingHost host;
    NullDesktop windows;
    Simulation sim(host, windows);
    HandwrittenModel model;
    std::vector<double> ratios;
    double engine = 0.0;
    double hand = 0.0;
    for (auto _ : state) {
        seventy::StartSeventyBlocks(sim);
        Load(sim, model);
        for (long first = 1; first <= seventy::StepsPerRun; first += Turn) {
            const long last = std::min(first + Turn - 1, seventy::StepsPerRun);
            const auto stepEngine = [&] { return SecondsOf([&] { seventy::StepSeventyBlocks(sim, first, last); }); };
            const auto stepHand = [&] { return SecondsOf([&] { Run(model, sim.Run, first, last); }); };
            double e = 0.0;
            double h = 0.0;
            if (first / Turn % 2 == 0) {
                e = stepEngine();
                h = stepHand();
            } else {
                h = stepHand();
                e = stepEngine();
            }
            ratios.push_back(e / h);
            engine += e;
            hand += h;
        }
        if (!SameOutputs(sim, model)) {
            state.SkipWithError(OtherValues);
            return;
        }
    }
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    state.counters["engine_over_hand_median"] = ratios[ratios.size() / 2];
    state.counters["engine_over_hand_total"] = engine / hand;
}

BENCHMARK(SideBySideStepping)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quorvane
