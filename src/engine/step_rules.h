#pragma once

#include <cassert>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/rule_context.h"

namespace quorvane::step_rules {

// The step rule of each kind of evaluated block, one function per kind, shared by the plain
// block loop and the prepared step plan so that both compute every value the same way. A
// context C gives the run's times, the simulation and the blocks, and In(block, k), the value
// at input k of the block being evaluated.

template <class C>
double InputTerminalValue(const C& c, const Block& blk) {
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
template <class C>
double InputRate(const C& c, Block& blk, int b) {
    const double input = c.In(blk, 1);
    const double rate = Quotient(input - blk.History[1], c.TimeStep, b);
    blk.History[1] = static_cast<float>(input);
    return rate;
}

inline double ClampToRange(double y, double range) {
    if (y >= range) {
        y = range;
    }
    if (-range >= y) {
        y = -range;
    }
    return y;
}

template <class C>
void PrbsRecordInput(const C& c, const Block& blk, int index) {
    PrbsData& prbs = c.Sim.Prbs;
    assert(index >= 0 && index <= PrbsTableLast);
    prbs.PrbsRecord[static_cast<std::size_t>(index)] = static_cast<float>(c.In(blk, 1));
}

template <class C>
void Sum(C& c, Block& blk, int b) {
    blk.Output = Stored(c.In(blk, 1) + c.In(blk, 2) + c.In(blk, 3), b);
}

/// The context of a block whose third input is unconnected: it reads the 0 of block 0 without
/// looking it up, and still adds it (adding 0 turns a sum of -0 into +0).
template <class C>
struct ThirdUnconnected {
    C& Context;
    double In(const Block& blk, int k) const { return k == 3 ? 0.0 : Context.In(blk, k); }
};

template <class C>
void SumOfTwo(C& c, Block& blk, int b) {
    ThirdUnconnected<C> two{c};
    Sum(two, blk, b);
}

template <class C>
void Invert(C& c, Block& blk, int b) { blk.Output = Stored(-c.In(blk, 1) - c.In(blk, 2), b); }

template <class C>
void Gain(C& c, Block& blk, int b) { blk.Output = Stored(blk.Constant[1] * c.In(blk, 1), b); }

template <class C>
void Lead(C& c, Block& blk, int b) {
    const double input = c.In(blk, 1);
    blk.Output = Stored(InputRate(c, blk, b) * blk.Constant[1] + input, b);
}

template <class C>
void Differentiate(C& c, Block& blk, int b) {
    blk.Output = Stored(InputRate(c, blk, b) * blk.Constant[1], b);
}

template <class C>
void Multiply(C& c, Block& blk, int b) { blk.Output = Stored(c.In(blk, 1) * c.In(blk, 2), b); }

template <class C>
void Divide(C& c, Block& blk, int b) {
    blk.Output = Stored(Quotient(c.In(blk, 1), c.In(blk, 2), b), b);
}

template <class C>
void Saturate(C& c, Block& blk, int) {
    blk.Output = static_cast<float>(WithinLimits(c.In(blk, 1), blk));
}

/// Y = I1 + B dI1/dt + A d2I1/dt2 by two backward differences (W1 = A / B, W2 = B).
template <class C>
void SecondLead(C& c, Block& blk, int b) {
    const double input = c.In(blk, 1);
    const double rate = InputRate(c, blk, b);
    const double inner = Stored(rate * blk.Work[1] + input, b);
    const double secondRate = Quotient(inner - blk.History[2], c.TimeStep, b);
    blk.History[2] = static_cast<float>(inner);
    blk.Output = c.Time > c.StartTime ? Stored(secondRate * blk.Work[2] + input, b) : blk.InitialCondition;
}

template <class C>
void DrivenSine(C& c, Block& blk, int b) {
    blk.Output = Stored(std::sin(c.In(blk, 1)) * blk.Constant[2], b);
}

/// A free-running sine gives its value at the end of the step.
template <class C>
void FreeSine(C& c, Block& blk, int b) {
    blk.Output = Stored(std::sin((c.Time + c.TimeStep) * blk.Constant[1]) * blk.Constant[2], b);
}

template <class C>
void SquareRoot(C& c, Block& blk, int b) {
    blk.Output = Stored(quorvane::SquareRoot(c.In(blk, 1), b), b);
}

/// Ln substitutes its "Zero Value" K1 for an input that has no logarithm.
template <class C>
void Ln(C& c, Block& blk, int b) {
    const double x = c.In(blk, 1);
    blk.Output = Stored(NaturalLog(x > 0.0 ? x : static_cast<double>(blk.Constant[1]), b), b);
}

template <class C>
void Exponential(C& c, Block& blk, int b) { blk.Output = Stored(std::exp(c.In(blk, 1)), b); }

template <class C>
void Switch(C& c, Block& blk, int) {
    blk.Output = c.In(blk, 1) > c.In(blk, 2) ? blk.Constant[1] : blk.InitialCondition;
}

/// PID from last step's integral: H2 = (E - H3) W3 (derivative), H3 = E, Y = (H1 + E + H2) W1.
template <class C>
void Controller(C& c, Block& blk, int b) {
    const double error = c.In(blk, 2) - c.In(blk, 1);
    blk.History[2] = Stored((error - blk.History[3]) * blk.Work[3], b);
    blk.History[3] = Stored(error, b);
    blk.Output = Stored((blk.History[1] + error + blk.History[2]) * blk.Work[1], b);
}

/// Ring store: the input goes in at the write position, the output comes from the read
/// position, both advance; a delay of 0 steps passes the input straight through.
template <class C>
void Delay(C& c, Block& blk, int) {
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

template <class C>
void UnitRamp(C& c, Block& blk, int b) { blk.Output = Stored(c.Time + c.TimeStep, b); }

template <class C>
void Prbs(C& c, Block& blk, int) {
    const int index = c.Sim.Prbs.PrbsIndex;
    assert(index >= 0 && index <= PrbsTableLast);
    blk.Output = c.Sim.Prbs.PrbsSequence[static_cast<std::size_t>(index)];
}

/// One pulse of area about half size x sample interval for the spectrum.
template <class C>
void Delta(C& c, Block& blk, int) {
    blk.Output = c.Time < c.Sim.Fft.SampleInterval ? static_cast<float>(c.Sim.Fft.HalfSize) : 0.0f;
}

template <class C>
void CorrelatePrbs(C& c, Block& blk, int) {
    if (c.Sim.Prbs.PrbsState == 1) {
        PrbsRecordInput(c, blk, c.Sim.Prbs.PrbsIndex);
    }
}

template <class C>
void InputTerminal(C& c, Block& blk, int) {
    blk.Output = static_cast<float>(InputTerminalValue(c, blk));
}

template <class C>
void OutputTerminal(C& c, Block& blk, int) { blk.Output = static_cast<float>(c.In(blk, 1)); }

/// DAC and ADC: Q = Int((I1 - Min) W1) clamped to 0..2^n - 1 (H1); Y = (Q - W2) W3.
template <class C>
void Quantise(C& c, Block& blk, int b) {
    double count = std::floor((c.In(blk, 1) - blk.Constant[2]) * blk.Work[1]);
    if (count < 0.0) {
        count = 0.0;
    }
    if (count > blk.History[1]) {
        count = blk.History[1];
    }
    blk.Output = Stored((count - blk.Work[2]) * blk.Work[3], b);
}

/// H1 last input, H2 last direction, H3 the input at which the output starts to follow again.
/// After a reversal (or a start) the output holds until the input has moved 2 W2 back, then
/// follows W2 behind it.
template <class C>
void Hysteresis(C& c, Block& blk, int b) {
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

/// StickSlip / deadband: 0 within the static friction K1, otherwise I1 less the slip friction K2.
template <class C>
void StickSlip(C& c, Block& blk, int b) {
    const double x = c.In(blk, 1);
    blk.Output = std::fabs(x) <= blk.Constant[1] ? 0.0f : Stored(x - Sgn(x) * blk.Constant[2], b);
}

/// Chirp: H1 = t W1 + K1 is the phase rate ("w ramp"); Y = IC sin(t H1).
template <class C>
void Chirp(C& c, Block& blk, int b) {
    blk.History[1] = Stored(c.Time * blk.Work[1] + blk.Constant[1], b);
    blk.Output = Stored(blk.InitialCondition * std::sin(c.Time * blk.History[1]), b);
}

/// The chirp's instantaneous frequency K1 + 2 (H1 - K1) of the source block S, scaled by W1.
template <class C>
void EffectiveFrequency(C& c, Block& blk, int b) {
    const Block& source = c.Blocks[blk.Input[1]];
    const double ramp = static_cast<double>(source.History[1]) - source.Constant[1];
    blk.Output = Stored((ramp + ramp + source.Constant[1]) * blk.Work[1], b);
}

}  // namespace quorvane::step_rules
