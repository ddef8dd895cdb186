#include "analysis/prbs_timing.h"

#include <algorithm>

#include "analysis/fft_sizing.h"
#include "analysis/nice_interval.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int FitAttemptLimit = 10000;   // far beyond any float range; only a guard

// Bit intervals of the whole injection: two sequences when the correlator records the second.
int InjectedBits(const PrbsData& prbs) { return prbs.CorrelatorPresent ? 2 * prbs.Length : prbs.Length; }

double RunSpan(const Simulation& sim) { return static_cast<double>(sim.Run.StopTime) - sim.Run.StartTime; }

// Shrinks the bit interval by `factor` until its rounded value fits `bits` intervals into the
// run; returns that rounded value.
double FitBitInterval(const Simulation& sim, double bitInterval, double factor) {
    const int bits = InjectedBits(sim.Prbs);
    const double span = RunSpan(sim);
    bitInterval *= 1.05;
    double rounded = 0;
    for (int attempt = 0; attempt < FitAttemptLimit; ++attempt) {
        bitInterval *= factor;
        rounded = RoundToNiceInterval(sim, bitInterval);
        if (rounded * bits <= span) break;
    }
    return rounded;
}

// The stop time reaches past the whole injection (and two spare bits), never before the
// stop time entered.
void StopTimeRule(Simulation& sim) {
    const double end = sim.Run.StartTime + (InjectedBits(sim.Prbs) + 2.0) * sim.Prbs.BitInterval;
    sim.Run.StopTime = end > sim.Status.StopTimeEntered ? static_cast<float>(end) : sim.Status.StopTimeEntered;
}

void ShowDuration(Simulation& sim) {
    if (sim.Prbs.CorrelatorPresent) return;
    const double duration = static_cast<double>(sim.Prbs.BitInterval) * sim.Prbs.Length;
    sim.Ui.Info("PRBS Seq. duration set to: " + Format(duration, "###0.####") + " " + sim.Run.TimeUnits);
}

bool ManualStepTiming(Simulation& sim) {
    PrbsData& prbs = sim.Prbs;
    const double timeStep = sim.Run.TimeStep;
    bool keepStop = false;
    if (prbs.AutomaticDuration) {
        const double bitInterval = RunSpan(sim) / InjectedBits(prbs);
        if (bitInterval < timeStep) {
            prbs.BitInterval = sim.Run.TimeStep;
            sim.Ui.Message(prbs.CorrelatorPresent ? "Required PRBS interval < fixed simulation time step - "
                                                    "partial/inaccurate correlation will result"
                                                  : "Required PRBS interval < fixed simulation time step - "
                                                    "partial injection will result");
            keepStop = true;
        } else {
            // A bit can only change at a step boundary: whole steps keep the sequence's
            // timing and the correlation's time axis in agreement.
            const int steps = std::max(1, RoundToInteger(RoundToNiceInterval(sim, bitInterval / timeStep)));
            prbs.BitInterval = static_cast<float>(steps * timeStep);
        }
    } else if (prbs.BitInterval < timeStep) {
        prbs.BitInterval = sim.Run.TimeStep;
        sim.Ui.Message("clash between Manual PRBS duration and manual simulation time step - corrected");
    }
    if (!keepStop) StopTimeRule(sim);
    ShowDuration(sim);
    // A long manual duration stretches the stop time past what the typed step can cover.
    return TimeStepWithinLimit(sim);
}

bool AutomaticStepTiming(Simulation& sim) {
    PrbsData& prbs = sim.Prbs;
    float& timeStep = sim.Run.TimeStep;
    if (prbs.BitInterval <= timeStep) {
        if (!prbs.AutomaticDuration) {
            timeStep = prbs.BitInterval;
        } else {
            prbs.BitInterval = static_cast<float>(FitBitInterval(sim, prbs.BitInterval, 0.952));
            timeStep = prbs.BitInterval;
            ShowDuration(sim);
        }
    } else {
        const double rounded = FitBitInterval(sim, prbs.BitInterval, 0.95);
        const int stepsBefore = RoundToInteger(rounded / timeStep);
        // The time step becomes the bit interval over the first power of two above the old ratio.
        double step = rounded;
        while (!(rounded / step > stepsBefore)) step /= 2;
        prbs.BitInterval = static_cast<float>(rounded);
        timeStep = static_cast<float>(step);
        if (sim.Status.MinDisplayInterval < timeStep) {
            sim.Status.MinDisplayInterval = timeStep;
            RaiseDisplayIntervals(sim.Run, timeStep);
            sim.Ui.Message("Display times have been automatically amended to allow for PRBS correlation");
        }
        ShowDuration(sim);
    }
    StopTimeRule(sim);
    return TimeStepWithinLimit(sim);
}

}  // namespace

bool PrbsTimingSetUp(Simulation& sim) {
    // A negative stop time stretched by the PRBS factor can fall before the start time.
    if (RunSpan(sim) <= 0) {
        sim.Ui.Message("Stop Time must be greater than Start Time");
        return false;
    }
    return sim.Run.ManualTimeStep ? ManualStepTiming(sim) : AutomaticStepTiming(sim);
}

}  // namespace quorvane
