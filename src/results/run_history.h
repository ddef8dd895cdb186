#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "results/recorded_runs.h"

namespace quorvane {

struct DisplayBuffer;

/// The finished runs the graph compares, in memory only: the last one (whose rows the display
/// buffer holds) and up to five before it, most recent first.
class RunHistory {
public:
    static constexpr std::size_t PreviousLimit = 5;

    /// A run finished with these rows: the run before it becomes previous run 1 and the oldest
    /// beyond five is dropped.
    void Keep(const DisplayBuffer& display);
    /// The previous runs forgotten; the last run stays, to become previous once another follows.
    void ClearPrevious() { Earlier.clear(); }
    /// Everything forgotten, as for another model.
    void Forget();

    std::span<const RecordedRun> Previous() const { return Earlier; }

private:
    std::optional<RecordedRun> Latest;
    std::vector<RecordedRun> Earlier;
};

/// A previous run as the printed key names it: "run −1", run 1 being the most recent; and one
/// of its series as the key window and the read-out name it: "Lag Output (run −1)".
std::string PreviousRunTag(std::size_t run);
std::string PreviousRunName(const std::string& title, std::size_t run);

/// Which series of a previous run stands for each display series 1..ColumnCount (-1 for none):
/// the series of the same title, the n-th of a title for the n-th display series of that title.
std::vector<int> MatchByTitle(const DisplayBuffer& display, const RecordedRun& run);

}  // namespace quorvane
