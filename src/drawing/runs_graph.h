#pragma once

#include <span>
#include <vector>

#include "drawing/plot_axes.h"
#include "results/recorded_runs.h"

namespace quorvane {

class Canvas;
struct Simulation;

/// The key of compared runs drawn together. Each run has its colour and each display series its
/// pen style: a row names each finished run by its values, then a row each series; when they do
/// not fit the ten rows of the printed key, the tenth says how many more there are.
std::vector<KeyEntry> RunsKey(std::span<const RecordedRun> runs);

/// Colour of run `run` (from 0) and pen style of series `series` (from 0) among compared runs.
Colour RunColour(std::size_t run);
PenStyle SeriesStyle(std::size_t series);

/// Every finished run's display series against its recorded time on one printed graph, with
/// the key of RunsKey, scaled to cover them all (or to the model's manual scales), as
/// DrawTimeGraph prints a single run.
void DrawRunsGraph(Simulation& sim, Canvas& canvas, std::span<const RecordedRun> runs);

}  // namespace quorvane
