#include "results/recording.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

bool IsDisplay(int functionCode) { return functionCode == 42 || functionCode == 43; }

}  // namespace

void BuildDisplayList(Simulation& sim, int form) {
    DisplayBuffer& display = sim.Display;
    const SimulationForm& simForm = sim.Forms[form];
    display.ColumnCount = 0;
    for (int b = 1; b <= simForm.BlockCount; ++b) {
        const Block& block = simForm.Blocks[b];
        if (!IsDisplay(block.FunctionCode)) continue;
        if (display.ColumnCount >= MaxDisplaySeries) {
            sim.Ui.Message("Too many Display blocks - the first ten will be displayed ");
            continue;
        }
        const int column = ++display.ColumnCount;
        const int source = block.Input[1];
        display.ColumnSource[column] = source;
        // An unconnected display is titled after block 0, which holds no title.
        display.ColumnTitle[column] = source > 0 ? simForm.Blocks[source].Title : std::string();
        display.ColumnUnits[column] = source > 0 ? simForm.Blocks[source].Units : std::string();
    }
    display.ColumnSource[0] = 0;
    display.ColumnTitle[0] = "Time";
    display.ColumnUnits[0] = sim.Run.TimeUnits;
}

void RecordSample(Simulation& sim, int form) {
    DisplayBuffer& display = sim.Display;
    if (display.RecordedCount >= DisplayRowLast || display.ColumnCount == 0) return;
    const SimulationForm& simForm = sim.Forms[form];
    const int row = ++display.RecordedCount;
    for (int c = 1; c <= display.ColumnCount; ++c) {
        const int source = display.ColumnSource[c];
        display.At(c, row) = source > 0 ? simForm.Blocks[source].Output : 0.0f;
    }
    display.At(0, row) = sim.Status.CurrentTime;
}

DisplayTimingEntry LoadDisplayTiming(const Simulation& sim) {
    return {NumberText(sim.Run.PrintInterval), NumberText(sim.Run.GraphInterval), sim.Run.TimeUnits,
            sim.Run.TimeUnits};
}

float SingleFromText(std::string_view text) {
    constexpr double largest = std::numeric_limits<float>::max();
    const double value = Val(text);
    if (std::isnan(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, -largest, largest));
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

bool ApplyDisplayTiming(Simulation& sim, const DisplayTimingEntry& entry) {
    const float print = SingleFromText(entry.Text1);
    const float graph = SingleFromText(entry.Text5);
    if (!DisplayIntervalsValid(sim.Ui, print, graph)) return false;
    sim.Run.PrintInterval = print;
    sim.Run.GraphInterval = graph;
    return true;
}

}  // namespace quorvane
