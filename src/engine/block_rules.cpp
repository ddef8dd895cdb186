#include "engine/block_rules.h"

#include <cassert>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/rule_context.h"
#include "model/block_traits.h"

namespace quorvane {

namespace {

double InputTerminalValue(const RuleContext& c, const Block& blk) {
    // Constants 1 and 3 name the form and block the terminal-link resolution found; a link
    // that names nothing reads 0, as an unconnected input does.
    const long form = std::lrint(blk.Constant[1]);
    const long block = std::lrint(blk.Constant[3]);
    if (form < 1 || form > FormSlots || block < 0 || block > MaxBlocks) {
        return 0.0;
    }
    return c.Sim.Forms[static_cast<int>(form)].Blocks[static_cast<int>(block)].Output;
}

/// D = (I1 - H1) / ts, the backward difference of input 1; H1 takes the new input.
double InputRate(const RuleContext& c, Block& blk, int b) {
    const double input = c.In(blk, 1);
    const double rate = Quotient(input - blk.History[1], c.TimeStep, b);
    blk.History[1] = static_cast<float>(input);
    return rate;
}

/// Y = I1 + B dI1/dt + A d2I1/dt2 by two backward differences (W1 = A / B, W2 = B).
void SecondLead(const RuleContext& c, Block& blk, int b) {
    const double input = c.In(blk, 1);
    const double rate = InputRate(c, blk, b);
    const double inner = Stored(rate * blk.Work[1] + input, b);
    const double secondRate = Quotient(inner - blk.History[2], c.TimeStep, b);
    blk.History[2] = static_cast<float>(inner);
    blk.Output = c.Time > c.StartTime ? Stored(secondRate * blk.Work[2] + input, b) : blk.InitialCondition;
}

/// Ring store: the input goes in at the write position, the output comes from the read
/// position, both advance; a delay of 0 steps passes the input straight through.
void DelayLine(const RuleContext& c, Block& blk) {
    DelayLines& lines = c.Sim.Delays;
    const int line = static_cast<int>(blk.Work[1]);
    assert(line >= 0 && line <= DelayLineCount);
    int& write = lines.WritePosition[line];
    int& read = lines.ReadPosition[line];
    lines.Cell(line, write) = static_cast<float>(c.In(blk, 1));
    blk.Output = lines.Cell(line, read);
    write = write + 1 == DelayRingLength ? 0 : write + 1;
    read = read + 1 == DelayRingLength ? 0 : read + 1;
}

/// Q = Int((I1 - Min) W1) clamped to 0..2^n - 1 (H1); Y = (Q - W2) W3.
void Quantise(const RuleContext& c, Block& blk, int b) {
    double count = std::floor((c.In(blk, 1) - blk.Constant[2]) * blk.Work[1]);
    if (count < 0.0) {
        count = 0.0;
    }
    if (count > blk.History[1]) {
        count = blk.History[1];
    }
    blk.Output = Stored((count - blk.Work[2]) * blk.Work[3], b);
}

double ClampToRange(double y, double range) {
    if (y >= range) {
        y = range;
    }
    if (-range >= y) {
        y = -range;
    }
    return y;
}

/// H1 last input, H2 last direction, H3 the input at which the output starts to follow again.
/// After a reversal (or a start) the output holds until the input has moved 2 W2 back, then
/// follows W2 behind it.
void Hysteresis(const RuleContext& c, Block& blk, int b) {
    const double x = c.In(blk, 1);
    const double change = x - blk.History[1];
    blk.History[1] = static_cast<float>(x);
    double y = blk.Output;
    if (change != 0.0) {
        const double direction = Sgn(change);
        if (direction != blk.History[2]) {
            blk.History[3] = Stored(x + direction * blk.Work[2], b);
        } else if (std::fabs(x - blk.History[3]) > blk.Work[2]) {
            y = Stored(x - direction * blk.Work[2], b);
        }
    }
    blk.History[2] = static_cast<float>(Sgn(change));
    blk.Output = static_cast<float>(ClampToRange(y, blk.Constant[1]));
}

/// PID from last step's integral: H2 = (E - H3) W3 (derivative), H3 = E, Y = (H1 + E + H2) W1.
void ControllerOutput(const RuleContext& c, Block& blk, int b) {
    const double error = c.In(blk, 2) - c.In(blk, 1);
    blk.History[2] = Stored((error - blk.History[3]) * blk.Work[3], b);
    blk.History[3] = Stored(error, b);
    blk.Output = Stored((blk.History[1] + error + blk.History[2]) * blk.Work[1], b);
}

/// Chirp: H1 = t W1 + K1 is the phase rate ("w ramp"); Y = IC sin(t H1).
void Chirp(const RuleContext& c, Block& blk, int b) {
    blk.History[1] = Stored(c.Time * blk.Work[1] + blk.Constant[1], b);
    blk.Output = Stored(blk.InitialCondition * std::sin(c.Time * blk.History[1]), b);
}

/// The chirp's instantaneous frequency K1 + 2 (H1 - K1) of the source block S, scaled by W1.
void EffectiveFrequency(const RuleContext& c, Block& blk, int b) {
    const Block& source = c.Blocks[blk.Input[1]];
    const double ramp = static_cast<double>(source.History[1]) - source.Constant[1];
    blk.Output = Stored((ramp + ramp + source.Constant[1]) * blk.Work[1], b);
}

void Saturate(const RuleContext& c, Block& blk) {
    double y = c.In(blk, 1);
    if (y > blk.SatHigh) {
        y = blk.SatHigh;
    }
    if (y < blk.SatLow) {
        y = blk.SatLow;
    }
    blk.Output = static_cast<float>(y);
}

/// StickSlip / deadband: 0 within the static friction K1, otherwise I1 less the slip friction K2.
void StickSlip(const RuleContext& c, Block& blk, int b) {
    const double x = c.In(blk, 1);
    blk.Output = std::fabs(x) <= blk.Constant[1] ? 0.0f : Stored(x - Sgn(x) * blk.Constant[2], b);
}

void PrbsRecordInput(const RuleContext& c, const Block& blk, int index) {
    PrbsData& prbs = c.Sim.Prbs;
    assert(index >= 0 && index <= PrbsTableLast);
    prbs.PrbsRecord[static_cast<std::size_t>(index)] = static_cast<float>(c.In(blk, 1));
}

/// The step rule of every FunctionCode; the state blocks' own work is the latch and update.
/// The step loop dispatches on the code itself, both orientations of a function listed: finding
/// the base kind first would cost about a tenth of the step time.
inline void StepRule(RuleContext& c, Block& blk, int b) {
    switch (CodeOf(blk.FunctionCode)) {
    case FunctionCode::Sum: case FunctionCode::SumTurned:
        blk.Output = Stored(c.In(blk, 1) + c.In(blk, 2) + c.In(blk, 3), b);
        break;
    case FunctionCode::Invert: case FunctionCode::InvertTurned:
        blk.Output = Stored(-c.In(blk, 1) - c.In(blk, 2), b);
        break;
    case FunctionCode::Gain: case FunctionCode::GainTurned:
        blk.Output = Stored(blk.Constant[1] * c.In(blk, 1), b);
        break;
    case FunctionCode::Lead: case FunctionCode::LeadTurned: {
        const double input = c.In(blk, 1);
        blk.Output = Stored(InputRate(c, blk, b) * blk.Constant[1] + input, b);
        break;
    }
    case FunctionCode::Differentiate: case FunctionCode::DifferentiateTurned:
        blk.Output = Stored(InputRate(c, blk, b) * blk.Constant[1], b);
        break;
    case FunctionCode::Multiply: case FunctionCode::MultiplyTurned:
        blk.Output = Stored(c.In(blk, 1) * c.In(blk, 2), b);
        break;
    case FunctionCode::Divide: case FunctionCode::DivideTurned:
        blk.Output = Stored(Quotient(c.In(blk, 1), c.In(blk, 2), b), b);
        break;
    case FunctionCode::Saturate: case FunctionCode::SaturateTurned:
        Saturate(c, blk);
        break;
    case FunctionCode::SecondOrderLead: case FunctionCode::SecondOrderLeadTurned:
        SecondLead(c, blk, b);
        break;
    case FunctionCode::SineWave: case FunctionCode::SineWaveTurned:
        if (blk.Input[1] != 0) {
            blk.Output = Stored(std::sin(c.In(blk, 1)) * blk.Constant[2], b);
        } else {
            blk.Output = Stored(std::sin((c.Time + c.TimeStep) * blk.Constant[1]) * blk.Constant[2], b);
        }
        break;
    case FunctionCode::SquareRoot: case FunctionCode::SquareRootTurned:
        blk.Output = Stored(SquareRoot(c.In(blk, 1), b), b);
        break;
    case FunctionCode::Ln: case FunctionCode::LnTurned: {
        // Ln substitutes its "Zero Value" K1 for an input that has no logarithm.
        const double x = c.In(blk, 1);
        blk.Output = Stored(NaturalLog(x > 0.0 ? x : static_cast<double>(blk.Constant[1]), b), b);
        break;
    }
    case FunctionCode::Exponential: case FunctionCode::ExponentialTurned:
        blk.Output = Stored(std::exp(c.In(blk, 1)), b);
        break;
    case FunctionCode::Switch: case FunctionCode::SwitchTurned:
        blk.Output = c.In(blk, 1) > c.In(blk, 2) ? blk.Constant[1] : blk.InitialCondition;
        break;
    case FunctionCode::Controller: case FunctionCode::ControllerTurned:
        ControllerOutput(c, blk, b);
        break;
    case FunctionCode::Delay: case FunctionCode::DelayTurned:
        DelayLine(c, blk);
        break;
    case FunctionCode::UnitRamp:
        blk.Output = Stored(c.Time + c.TimeStep, b);
        break;
    case FunctionCode::Prbs: {
        const int index = c.Sim.Prbs.PrbsIndex;
        assert(index >= 0 && index <= PrbsTableLast);
        blk.Output = c.Sim.Prbs.PrbsSequence[static_cast<std::size_t>(index)];
        break;
    }
    case FunctionCode::Delta:
        // One pulse of area about half size x sample interval for the spectrum.
        blk.Output = c.Time < c.Sim.Fft.SampleInterval ? static_cast<float>(c.Sim.Fft.HalfSize) : 0.0f;
        break;
    case FunctionCode::CorrelatePrbs: case FunctionCode::CorrelatePrbsTurned:
        if (c.Sim.Prbs.PrbsState == 1) {
            PrbsRecordInput(c, blk, c.Sim.Prbs.PrbsIndex);
        }
        break;
    case FunctionCode::InputTerminal: case FunctionCode::InputTerminalTurned:
        blk.Output = static_cast<float>(InputTerminalValue(c, blk));
        break;
    case FunctionCode::OutputTerminal: case FunctionCode::OutputTerminalTurned:
        blk.Output = static_cast<float>(c.In(blk, 1));
        break;
    case FunctionCode::Dac: case FunctionCode::DacTurned: case FunctionCode::Adc:
    case FunctionCode::AdcTurned:
        Quantise(c, blk, b);
        break;
    case FunctionCode::Hysteresis: case FunctionCode::HysteresisTurned:
        Hysteresis(c, blk, b);
        break;
    case FunctionCode::StickSlip: case FunctionCode::StickSlipTurned:
        StickSlip(c, blk, b);
        break;
    case FunctionCode::Chirp:
        Chirp(c, blk, b);
        break;
    case FunctionCode::EffectiveFrequency: case FunctionCode::EffectiveFrequencyTurned:
        EffectiveFrequency(c, blk, b);
        break;
    default:
        // Constants, Zero, the state blocks (latched and updated separately), Display,
        // Unused and Label compute nothing here.
        break;
    }
}

/// Values at the start time where they differ from the step: sources at StartTime, the
/// derivative blocks keeping their initial condition, the state blocks untouched.
void InitialRule(RuleContext& c, Block& blk, int b) {
    switch (BaseOf(blk.FunctionCode)) {
    case FunctionCode::Integrate: case FunctionCode::Lag: case FunctionCode::Lead:
    case FunctionCode::Differentiate: case FunctionCode::SecondOrderLag:
        break;
    case FunctionCode::SecondOrderLead: {
        const double input = c.In(blk, 1);
        const double rate = InputRate(c, blk, b);
        blk.History[2] = Stored(rate * blk.Work[1] + input, b);
        break;
    }
    case FunctionCode::SineWave:
        if (blk.Input[1] != 0) {
            StepRule(c, blk, b);
        } else {
            blk.Output = Stored(std::sin(c.StartTime * blk.Constant[1]) * blk.Constant[2], b);
        }
        break;
    case FunctionCode::Controller: {
        const double error = c.In(blk, 2) - c.In(blk, 1);
        blk.Output = Stored(blk.Work[1] * static_cast<double>(blk.History[1]) + blk.Work[1] * error, b);
        break;
    }
    case FunctionCode::UnitRamp:
        blk.Output = static_cast<float>(c.StartTime);
        break;
    case FunctionCode::Prbs:
        c.Sim.Prbs.PrbsIndex = 0;
        blk.Output = c.Sim.Prbs.PrbsSequence[0];
        break;
    case FunctionCode::Delta: case FunctionCode::Chirp:
        blk.Output = 0.0f;
        break;
    case FunctionCode::CorrelatePrbs:
        PrbsRecordInput(c, blk, 0);
        break;
    case FunctionCode::Hysteresis:
        blk.Output = static_cast<float>(ClampToRange(c.In(blk, 1), blk.Constant[1]));
        break;
    case FunctionCode::EffectiveFrequency:
        blk.Output = Stored(static_cast<double>(blk.Work[1]) * c.Blocks[blk.Input[1]].Constant[1], b);
        break;
    default:
        StepRule(c, blk, b);
        break;
    }
}

void SeedRule(const RuleContext& c, Block& blk, int b) {
    switch (BaseOf(blk.FunctionCode)) {
    case FunctionCode::Integrate: case FunctionCode::Lead: case FunctionCode::Differentiate:
    case FunctionCode::SecondOrderLead:
        blk.History[1] = static_cast<float>(c.In(blk, 1));
        break;
    case FunctionCode::Controller:
        blk.History[3] = Stored(c.In(blk, 2) - c.In(blk, 1), b);
        break;
    case FunctionCode::Hysteresis:
        blk.History[1] = static_cast<float>(c.In(blk, 1));
        blk.History[2] = 0.0f;
        blk.History[3] = 0.0f;
        break;
    default:
        break;
    }
}

}  // namespace

void EvaluateInitial(RuleContext& context, int first, int last) {
    for (int b = first; b <= last; ++b) {
        InitialRule(context, context.Blocks[b], b);
    }
}

void SeedHistories(RuleContext& context, int first, int last) {
    for (int b = first; b <= last; ++b) {
        SeedRule(context, context.Blocks[b], b);
    }
}

void EvaluateStep(RuleContext& context, int first, int last) {
    for (int b = first; b <= last; ++b) {
        StepRule(context, context.Blocks[b], b);
    }
}

void RefreshMemoryless(RuleContext& context, int first, int last) {
    for (int b = first; b <= last; ++b) {
        Block& blk = context.Blocks[b];
        // A free-running Sine Wave is a source; only the one driven by its input is refreshed.
        if (TraitsOf(blk.FunctionCode).Refreshed && !IsFreeSource(blk)) {
            StepRule(context, blk, b);
        }
    }
}

}  // namespace quorvane
