#include "analysis/fft_sizing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/nice_interval.h"
#include "analysis/prbs_timing.h"
#include "engine/simulation.h"
#include "model/block_traits.h"
#include "platform/circle_constants.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr double NoDynamics = 1e38;
constexpr int SmallestExponent = 8;   // an FFT needs at least 256 samples
constexpr double MaxStepsFraction = 5e-7;   // the smallest step is this share of the span

// Fastest dynamics of the form's blocks, and the derivative class of the blocks that need
// finer steps (the last block that sets a class decides it).
double FastestDynamics(Simulation& sim, int form) {
    const SimulationForm& f = sim.Forms[form];
    const double span = static_cast<double>(sim.Run.StopTime) - sim.Run.StartTime;
    int& derivativeClass = sim.Fft.DerivativeClass;
    double fastest = NoDynamics;
    // Only a positive finite time can describe a dynamic; other values (a constant of zero
    // read from a file) would collapse the time step.
    const auto consider = [&](double candidate) {
        if (std::isfinite(candidate) && candidate > 0) fastest = std::min(fastest, candidate);
    };
    const auto considerInverse = [&](double denominator) {
        if (denominator > 0) consider(1 / denominator);
    };
    for (int b = 1; b <= f.BlockCount; ++b) {
        const Block& block = f.Blocks[b];
        const double k1 = block.Constant[1];
        const double k2 = block.Constant[2];
        using enum FunctionCode;
        switch (BaseOf(block.FunctionCode)) {
        case Integrate: case Lag:
            consider(k1);
            break;
        case SecondOrderLag: case SecondOrderLead: {   // A s^2 + B s + 1
            const double d = k2 * k2 - 4 * k1;
            if (d < 0) {
                consider(TwoPiSixFigures * std::sqrt(k1) / 5);
            } else {
                considerInverse(k2 + std::sqrt(d));
                considerInverse(k2 - std::sqrt(d));
            }
            break;
        }
        case Chirp:
            considerInverse(k2 / 2);
            break;
        default:
            break;
        }
        // A differentiating block needs steps within a fifth of the span, a second derivative
        // within a tenth.
        if (const int order = TraitsOf(block.FunctionCode).DerivativeClass; order > 0) {
            consider(span / (5.0 * order));
            derivativeClass = order;
        }
    }
    if (derivativeClass > 0) {
        fastest /= 5.0 * derivativeClass;
        for (int b = 1; b <= f.BlockCount; ++b) {
            const Block& block = f.Blocks[b];
            if (BaseOf(block.FunctionCode) == FunctionCode::SineWave)
                considerInverse(block.Constant[1] * 5.0 * derivativeClass);
        }
    }
    return fastest;
}

// Lowers the FFT length to the largest power of two the run can fill, or cancels the FFT.
void LengthCheck(Simulation& sim) {
    FftState& fft = sim.Fft;
    const double span = static_cast<double>(sim.Run.StopTime) - sim.Run.StartTime;
    const int samples = RoundToInteger(span / fft.SampleInterval);
    int exponent = fft.TargetExponent;
    while (exponent >= SmallestExponent && std::ldexp(1.0, exponent) > samples) --exponent;
    if (exponent < SmallestExponent) {
        sim.Ui.Message("FFT resolution too low with these time settings - FFT cancelled");
        sim.Run.FftEnabled = false;
        return;
    }
    fft.HalfSize = (1 << exponent) / 2;
}

// The sample interval as a whole number (at least one) of time steps.
float WholeStepsOf(double sampleInterval, double timeStep) {
    const int steps = std::max(1, RoundToInteger(sampleInterval / timeStep));
    return static_cast<float>(timeStep * steps);
}

}  // namespace

bool RaiseDisplayIntervals(Settings& run, float interval) {
    bool raised = false;
    if (run.GraphInterval < interval) {
        run.GraphInterval = interval;
        raised = true;
    }
    if (run.PrintInterval < interval) {
        run.PrintInterval = interval;
        raised = true;
    }
    return raised;
}

bool TimeStepWithinLimit(Simulation& sim) {
    const double span = static_cast<double>(sim.Run.StopTime) - sim.Run.StartTime;
    // The limit is rounded to single precision as the step is, so a step typed as exactly the
    // limit passes and the next smaller one fails.
    if (static_cast<float>(span * MaxStepsFraction) > sim.Run.TimeStep) {
        sim.Ui.Message("Time step is too small compared to time interval");
        return false;
    }
    return true;
}

bool AutomaticTimeStep(Simulation& sim, int form) {
    FftState& fft = sim.Fft;
    Settings& run = sim.Run;
    const double span = static_cast<double>(run.StopTime) - run.StartTime;
    fft.DerivativeClass = 0;
    fft.HalfSize = fft.TargetSize / 2;
    fft.SampleInterval = static_cast<float>(RoundToNiceInterval(sim, span / fft.TargetSize));

    float& minDisplay = sim.Status.MinDisplayInterval;
    minDisplay = std::min(run.PrintInterval, run.GraphInterval);
    if (run.FftEnabled)
        minDisplay = std::min(minDisplay, fft.SampleInterval);
    else
        fft.SampleInterval = minDisplay;
    if (minDisplay < run.TimeStep) run.TimeStep = minDisplay;

    const double fastest = FastestDynamics(sim, form);
    if (fastest / 20 < run.TimeStep) run.TimeStep = static_cast<float>(fastest / 20);
    run.TimeStep = static_cast<float>(RoundToNiceInterval(sim, run.TimeStep));

    if (sim.Prbs.PrbsState == -1 && !PrbsTimingSetUp(sim)) return false;
    if (run.FftEnabled) {
        fft.SampleInterval = WholeStepsOf(fft.SampleInterval, run.TimeStep);
        if (run.TimeStep >= fft.SampleInterval) run.TimeStep = fft.SampleInterval;
        minDisplay = fft.SampleInterval;
        if (RaiseDisplayIntervals(sim.Run, fft.SampleInterval))
            sim.Ui.Message("Display times have been automatically amended to allow FFT");
        LengthCheck(sim);
    }
    return TimeStepWithinLimit(sim);
}

void AlignFftToManualStep(Simulation& sim) {
    FftState& fft = sim.Fft;
    const Settings& run = sim.Run;
    const double span = static_cast<double>(run.StopTime) - run.StartTime;
    fft.HalfSize = fft.TargetSize / 2;
    fft.SampleInterval = static_cast<float>(RoundToNiceInterval(sim, span / fft.TargetSize));
    if (run.TimeStep < fft.SampleInterval)
        fft.SampleInterval = WholeStepsOf(fft.SampleInterval, run.TimeStep);
    else
        fft.SampleInterval = run.TimeStep;
    sim.Status.MinDisplayInterval = fft.SampleInterval;
    if (RaiseDisplayIntervals(sim.Run, fft.SampleInterval))
        sim.Ui.Message("Display times have bee automatically amended to align with FFT");
    LengthCheck(sim);
}

}  // namespace quorvane
