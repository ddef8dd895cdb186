#include "engine/block_rules.h"

#include "engine/checked_math.h"
#include "engine/rule_context.h"
#include "engine/step_kinds.h"
#include "model/block_traits.h"

namespace quorvane {

namespace {

using step_rules::ClampToRange;
using step_rules::InputRate;
using step_rules::PrbsRecordInput;

void StepRule(RuleContext& c, Block& blk, int b) {
    StepRules<RuleContext>[static_cast<int>(StepKindOf(blk))](c, blk, b);
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
