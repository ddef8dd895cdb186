#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/model.h"
#include "model/table.h"

namespace quorvane {

inline constexpr int DisplayRunListLast = 210;
inline constexpr int DelayLineCount = 5;
inline constexpr int DelayLineCellLast = 30000;   ///< cells 0..30000, all of them the ring

/// The evaluation order's section boundaries (positions in the renumbered form) and the blocks
/// whose outputs the sheet shows after a run.
struct ExecutionList {
    int ConstantsEnd = 0;
    int SourcesEnd = 0;
    int AlgebraicEnd = 0;
    int StatesEnd = 0;
    int DisplaysEnd = 0;
    Table<int, DisplayRunListLast> DisplayRunList{};
    int DisplayRunCount = 0;
};

/// Five ring stores for Delay Line blocks, allocated once.
struct DelayLines {
    float& Cell(int line, int index) {
        return Cells[static_cast<std::size_t>(line) * (DelayLineCellLast + 1) + static_cast<std::size_t>(index)];
    }
    std::vector<float> Cells =
        std::vector<float>(static_cast<std::size_t>(DelayLineCount + 1) * (DelayLineCellLast + 1), 0.0f);
    Table<int, DelayLineCount> WritePosition{};
    Table<int, DelayLineCount> ReadPosition{};
    int NextFree = 1;
};

/// The factor a run's stop time is stretched by while a PRBS is injected, so the response to the
/// last bits is recorded too.
inline constexpr double StopExtendFactor = 1.05;

/// Values the run driver keeps for a run (not saved, apart from the stop-time factor).
struct RunState {
    float StopTimeEntered = 0;
    std::optional<double> StopExtendFactor;   ///< set once a run has started; saved with the model
    float MinDisplayInterval = 0;
    int StepsPerSample = 1;
    float CurrentTime = 0;
    bool RunInProgress = false;
    int WindowsBusy = 0;
    bool ErrorTrapOn = false;
    std::string CurrentActivity;
    bool FrequencyWindowOpenedByRun = false;   ///< hidden again by a later run that does not ask for it
    /// Input (X) and error (E) of each state block, latched within one step before any state
    /// changes, so every state block integrates inputs taken at the same instant.
    Table<double, MaxBlocks> LatchedInput{};
    Table<double, MaxBlocks> LatchedError{};
};

}  // namespace quorvane
