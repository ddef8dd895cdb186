#include "results/run_history.h"

#include "results/display_buffer.h"

namespace quorvane {

void RunHistory::Keep(const DisplayBuffer& display) {
    if (Latest) {
        Earlier.insert(Earlier.begin(), std::move(*Latest));
        if (Earlier.size() > PreviousLimit) Earlier.pop_back();
    }
    Latest = CaptureRun(display);
}

void RunHistory::Forget() {
    Latest.reset();
    Earlier.clear();
}

std::string PreviousRunTag(std::size_t run) { return "run \u2212" + std::to_string(run); }

std::string PreviousRunName(const std::string& title, std::size_t run) {
    return title + " (" + PreviousRunTag(run) + ")";
}

std::vector<int> MatchByTitle(const DisplayBuffer& display, const RecordedRun& run) {
    std::vector<int> match;
    std::vector<bool> taken(run.Series.size(), false);
    for (int column = 1; column <= display.ColumnCount; ++column) {
        int found = -1;
        for (std::size_t s = 0; s < run.Series.size() && found < 0; ++s) {
            if (!taken[s] && run.Series[s].Title == display.ColumnTitle[column]) found = static_cast<int>(s);
        }
        if (found >= 0) taken[static_cast<std::size_t>(found)] = true;
        match.push_back(found);
    }
    return match;
}

}  // namespace quorvane
