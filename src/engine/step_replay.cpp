#include "engine/step_replay.h"

#include <algorithm>

#include "engine/block_rules.h"
#include "engine/rule_context.h"
#include "engine/run_error.h"
#include "engine/simulation.h"
#include "engine/state_rules.h"

namespace quorvane {

namespace {

/// Saved per block: histories 1..3, then the output.
constexpr std::size_t SavedPerBlock = MaxInputs + 1;

/// Every value a checkpoint keeps, its place in the tables with its saved place: the histories
/// and output of each block, then for each delay line its places and the cells its writers may
/// overwrite before the next checkpoint, from the write position on (each write takes the cell
/// there and moves on by one).
template <class Copy>
void ForEachKept(StepReplay& replay, Simulation& sim, int form, Copy copy) {
    SimulationForm& sheet = sim.Forms[form];
    auto saved = replay.Blocks.begin();
    for (int b = 1; b <= replay.BlockCount; ++b) {
        Block& blk = sheet.Blocks[b];
        for (int k = 1; k <= MaxInputs; ++k) copy(blk.History[k], *saved++);
        copy(blk.Output, *saved++);
    }
    auto cells = replay.Cells.begin();
    for (std::size_t i = 0; i < replay.Lines.size(); ++i) {
        const int line = replay.Lines[i];
        copy(sim.Delays.WritePosition[line], replay.WritePositions[i]);
        copy(sim.Delays.ReadPosition[line], replay.ReadPositions[i]);
        const int count = std::min(DelayRingLength, replay.Writers[i] * StepReplay::Interval);
        int cell = replay.WritePositions[i];
        for (int n = 0; n < count; ++n) {
            copy(sim.Delays.Cell(line, cell), *cells++);
            cell = cell + 1 == DelayRingLength ? 0 : cell + 1;
        }
    }
}

}  // namespace

void SaveCheckpoint(Simulation& sim, int form) {
    StepReplay& replay = sim.Plan.Replay;
    ForEachKept(replay, sim, form, [](const auto& table, auto& saved) { saved = table; });
    replay.EventCount = 0;
    replay.Saved = true;
}

void StepBlockByBlock(Simulation& sim, int form) {
    RuleContext context(sim, form);
    const ExecutionList& order = sim.Order;
    // Constants never change and displays compute nothing: sources through state blocks only.
    EvaluateStep(context, order.ConstantsEnd + 1, order.StatesEnd);
    LatchStates(context, order.AlgebraicEnd + 1, order.StatesEnd);
    UpdateStates(context, order.AlgebraicEnd + 1, order.StatesEnd);
}

void RefreshBlockByBlock(Simulation& sim, int form) {
    RuleContext context(sim, form);
    RefreshMemoryless(context, sim.Order.SourcesEnd + 1, sim.Order.AlgebraicEnd);
}

void PrepareReplay(StepReplay& replay, const Simulation& sim, int form) {
    const SimulationForm& sheet = sim.Forms[form];
    replay.BlockCount = std::min(sheet.BlockCount, MaxBlocks);
    replay.Blocks.assign(static_cast<std::size_t>(replay.BlockCount) * SavedPerBlock, 0.0f);
    replay.Lines.clear();
    replay.Writers.clear();
    for (int b = 1; b <= replay.BlockCount; ++b) {
        if (BaseOf(sheet.Blocks[b].FunctionCode) != FunctionCode::Delay) continue;
        const int line = static_cast<int>(sheet.Blocks[b].Work[1]);
        const auto known = std::find(replay.Lines.begin(), replay.Lines.end(), line);
        if (known == replay.Lines.end()) {
            replay.Lines.push_back(line);
            replay.Writers.push_back(1);
        } else {
            ++replay.Writers[static_cast<std::size_t>(known - replay.Lines.begin())];
        }
    }
    std::size_t cells = 0;
    for (const int writers : replay.Writers) cells += std::min(DelayRingLength, writers * StepReplay::Interval);
    replay.WritePositions.assign(replay.Lines.size(), 0);
    replay.ReadPositions.assign(replay.Lines.size(), 0);
    replay.Events.assign(StepReplay::Interval, {});
    replay.Cells.assign(cells, 0.0f);
    replay.Saved = false;
}

void ReplayToFault(Simulation& sim, int form, const RunError& fault) {
    StepReplay& replay = sim.Plan.Replay;
    ForEachKept(replay, sim, form, [](auto& table, const auto& saved) { table = saved; });
    replay.Saved = false;
    for (int i = 0; i < replay.EventCount; ++i) {
        const StepReplay::Event& event = replay.Events[static_cast<std::size_t>(i)];
        sim.Status.CurrentTime = event.Time;
        sim.Prbs.PrbsState = event.PrbsState;
        sim.Prbs.PrbsIndex = event.PrbsIndex;
        if (event.Refresh) {
            RefreshBlockByBlock(sim, form);
        } else {
            StepBlockByBlock(sim, form);
        }
    }
    // The block loop always meets the fault again; should it not, the plan's still stands.
    throw fault;
}

}  // namespace quorvane
