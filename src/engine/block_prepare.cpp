#include "engine/block_prepare.h"

#include <cmath>

#include "engine/checked_math.h"
#include "engine/simulation.h"
#include "model/block_traits.h"
#include "platform/circle_constants.h"

namespace quorvane {

namespace {

/// DAC and ADC: n bits over Min..Max. A bipolar range is made symmetric about the code of
/// zero (Max = -Min (2^(n-1) - 1) / 2^(n-1)); W1 counts per unit, W2 the count of zero,
/// W3 units per count, H1 the full-scale count 2^n - 1.
void PrepareQuantiser(Block& blk, int b) {
    const double bits = blk.Constant[1];
    blk.History[1] = Stored(std::pow(2.0, bits) - 1.0, b);
    if (blk.Constant[3] > 0.0f && blk.Constant[2] < 0.0f) {
        const double half = std::pow(2.0, bits - 1.0);
        blk.Constant[3] = Stored(-static_cast<double>(blk.Constant[2]) * (half - 1.0) / half, b);
    }
    const double span = static_cast<double>(blk.Constant[3]) - blk.Constant[2];
    blk.Work[1] = Stored(Quotient(blk.History[1], span, b), b);
    blk.Work[2] = Stored(std::floor(-static_cast<double>(blk.Constant[2]) * blk.Work[1]), b);
    blk.Work[3] = Stored(Quotient(1.0, blk.Work[1], b), b);
}

void PrepareController(Block& blk, double timeStep, int b) {
    blk.Work[1] = blk.Constant[1];
    blk.Work[2] = Stored(Quotient(timeStep, blk.Constant[2], b), b);
    blk.Work[3] = Stored(Quotient(blk.Constant[3], timeStep, b), b);
    blk.History[1] = 0.0f;
    blk.History[2] = 0.0f;
    blk.History[3] = 0.0f;
    if (blk.InitialCondition != 0.0f) {
        // The integral starts where the output equals the initial condition.
        blk.History[1] = Stored(Quotient(blk.InitialCondition, blk.Constant[1], b), b);
    }
}

void PrepareChirp(Simulation& sim, Block& blk, int b) {
    if (blk.Work[3] == 1.0f) {   // "Automatic Time Span": the span is the whole run
        blk.Constant[3] = sim.Run.StopTime;
    }
    blk.Work[1] = Stored(Quotient(static_cast<double>(blk.Constant[2]) - blk.Constant[1], blk.Constant[3], b), b);
}

}  // namespace

void PrepareWorkingConstants(Simulation& sim, int form, int b) {
    SimulationForm& sheet = sim.Forms[form];
    Block& blk = sheet.Blocks[b];
    const double timeStep = sim.Run.TimeStep;
    using enum FunctionCode;
    switch (BaseOf(blk.FunctionCode)) {
    case Integrate:
        blk.Work[1] = Stored(Quotient(timeStep, blk.Constant[1], b), b);
        blk.History[1] = sheet.Blocks[blk.Input[1]].Output;
        break;
    case Lag:
        blk.Work[1] = Stored(1.0 - std::exp(-Quotient(timeStep, blk.Constant[1], b)), b);
        break;
    case SecondOrderLag:
        blk.Work[1] = Stored(Quotient(timeStep, blk.Constant[2], b), b);
        blk.Work[2] = Stored(1.0 - std::exp(-Quotient(timeStep * blk.Constant[2], blk.Constant[1], b)), b);
        blk.History[1] = 0.0f;
        blk.History[2] = blk.InitialCondition;
        blk.Output = blk.InitialCondition;
        break;
    case SecondOrderLead:
        blk.Work[2] = blk.Constant[2];
        blk.Work[1] = Stored(Quotient(blk.Constant[1], blk.Constant[2], b), b);
        blk.History[1] = 0.0f;
        blk.History[2] = 0.0f;
        break;
    case Controller:
        PrepareController(blk, timeStep, b);
        break;
    case Delta:
        blk.Work[1] = static_cast<float>(sim.Fft.HalfSize);
        blk.Work[2] = sim.Fft.SampleInterval;
        break;
    case Dac: case Adc:
        PrepareQuantiser(blk, b);
        break;
    case Hysteresis:
        blk.Work[1] = Stored(Quotient(1.0, blk.Constant[1], b), b);
        blk.Work[2] = Stored(static_cast<double>(blk.Constant[2]) * blk.Constant[1] / 200.0, b);
        break;
    case Chirp:
        PrepareChirp(sim, blk, b);
        break;
    case EffectiveFrequency:
        blk.Work[1] = static_cast<float>(sim.Run.FrequencyInHz ? 1.0 / RadiansPerCycle : 1.0);
        break;
    default:
        break;
    }
}

}  // namespace quorvane
