#include "engine/stepping.h"

#include "engine/block_rules.h"
#include "engine/rule_context.h"
#include "engine/simulation.h"
#include "engine/state_rules.h"

namespace quorvane {

namespace {

void PlainStep(Simulation& sim, int form) {
    RuleContext context(sim, form);
    const ExecutionList& order = sim.Order;
    // Constants never change and displays compute nothing: sources through state blocks only.
    EvaluateStep(context, order.ConstantsEnd + 1, order.StatesEnd);
    LatchStates(context, order.AlgebraicEnd + 1, order.StatesEnd);
    UpdateStates(context, order.AlgebraicEnd + 1, order.StatesEnd);
}

void PlainRefresh(Simulation& sim, int form) {
    RuleContext context(sim, form);
    RefreshMemoryless(context, sim.Order.SourcesEnd + 1, sim.Order.AlgebraicEnd);
}

/// The plan for the form; made here only when no initial evaluation has made it.
StepPlan& PlanFor(Simulation& sim, int form) {
    if (sim.Plan.Form != form) BuildStepPlan(sim, form);
    return sim.Plan;
}

}  // namespace

void InitialEvaluation(Simulation& sim, int form) {
    RuleContext context(sim, form);
    const int count = sim.Forms[form].BlockCount;
    EvaluateInitial(context, 1, count);
    SeedHistories(context, 1, count);
    BuildStepPlan(sim, form);
}

void StepModel(Simulation& sim, int form) {
    if (sim.Plan.PlainLoop) {
        PlainStep(sim, form);
        return;
    }
    StepPlan& plan = PlanFor(sim, form);
    RuleContext context(sim, form);
    WalkPass(context, plan.Evaluation);
    WalkPass(context, plan.States);
}

void RefreshAlgebraic(Simulation& sim, int form) {
    if (sim.Plan.PlainLoop) {
        PlainRefresh(sim, form);
        return;
    }
    StepPlan& plan = PlanFor(sim, form);
    RuleContext context(sim, form);
    WalkPass(context, plan.Refresh);
}

}  // namespace quorvane
