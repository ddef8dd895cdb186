#include "forms/graph_overlay.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

#include "drawing/graph_curves.h"
#include "engine/simulation.h"
#include "results/recorded_csv.h"

namespace quorvane {

namespace {

/// A column of the graph's table: its heading and rows.
struct TableColumn {
    std::string Heading;
    const float* Values = nullptr;
    int Rows = 0;
};

/// Where a value stands on an axis of the last drawing, in shares of the axis span.
double Share(double value, bool log, double range) {
    const double position = log ? std::log10(value) : value;
    return range != 0 ? position / range : position;
}

/// Squared distance from (px, py) to the segment (ax, ay)-(bx, by).
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length, 0.0, 1.0) : 0.0;
    const double ex = ax + t * dx - px;
    const double ey = ay + t * dy - py;
    return ex * ex + ey * ey;
}

double CurveDistance(const GraphSettings& graph, const GraphCurve& curve, double px, double py) {
    double best = std::numeric_limits<double>::infinity();
    double lastX = Share(curve.XAt(0), graph.XLog, graph.XRange);
    double lastY = Share(curve.Y[0], graph.YLog, graph.YRange);
    if (curve.Rows == 1) best = SegmentDistance(px, py, lastX, lastY, lastX, lastY);
    for (int i = 1; i < curve.Rows; ++i) {
        const double x = Share(curve.XAt(i), graph.XLog, graph.XRange);
        const double y = Share(curve.Y[i], graph.YLog, graph.YRange);
        // A value a logarithmic axis cannot place gives no distance, and never the nearest.
        const double d = SegmentDistance(px, py, lastX, lastY, x, y);
        if (d < best) best = d;
        lastX = x;
        lastY = y;
    }
    return best;
}

/// Whether a previous run was recorded at the last run's times, so that they share a column.
bool SameTimes(const GraphCurve& curve, const DisplayBuffer& display) {
    return curve.Rows == display.RecordedCount && std::equal(curve.X, curve.X + curve.Rows, &display.At(0, 1));
}

}  // namespace

bool OverlayPreviousRuns(Simulation& sim, bool on) {
    if (sim.Status.WindowsBusy == 1) return false;
    sim.Status.CurrentActivity = "Graph Display - Overlaying Previous Runs";
    sim.Graph.OverlayRuns = on;
    return true;
}

bool ClearPreviousRuns(Simulation& sim) {
    if (sim.Status.WindowsBusy == 1) return false;
    sim.Status.CurrentActivity = "Graph Display - Clearing Previous Runs";
    sim.Runs.ClearPrevious();
    return true;
}

std::string NearestCurveName(const Simulation& sim, double x, double y) {
    const int xColumn = sim.Graph.XColumn;
    std::vector<GraphCurve> curves = PreviousCurves(sim, xColumn);
    if (curves.empty()) return {};
    for (GraphCurve& curve : RecordedCurves(sim, xColumn)) curves.push_back(std::move(curve));
    const GraphSettings& graph = sim.Graph;
    // The click comes as axis positions (decades on a logarithmic axis), shared out like the curves.
    const double px = graph.XRange != 0 ? x / graph.XRange : x;
    const double py = graph.YRange != 0 ? y / graph.YRange : y;
    const GraphCurve* nearest = nullptr;
    double best = std::numeric_limits<double>::infinity();
    for (const GraphCurve& curve : curves) {
        if (curve.Rows < 1) continue;
        const double d = CurveDistance(graph, curve, px, py);
        if (d < best) {
            best = d;
            nearest = &curve;
        }
    }
    return nearest != nullptr ? nearest->Name : std::string();
}

void WriteGraphCsv(const Simulation& sim, std::ostream& out) {
    const DisplayBuffer& display = sim.Display;
    const std::vector<GraphCurve> previous = PreviousCurves(sim, 0);
    if (previous.empty()) {
        WriteRecordedCsv(display, out);
        return;
    }
    std::vector<TableColumn> columns;
    for (int c = 0; c <= display.ColumnCount; ++c)
        columns.push_back({display.ColumnTitle[c], &display.At(c, 1), display.RecordedCount});
    std::size_t run = 0;
    for (const GraphCurve& curve : previous) {
        if (curve.Run != run) {
            run = curve.Run;
            if (!SameTimes(curve, display)) columns.push_back({PreviousRunName("Time", run), curve.X, curve.Rows});
        }
        columns.push_back({curve.Name, curve.Y, curve.Rows});
    }
    int rows = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        out << (c ? "," : "") << CsvField(columns[c].Heading);
        rows = std::max(rows, columns[c].Rows);
    }
    out << "\n";
    for (int row = 0; row < rows; ++row) {
        for (std::size_t c = 0; c < columns.size(); ++c)
            out << (c ? "," : "") << (row < columns[c].Rows ? CsvNumber(columns[c].Values[row]) : "");
        out << "\n";
    }
}

}  // namespace quorvane
