#pragma once

#include <string>
#include <string_view>

namespace quorvane {

struct DisplayBuffer;
struct Model;
struct Settings;
struct SimulationForm;
class Host;

/// Chooses the recorded columns from the Display blocks of `form` in block order: at most ten,
/// each recording the output of the block feeding the display, titled after that block.
/// Column 0 is the time. Further displays are refused with a message each.
void BuildDisplayList(const Model& model, DisplayBuffer& display, Host& ui, int form);

/// Writes one row (the time and every display series) from the outputs of `form`. Does nothing
/// without display series or once the buffer's 32768 rows are full.
void RecordSample(DisplayBuffer& display, const SimulationForm& form, float time);

/// The rule both the run window and the "Data Display" dialog apply to the two intervals:
/// each must be above zero. Reports the first that is not; true when both are.
bool DisplayIntervalsValid(Host& ui, double printInterval, double graphInterval);

/// The "Data Display" dialog's two boxes as typed: print interval and plot interval.
struct DisplayTimingEntry {
    std::string Text1;    ///< Print Interval
    std::string Text5;    ///< Plot Interval
    std::string Label2;   ///< time units beside each box
    std::string Label3;
};

/// The dialog as it opens: both intervals and the time units.
DisplayTimingEntry LoadDisplayTiming(const Settings& run);

/// "Done": stores both intervals when both are above zero; otherwise reports the first bad one
/// and stores nothing. True when stored (the dialog then closes).
bool ApplyDisplayTiming(Settings& run, Host& ui, const DisplayTimingEntry& entry);

}  // namespace quorvane
