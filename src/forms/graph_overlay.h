#pragma once

#include <iosfwd>
#include <string>

namespace quorvane {

struct Simulation;

/// The "Overlay Previous Runs" box changed / "Clear Previous Runs" pressed. Nothing happens,
/// and false comes back, while a run fills the result windows; otherwise the change is made and
/// the graph is to be redrawn.
bool OverlayPreviousRuns(Simulation& sim, bool on);
bool ClearPreviousRuns(Simulation& sim);

/// The name of the curve drawn nearest the user point (x, y) of the last drawing, measured in
/// shares of the axis spans, when previous runs are drawn; empty otherwise, a single run
/// needing no name.
std::string NearestCurveName(const Simulation& sim, double x, double y);

/// The graph's table as CSV: time and the display series under their titles, then each
/// previous run drawn with them, its series under their key names, led by the run's own time
/// column ("Time (run −1)") when its times are not those of the last run. Fields past the end of
/// a shorter run stay empty.
void WriteGraphCsv(const Simulation& sim, std::ostream& out);

}  // namespace quorvane
