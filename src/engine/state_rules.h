#pragma once

#include "engine/checked_math.h"
#include "engine/rule_context.h"
#include "model/block_traits.h"

namespace quorvane {

/// Latches input X and error E of the state blocks first..last before any state changes.
void LatchStates(RuleContext& context, int first, int last);

/// Advances the state blocks first..last over one step with their latched X and E.
void UpdateStates(RuleContext& context, int first, int last);

/// The kinds of state block, both orientations alike.
enum class StateKind : unsigned char { None, Integrate, Lag, SecondLag, Controller };
inline constexpr int StateKindCount = static_cast<int>(StateKind::Controller) + 1;

inline StateKind StateKindOf(const Block& blk) {
    switch (BaseOf(blk.FunctionCode)) {
    case FunctionCode::Integrate: return StateKind::Integrate;
    case FunctionCode::Lag: return StateKind::Lag;
    case FunctionCode::SecondOrderLag: return StateKind::SecondLag;
    case FunctionCode::Controller: return StateKind::Controller;
    default: return StateKind::None;
    }
}

namespace state_rules {

// One latch and one update function per kind, shared by the plain block loop and the step plan.

template <class C>
void NoState(C&, Block&, int) {}

template <class C>
void LatchInput(C& c, Block& blk, int b) { c.LatchedInput(b) = c.In(blk, 1); }

template <class C>
void LatchLagError(C& c, Block& blk, int b) {
    c.LatchedError(b) = c.In(blk, 1) - blk.Output;
}

template <class C>
void LatchControlError(C& c, Block& blk, int b) {
    c.LatchedError(b) = c.In(blk, 2) - c.In(blk, 1);
}

/// Trapezoidal rule with W1 = ts / k: Y += (H1 + X) W1 / 2, H1 = X, then the saturation
/// limits. An integral beyond the float range overflows before any limit applies.
template <class C>
void Integrate(C& c, Block& blk, int b) {
    const double input = c.LatchedInput(b);
    const double y = Stored(blk.Output + (blk.History[1] + input) * 0.5 * blk.Work[1], b);
    blk.History[1] = static_cast<float>(input);
    blk.Output = static_cast<float>(WithinLimits(y, blk));
}

/// Exact for an input held over the step: Y += (X - Y)(1 - e^(-ts/k)).
template <class C>
void Lag(C& c, Block& blk, int b) {
    blk.Output = Stored(blk.Output + (c.LatchedInput(b) - blk.Output) * blk.Work[1], b);
}

/// H2 integrates the error with time constant B (W1 = ts / B); Y lags H2 with time constant
/// A / B (W2 = 1 - e^(-ts B / A)). Together: A Y'' + B Y' + Y = I1.
template <class C>
void SecondLag(C& c, Block& blk, int b) {
    blk.History[2] = Stored(blk.History[2] + blk.Work[1] * c.LatchedError(b), b);
    blk.Output = Stored(blk.Output + (static_cast<double>(blk.History[2]) - blk.Output) * blk.Work[2], b);
}

/// Integral H1 += W2 E, held within the controller's integral bounds.
template <class C>
void ControllerIntegral(C& c, Block& blk, int b) {
    double h = Stored(blk.History[1] + blk.Work[2] * c.LatchedError(b), b);
    const IntegralBounds bounds = c.BoundsOfIntegral(blk, b);
    if (h > bounds.Upper) {
        h = bounds.Upper;
    }
    if (h < bounds.Lower) {
        h = bounds.Lower;
    }
    blk.History[1] = Stored(h, b);
}

}  // namespace state_rules

template <class C>
using StateRule = void (*)(C&, Block&, int);

/// The latch and the update of each kind, in StateKind order.
template <class C>
inline constexpr StateRule<C> LatchRules[StateKindCount] = {
    state_rules::NoState<C>, state_rules::LatchInput<C>, state_rules::LatchInput<C>, state_rules::LatchLagError<C>,
    state_rules::LatchControlError<C>,
};
template <class C>
inline constexpr StateRule<C> UpdateRules[StateKindCount] = {
    state_rules::NoState<C>, state_rules::Integrate<C>, state_rules::Lag<C>, state_rules::SecondLag<C>,
    state_rules::ControllerIntegral<C>,
};

}  // namespace quorvane
