#pragma once

namespace quorvane {

struct Simulation;

/// The values at the start time (sim.Status.CurrentTime = StartTime), after PrepareBlocks:
/// every block's initial rule in number order, then the histories seeded from the inputs. Makes
/// the step plan (sim.Plan) that StepModel and RefreshAlgebraic walk for the rest of the run.
void InitialEvaluation(Simulation& sim, int form);

/// One time step from sim.Status.CurrentTime: sources and evaluated blocks in order (each sees
/// this step's outputs of the blocks before it and last step's state outputs), then every
/// state block latches its input and only afterwards advances. Walks the step plan, which gives
/// every value, and every fault, of the block loop (sim.Plan.PlainLoop walks that loop instead).
void StepModel(Simulation& sim, int form);

/// The memoryless evaluated blocks computed again from the just-updated state outputs, so a
/// recorded sample agrees with them.
void RefreshAlgebraic(Simulation& sim, int form);

}  // namespace quorvane
