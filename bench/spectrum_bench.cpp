#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "analysis/spectrum.h"
#include "engine/simulation.h"
#include "model/desktop.h"
#include "support/recording_host.h"

namespace {

using namespace quorvane;

// The spectrum of one recorded series at the largest FFT size, magnitude and phase in dB,
// as the frequency analysis window computes it when a series is picked.
void SpectrumOf8192Points(benchmark::State& state) {
    RecordingHost host;
    NullDesktop windows;
    auto sim = std::make_unique<Simulation>(host, windows);
    DisplayBuffer& display = sim->Display;
    display.ColumnCount = 1;
    display.ColumnTitle[1] = "Signal";
    display.RecordedCount = 8192;
    for (int row = 1; row <= 8192; ++row)
        display.At(1, row) = static_cast<float>(std::sin(0.05 * row) + 0.3 * std::cos(0.7 * row));
    sim->Fft.TargetSize = 8192;
    sim->Fft.HalfSize = 4096;
    sim->Fft.SampleInterval = 0.001f;
    sim->Status.MinDisplayInterval = 0.001f;
    sim->Fft.ShowPhase = true;
    sim->Fft.DbMagnitude = true;
    for (auto _ : state) {
        sim->Fft.FftColumnsUsed = 0;
        benchmark::DoNotOptimize(SpectrumOfColumn(*sim, 1));
        benchmark::DoNotOptimize(display.At(12, 100));
    }
}
BENCHMARK(SpectrumOf8192Points)->Unit(benchmark::kMicrosecond);

}  // namespace
