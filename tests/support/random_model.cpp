#include "support/random_model.h"

#include <array>

#include "engine/simulation.h"
#include "model/function_code.h"

namespace quorvane {

namespace {

using F = FunctionCode;

/// Kinds by weight: the common arithmetic and state blocks more often than the rest.
constexpr std::array Kinds{
    F::Constant, F::Constant, F::Sum, F::Sum, F::Invert, F::Gain, F::Gain, F::Integrate, F::Integrate, F::Lag,
    F::Lag, F::Lead, F::Differentiate, F::Multiply, F::Divide, F::Saturate, F::Saturate, F::SecondOrderLag,
    F::SecondOrderLead, F::SineWave, F::SineWave, F::SquareRoot, F::Ln, F::Exponential, F::Switch, F::Controller,
    F::Controller, F::Delay, F::UnitRamp, F::Prbs, F::Display, F::Delta, F::CorrelatePrbs, F::InputTerminal,
    F::OutputTerminal, F::Dac, F::Adc, F::Hysteresis, F::StickSlip, F::Chirp, F::EffectiveFrequency, F::Zero,
    F::Unused, F::Label,
};

/// Codes with a turned orientation at code + 1 (Effective Freq. is the pair that starts odd).
bool Paired(F kind) {
    switch (kind) {
    case F::Zero: case F::Constant: case F::UnitRamp: case F::Prbs: case F::Delta: case F::Unused: case F::Chirp:
    case F::Label:
        return false;
    default:
        return true;
    }
}

struct Draw {
    std::mt19937& Rng;
    float Uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(Rng); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(Rng); }
};

void SetConstants(Block& blk, F kind, Draw& draw, float timeStep) {
    blk.Constant[1] = draw.Uniform(0.1f, 2.0f);
    blk.Constant[2] = draw.Uniform(0.1f, 2.0f);
    blk.Constant[3] = draw.Uniform(0.1f, 2.0f);
    switch (kind) {
    case F::Gain: case F::StickSlip: case F::Switch:
        blk.Constant[1] = draw.Uniform(-3.0f, 3.0f);
        break;
    case F::Delay:
        blk.Constant[1] = timeStep * static_cast<float>(draw.Between(0, 8));
        break;
    case F::Dac: case F::Adc:
        blk.Constant[1] = static_cast<float>(draw.Between(2, 10));
        blk.Constant[2] = -draw.Uniform(0.5f, 2.0f);
        blk.Constant[3] = draw.Uniform(0.5f, 2.0f);
        break;
    case F::Hysteresis:
        blk.Constant[1] = draw.Uniform(1.0f, 10.0f);
        blk.Constant[2] = draw.Uniform(5.0f, 50.0f);
        break;
    case F::Chirp:
        blk.Constant[2] = draw.Uniform(2.0f, 5.0f);
        break;
    default:
        break;
    }
    if (draw.Chance(0.02)) blk.Constant[1] = 0.0f;   // what the validation would refuse
}

}  // namespace

void BuildRandomModel(Simulation& sim, int form, std::mt19937& rng, int maxBlocks) {
    Draw draw{rng};
    constexpr std::array Steps{0.01f, 0.05f, 0.2f};
    sim.Run.TimeStep = Steps[static_cast<std::size_t>(draw.Between(0, 2))];
    sim.Prbs.PrbsState = draw.Between(0, 1);
    sim.Prbs.PrbsIndex = draw.Between(0, 3);
    for (int i = 0; i <= 3; ++i) sim.Prbs.PrbsSequence[static_cast<std::size_t>(i)] = draw.Chance(0.5) ? 1.0f : -1.0f;
    sim.Fft.HalfSize = 64;
    sim.Fft.SampleInterval = 0.1f;

    SimulationForm& sheet = sim.Forms[form];
    sheet = SimulationForm{};
    sheet.InUse = 1;
    sheet.BlockCount = draw.Between(1, maxBlocks);
    int delays = 0;
    for (int b = 1; b <= sheet.BlockCount; ++b) {
        Block& blk = sheet.Blocks[b];
        F kind = Kinds[static_cast<std::size_t>(draw.Between(0, static_cast<int>(Kinds.size()) - 1))];
        if (kind == F::Delay && ++delays > DelayLineCount) kind = F::Gain;
        blk.FunctionCode = CodeNumber(kind) + (Paired(kind) && draw.Chance(0.5) ? 1 : 0);
        SetConstants(blk, kind, draw, sim.Run.TimeStep);
        // Now and then one near the float limit, so that a state block can overflow as it moves.
        blk.InitialCondition = draw.Chance(0.04) ? 3.0e38f : draw.Uniform(-1.0f, 1.0f);
        if (draw.Chance(0.5)) {
            blk.SatHigh = draw.Uniform(0.5f, 5.0f);
            blk.SatLow = -draw.Uniform(0.5f, 5.0f);
        }
        for (int k = 1; k <= MaxInputs; ++k) blk.Input[k] = draw.Chance(0.25) ? 0 : draw.Between(1, sheet.BlockCount);
        if (kind == F::InputTerminal) {
            blk.Constant[1] = static_cast<float>(form);
            blk.Constant[3] = static_cast<float>(draw.Between(0, sheet.BlockCount));
        }
    }
}

}  // namespace quorvane
