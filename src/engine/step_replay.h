#pragma once

#include <vector>

namespace quorvane {

struct RunError;
struct Simulation;

/// The block loop's step and refresh of the run form, the reference every faster way of
/// stepping gives the same values and faults as.
void StepBlockByBlock(Simulation& sim, int form);
void RefreshBlockByBlock(Simulation& sim, int form);

/// What takes a planned run back to its last checkpoint, so that a fault is met again by the
/// block loop, in block order, with the tables the block loop leaves. The plan walks its blocks
/// by kind and keeps no trace of what it overwrites; instead, every so many steps, the state of
/// the form (outputs, histories and the places of its delay lines) is saved, and each step or
/// refresh since is noted with what the run driver gives it (the time and the PRBS position).
/// The cells a delay line's blocks may overwrite before the next checkpoint are saved with it.
struct StepReplay {
    /// Steps and refreshes between checkpoints.
    static constexpr int Interval = 64;

    struct Event {
        bool Refresh = false;
        float Time = 0;
        int PrbsState = 0;
        int PrbsIndex = 0;
    };

    bool Saved = false;   ///< a checkpoint holds since the last preparation or fault
    int BlockCount = 0;
    std::vector<float> Blocks;   ///< per block 1..BlockCount: histories 1..3, output
    std::vector<int> Lines;      ///< the delay lines the form's Delay blocks write
    std::vector<int> Writers;    ///< how many of them write each line
    std::vector<int> WritePositions;
    std::vector<int> ReadPositions;
    std::vector<Event> Events;   ///< Interval of them; EventCount in use
    int EventCount = 0;
    /// Per line, the cells from its write position on that its writers reach in Interval steps.
    std::vector<float> Cells;
};

/// Sizes the replay for the form's blocks and delay lines; the first event saves a checkpoint.
void PrepareReplay(StepReplay& replay, const Simulation& sim, int form);

/// The form's outputs, histories and delay line places saved as the checkpoint; no event since.
void SaveCheckpoint(Simulation& sim, int form);

/// A step (or a refresh) about to be walked at `time` with the PRBS at (state, index): saved
/// first when a checkpoint is due.
template <class Save>
void NoteEvent(StepReplay& replay, bool refresh, float time, int prbsState, int prbsIndex, Save save) {
    if (!replay.Saved || replay.EventCount == StepReplay::Interval) save();
    replay.Events[static_cast<std::size_t>(replay.EventCount++)] = {refresh, time, prbsState, prbsIndex};
}

/// The form put back to its last checkpoint and stepped again by the block loop up to `fault`,
/// which that loop throws as the plan's walk did. Leaves the next event to save a checkpoint.
[[noreturn]] void ReplayToFault(Simulation& sim, int form, const RunError& fault);

}  // namespace quorvane
