#include "engine/state_rules.h"

#include <utility>

#include "engine/checked_math.h"
#include "engine/rule_context.h"
#include "model/function_code.h"

namespace quorvane {

namespace {

/// Trapezoidal rule with W1 = ts / k: Y += (H1 + X) W1 / 2, H1 = X, then the saturation
/// limits. An integral beyond the float range overflows before any limit applies.
void Integrate(Block& blk, double input, int b) {
    double y = Stored(blk.Output + (blk.History[1] + input) * 0.5 * blk.Work[1], b);
    blk.History[1] = static_cast<float>(input);
    if (y > blk.SatHigh) {
        y = blk.SatHigh;
    }
    if (y < blk.SatLow) {
        y = blk.SatLow;
    }
    blk.Output = static_cast<float>(y);
}

/// Exact for an input held over the step: Y += (X - Y)(1 - e^(-ts/k)).
void Lag(Block& blk, double input, int b) {
    blk.Output = Stored(blk.Output + (input - blk.Output) * blk.Work[1], b);
}

/// H2 integrates the error with time constant B (W1 = ts / B); Y lags H2 with time constant
/// A / B (W2 = 1 - e^(-ts B / A)). Together: A Y'' + B Y' + Y = I1.
void SecondLag(Block& blk, double error, int b) {
    blk.History[2] = Stored(blk.History[2] + blk.Work[1] * error, b);
    blk.Output = Stored(blk.Output + (static_cast<double>(blk.History[2]) - blk.Output) * blk.Work[2], b);
}

/// Integral H1 += W2 E, held so that the integral term W1 H1 stays within the saturation
/// limits. A negative proportional gain turns the bounds round, so a reverse-acting
/// controller is held inside the limits too.
void ControllerIntegral(Block& blk, double error, int b) {
    double h = Stored(blk.History[1] + blk.Work[2] * error, b);
    double upper = Quotient(blk.SatHigh, blk.Work[1], b);
    double lower = Quotient(blk.SatLow, blk.Work[1], b);
    if (blk.Work[1] < 0.0f) {
        std::swap(upper, lower);
    }
    if (h > upper) {
        h = upper;
    }
    if (h < lower) {
        h = lower;
    }
    blk.History[1] = Stored(h, b);
}

}  // namespace

// Like the step rules, the latch and update dispatch on the code itself, both orientations
// listed, to keep a base-kind look-up out of the step loop.

void LatchStates(RuleContext& context, int first, int last) {
    RunState& status = context.Sim.Status;
    for (int b = first; b <= last; ++b) {
        const Block& blk = context.Blocks[b];
        switch (CodeOf(blk.FunctionCode)) {
        case FunctionCode::Integrate: case FunctionCode::IntegrateTurned: case FunctionCode::Lag:
        case FunctionCode::LagTurned:
            status.LatchedInput[b] = context.In(blk, 1);
            break;
        case FunctionCode::SecondOrderLag: case FunctionCode::SecondOrderLagTurned:
            status.LatchedError[b] = context.In(blk, 1) - blk.Output;
            break;
        case FunctionCode::Controller: case FunctionCode::ControllerTurned:
            status.LatchedError[b] = context.In(blk, 2) - context.In(blk, 1);
            break;
        default:
            break;
        }
    }
}

void UpdateStates(RuleContext& context, int first, int last) {
    const RunState& status = context.Sim.Status;
    for (int b = first; b <= last; ++b) {
        Block& blk = context.Blocks[b];
        switch (CodeOf(blk.FunctionCode)) {
        case FunctionCode::Integrate: case FunctionCode::IntegrateTurned:
            Integrate(blk, status.LatchedInput[b], b);
            break;
        case FunctionCode::Lag: case FunctionCode::LagTurned:
            Lag(blk, status.LatchedInput[b], b);
            break;
        case FunctionCode::SecondOrderLag: case FunctionCode::SecondOrderLagTurned:
            SecondLag(blk, status.LatchedError[b], b);
            break;
        case FunctionCode::Controller: case FunctionCode::ControllerTurned:
            ControllerIntegral(blk, status.LatchedError[b], b);
            break;
        default:
            break;
        }
    }
}

}  // namespace quorvane
