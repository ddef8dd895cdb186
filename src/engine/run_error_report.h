#pragma once

#include <string>

namespace quorvane {

struct Simulation;

/// What the run error window shows when an arithmetic fault ends the preparation or the
/// stepping, and the block it marks on the sheet of the run form.
struct RunErrorReport {
    std::string TimeReached;   ///< the time of the step being computed
    std::string TimeUnits;
    std::string BlockTitle;
    std::string Function;      ///< the function description of the failing block
    std::string Error;         ///< the fault's description
    int Form = 0;
    int Block = 0;             ///< 0 when the fault is not inside a block
};

RunErrorReport MakeRunErrorReport(const Simulation& sim, int form, int block, const std::string& description);

/// The message for a fault while the results are handed on (tabulation, graph, FFT,
/// correlation, exit): a graph whose Y range exceeds 1e9 is named as such, anything else is
/// "Error encountered during " + the activity + " - " + the description.
std::string HandOffErrorText(const Simulation& sim, const std::string& description);

}  // namespace quorvane
