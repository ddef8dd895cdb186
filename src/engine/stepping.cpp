#include "engine/stepping.h"

#include "engine/block_rules.h"
#include "engine/rule_context.h"
#include "engine/state_rules.h"

namespace quorvane {

void InitialEvaluation(Simulation& sim, int form) {
    RuleContext context(sim, form);
    const int count = sim.Forms[form].BlockCount;
    EvaluateInitial(context, 1, count);
    SeedHistories(context, 1, count);
}

void StepModel(Simulation& sim, int form) {
    RuleContext context(sim, form);
    const ExecutionList& order = sim.Order;
    // Constants never change and displays compute nothing: sources through state blocks only.
    EvaluateStep(context, order.ConstantsEnd + 1, order.StatesEnd);
    LatchStates(context, order.AlgebraicEnd + 1, order.StatesEnd);
    UpdateStates(context, order.AlgebraicEnd + 1, order.StatesEnd);
}

void RefreshAlgebraic(Simulation& sim, int form) {
    RuleContext context(sim, form);
    RefreshMemoryless(context, sim.Order.SourcesEnd + 1, sim.Order.AlgebraicEnd);
}

}  // namespace quorvane
