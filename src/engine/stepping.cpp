#include "engine/stepping.h"

#include "engine/block_rules.h"
#include "engine/rule_context.h"
#include "engine/run_error.h"
#include "engine/simulation.h"
#include "engine/step_replay.h"

namespace quorvane {

namespace {

/// The plan for the form; made here only when no initial evaluation has made it.
StepPlan& PlanFor(Simulation& sim, int form) {
    if (sim.Plan.Form != form) BuildStepPlan(sim, form);
    return sim.Plan;
}

/// The step or refresh about to be walked, noted for a replay.
void NoteEvent(Simulation& sim, int form, bool refresh) {
    NoteEvent(sim.Plan.Replay, refresh, sim.Status.CurrentTime, sim.Prbs.PrbsState, sim.Prbs.PrbsIndex,
              [&] { SaveCheckpoint(sim, form); });
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
        StepBlockByBlock(sim, form);
        return;
    }
    StepPlan& plan = PlanFor(sim, form);
    NoteEvent(sim, form, false);
    RuleContext context(sim, form);
    try {
        WalkPass(context, plan.Step);
    } catch (const RunError& fault) {
        ReplayToFault(sim, form, fault);
    }
}

void RefreshAlgebraic(Simulation& sim, int form) {
    if (sim.Plan.PlainLoop) {
        RefreshBlockByBlock(sim, form);
        return;
    }
    StepPlan& plan = PlanFor(sim, form);
    NoteEvent(sim, form, true);
    RuleContext context(sim, form);
    try {
        WalkPass(context, plan.Refresh);
    } catch (const RunError& fault) {
        ReplayToFault(sim, form, fault);
    }
}

}  // namespace quorvane
