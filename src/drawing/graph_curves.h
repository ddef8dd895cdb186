#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace quorvane {

struct Simulation;

/// A curve of the time graph: Rows values of Y against X, in its pen, with its symbol (0 for
/// none) on every few rows, named as the key and the click read-out name it.
struct GraphCurve {
    const float* X = nullptr;   ///< Rows values; null for times from XStart every XStride
    double XStart = 0;
    double XStride = 0;
    const float* Y = nullptr;   ///< Rows values
    int Rows = 0;
    Colour Pen;
    PenStyle Style = PenStyle::Solid;
    int Symbol = 0;
    std::string Title;   ///< of its series
    std::string Name;    ///< the title, for a previous run's curve followed by the run
    std::string Units;
    std::size_t Run = 0;   ///< 0 for the last run, n for previous run n

    double XAt(int i) const { return X != nullptr ? X[i] : XStart + i * XStride; }
};

/// The display series against display series xColumn (0 for time), in their colours and with
/// their symbols when shown, but the series that gives X.
std::vector<GraphCurve> RecordedCurves(const Simulation& sim, int xColumn);

/// With the overlay on, the previous runs' series drawn behind the display series: each whose
/// title the display list holds, against its own run's times (or its run's series of the X
/// title, and none of a run without it), dashed, without symbols, paler the older the run.
std::vector<GraphCurve> PreviousCurves(const Simulation& sim, int xColumn);

/// A series colour paled for previous run `run` (1 the most recent): mixed towards white by
/// 0.3 + 0.1 (run - 1), so older runs fade.
Colour PreviousRunColour(Colour series, std::size_t run);

}  // namespace quorvane
