#pragma once

#include "engine/step_rules.h"
#include "model/block_traits.h"

namespace quorvane {

/// What one block computes in a time step, both orientations alike, a Sine Wave told apart by
/// whether its input drives it, a Sum by whether its third input is connected.
enum class StepKind : unsigned char {
    None, Sum, Invert, Gain, Lead, Differentiate, Multiply, Divide, Saturate, SecondLead, DrivenSine,
    FreeSine, SquareRoot, Ln, Exponential, Switch, Controller, Delay, UnitRamp, Prbs, Delta, CorrelatePrbs,
    InputTerminal, OutputTerminal, Quantise, Hysteresis, StickSlip, Chirp, EffectiveFrequency, SumOfTwo,
};
inline constexpr int StepKindCount = static_cast<int>(StepKind::SumOfTwo) + 1;

template <class C>
using BlockRule = void (*)(C&, Block&, int);

template <class C>
void NoRule(C&, Block&, int) {}

/// The step rule of each kind, in StepKind order.
template <class C>
inline constexpr BlockRule<C> StepRules[StepKindCount] = {
    NoRule<C>, step_rules::Sum<C>, step_rules::Invert<C>, step_rules::Gain<C>, step_rules::Lead<C>,
    step_rules::Differentiate<C>, step_rules::Multiply<C>, step_rules::Divide<C>, step_rules::Saturate<C>,
    step_rules::SecondLead<C>, step_rules::DrivenSine<C>, step_rules::FreeSine<C>, step_rules::SquareRoot<C>,
    step_rules::Ln<C>, step_rules::Exponential<C>, step_rules::Switch<C>, step_rules::Controller<C>,
    step_rules::Delay<C>, step_rules::UnitRamp<C>, step_rules::Prbs<C>, step_rules::Delta<C>,
    step_rules::CorrelatePrbs<C>, step_rules::InputTerminal<C>, step_rules::OutputTerminal<C>,
    step_rules::Quantise<C>, step_rules::Hysteresis<C>, step_rules::StickSlip<C>, step_rules::Chirp<C>,
    step_rules::EffectiveFrequency<C>, step_rules::SumOfTwo<C>,
};

/// Constants, Zero, the state blocks (latched and updated separately), Display, Unused, Label
/// and codes outside the catalogue compute nothing in a step.
inline StepKind StepKindOf(const Block& blk) {
    using F = FunctionCode;
    using K = StepKind;
    switch (BaseOf(blk.FunctionCode)) {
    case F::Sum: return blk.Input[3] != 0 ? K::Sum : K::SumOfTwo;
    case F::Invert: return K::Invert;
    case F::Gain: return K::Gain;
    case F::Lead: return K::Lead;
    case F::Differentiate: return K::Differentiate;
    case F::Multiply: return K::Multiply;
    case F::Divide: return K::Divide;
    case F::Saturate: return K::Saturate;
    case F::SecondOrderLead: return K::SecondLead;
    case F::SineWave: return blk.Input[1] != 0 ? K::DrivenSine : K::FreeSine;
    case F::SquareRoot: return K::SquareRoot;
    case F::Ln: return K::Ln;
    case F::Exponential: return K::Exponential;
    case F::Switch: return K::Switch;
    case F::Controller: return K::Controller;
    case F::Delay: return K::Delay;
    case F::UnitRamp: return K::UnitRamp;
    case F::Prbs: return K::Prbs;
    case F::Delta: return K::Delta;
    case F::CorrelatePrbs: return K::CorrelatePrbs;
    case F::InputTerminal: return K::InputTerminal;
    case F::OutputTerminal: return K::OutputTerminal;
    case F::Dac: case F::Adc: return K::Quantise;
    case F::Hysteresis: return K::Hysteresis;
    case F::StickSlip: return K::StickSlip;
    case F::Chirp: return K::Chirp;
    case F::EffectiveFrequency: return K::EffectiveFrequency;
    default: return K::None;
    }
}

/// Kinds that write shared stores (delay lines, the PRBS record) at places known only in the step:
/// a plan keeps the blocks of one such kind in block order.
constexpr bool WritesSharedStore(StepKind kind) { return kind == StepKind::Delay || kind == StepKind::CorrelatePrbs; }

}  // namespace quorvane
