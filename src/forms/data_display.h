#pragma once

#include <string>

namespace quorvane {

struct Settings;
struct Simulation;

/// The "Data Display" dialog (DispTim): the print and plot intervals as typed, and the time
/// units shown beside them.
struct DataDisplayDialog {
    std::string Text1;    ///< Print Interval
    std::string Text5;    ///< Plot Interval
    std::string Label2;   ///< time units of the print interval
    std::string Label3;   ///< time units of the plot interval
};

/// Place and size of the dialog on activation, in twips.
inline constexpr int DataDisplayLeft = 2000;
inline constexpr int DataDisplayTop = 1000;
inline constexpr int DataDisplayWidth = 5850;
inline constexpr int DataDisplayHeight = 2745;

/// The dialog as it shows on activation.
DataDisplayDialog LoadDataDisplay(const Settings& settings);

/// "Done": refuses an interval that is not above zero with its message and changes nothing;
/// otherwise stores both intervals and the dialog hides.
enum class DataDisplayOutcome { Applied = 0, PrintRefused = 1, GraphRefused = 2 };
DataDisplayOutcome ApplyDataDisplay(Simulation& sim, const DataDisplayDialog& dialog);

}  // namespace quorvane
