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

void RestoreCheckpoint(StepReplay& replay, Simulation& sim, int form) {
    SimulationForm& sheet = sim.Forms[form];
    auto saved = replay.Blocks.cbegin();
    for (int b = 1; b <= replay.BlockCount; ++b) {
        Block& blk = sheet.Blocks[b];
        for (int k = 1; k <= MaxInputs; ++k) blk.History[k] = saved[k - 1];
        blk.Output = saved[MaxInputs];
        saved += SavedPerBlock;
    }
    // The cells go back last written first, so a cell written twice gets its oldest value.
    for (int i = replay.CellCount - 1; i >= 0; --i) {
        const StepReplay::CellWrite& write = replay.Cells[static_cast<std::size_t>(i)];
        *write.Cell = write.Old;
    }
    for (std::size_t i = 0; i < replay.Lines.size(); ++i) {
        sim.Delays.WritePosition[replay.Lines[i]] = replay.WritePositions[i];
        sim.Delays.ReadPosition[replay.Lines[i]] = replay.ReadPositions[i];
    }
}

}  // namespace

void SaveCheckpoint(Simulation& sim, int form) {
    StepReplay& replay = sim.Plan.Replay;
    const SimulationForm& sheet = sim.Forms[form];
    auto saved = replay.Blocks.begin();
    for (int b = 1; b <= replay.BlockCount; ++b) {
        const Block& blk = sheet.Blocks[b];
        for (int k = 1; k <= MaxInputs; ++k) saved[k - 1] = blk.History[k];
        saved[MaxInputs] = blk.Output;
        saved += SavedPerBlock;
    }
    for (std::size_t i = 0; i < replay.Lines.size(); ++i) {
        replay.WritePositions[i] = sim.Delays.WritePosition[replay.Lines[i]];
        replay.ReadPositions[i] = sim.Delays.ReadPosition[replay.Lines[i]];
    }
    replay.EventCount = 0;
    replay.CellCount = 0;
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
    for (int b = 1; b <= replay.BlockCount; ++b) {
        if (BaseOf(sheet.Blocks[b].FunctionCode) == FunctionCode::Delay) {
            replay.Lines.push_back(static_cast<int>(sheet.Blocks[b].Work[1]));
        }
    }
    replay.WritePositions.assign(replay.Lines.size(), 0);
    replay.ReadPositions.assign(replay.Lines.size(), 0);
    replay.Events.assign(StepReplay::Interval, {});
    replay.Cells.assign(StepReplay::Interval * replay.Lines.size(), {});
    replay.Saved = false;
}

void ReplayToFault(Simulation& sim, int form, const RunError& fault) {
    StepReplay& replay = sim.Plan.Replay;
    RestoreCheckpoint(replay, sim, form);
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
