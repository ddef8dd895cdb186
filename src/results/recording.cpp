#include "results/recording.h"

#include "model/block_traits.h"
#include "model/model.h"
#include "platform/host.h"
#include "platform/text.h"
#include "results/display_buffer.h"

namespace quorvane {

namespace {

bool IsDisplay(int functionCode) { return BaseOf(functionCode) == FunctionCode::Display; }

}  // namespace

void BuildDisplayList(const Model& model, DisplayBuffer& display, Host& ui, int form) {
    const SimulationForm& simForm = model.Forms[form];
    display.ColumnCount = 0;
    bool tooMany = false;
    for (int b = 1; b <= simForm.BlockCount; ++b) {
        const Block& block = simForm.Blocks[b];
        if (!IsDisplay(block.FunctionCode)) continue;
        if (display.ColumnCount >= MaxDisplaySeries) {
            tooMany = true;
            continue;
        }
        const int column = ++display.ColumnCount;
        const int source = block.Input[1];
        display.ColumnSource[column] = source;
        // An unconnected display is titled after block 0, which holds no title.
        display.ColumnTitle[column] = source > 0 ? simForm.Blocks[source].Title : std::string();
        display.ColumnUnits[column] = source > 0 ? simForm.Blocks[source].Units : std::string();
    }
    // Said once, however many displays are left out.
    if (tooMany) ui.Message("Too many Display blocks - the first ten will be displayed ");
    display.ColumnSource[0] = 0;
    display.ColumnTitle[0] = "Time";
    display.ColumnUnits[0] = model.Run.TimeUnits;
}

void RecordSample(DisplayBuffer& display, const SimulationForm& simForm, float time) {
    if (display.RecordedCount >= DisplayRowLast || display.ColumnCount == 0) return;
    const int row = ++display.RecordedCount;
    for (int c = 1; c <= display.ColumnCount; ++c) {
        const int source = display.ColumnSource[c];
        display.At(c, row) = source > 0 ? simForm.Blocks[source].Output : 0.0f;
    }
    display.At(0, row) = time;
}

DisplayTimingEntry LoadDisplayTiming(const Settings& run) {
    return {NumberText(run.PrintInterval), NumberText(run.GraphInterval), run.TimeUnits, run.TimeUnits};
}

bool DisplayIntervalsValid(Host& ui, double printInterval, double graphInterval) {
    if (printInterval <= 0) {
        ui.Message("Print data Interval must be greater than zero");
        return false;
    }
    if (graphInterval <= 0) {
        ui.Message("Graph data Interval must be greater than zero");
        return false;
    }
    return true;
}

bool ApplyDisplayTiming(Settings& run, Host& ui, const DisplayTimingEntry& entry) {
    const float print = SingleFromText(entry.Text1);
    const float graph = SingleFromText(entry.Text5);
    if (!DisplayIntervalsValid(ui, print, graph)) return false;
    run.PrintInterval = print;
    run.GraphInterval = graph;
    return true;
}

}  // namespace quorvane
