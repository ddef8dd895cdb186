#include "picture_files.h"

#include <algorithm>
#include <ostream>

#include "drawing/runs_graph.h"
#include "drawing/sheet_redraw.h"
#include "drawing/time_graph.h"
#include "engine/simulation.h"
#include "render/qt_canvas.h"

namespace quorvane {

namespace {

constexpr int TwipsPerPixel = 15;
constexpr int GraphWidthPx = 1100;
constexpr int GraphHeightPx = 800;

std::unique_ptr<FileCanvas> Open(const std::string& path, int width, int height, std::ostream& err) {
    auto canvas = OpenFileCanvas(path, width, height);
    if (!canvas) err << "quorvane-run: cannot write " << path << " (the name must end in .png, .svg or .pdf)\n";
    return canvas;
}

bool Finish(FileCanvas& canvas, const std::string& path, std::ostream& err) {
    if (canvas.Finish()) return true;
    err << "quorvane-run: cannot write " << path << ": " << canvas.Failure() << "\n";
    return false;
}

/// The sheet area the model uses, in twips: every block image and line, with a margin for the
/// annotation above and beside the blocks.
void SheetExtent(const SimulationForm& form, int& width, int& height) {
    int right = 6000;
    int bottom = 4000;
    for (int b = 1; b <= form.BlockCount; ++b) {
        right = std::max(right, form.Blocks[b].Left + 2400);
        bottom = std::max(bottom, form.Blocks[b].Top + 1200);
    }
    for (int l = 1; l < form.NextLine; ++l) {
        const ConnectionLine& line = form.Lines[l];
        right = std::max({right, line.X1 + 600, line.X2 + 600});
        bottom = std::max({bottom, line.Y1 + 600, line.Y2 + 600});
    }
    width = std::min(right, 60000);
    height = std::min(bottom, 60000);
}

}  // namespace

bool WriteGraphFile(Simulation& sim, const std::string& path, std::ostream& err) {
    auto canvas = Open(path, GraphWidthPx, GraphHeightPx, err);
    if (!canvas) return false;
    DrawTimeGraph(sim, *canvas, GraphTarget::Printer, sim.Graph.XColumn);
    return Finish(*canvas, path, err);
}

bool WriteRunsGraphFile(Simulation& sim, std::span<const RecordedRun> runs, const std::string& path, std::ostream& err) {
    auto canvas = Open(path, GraphWidthPx, GraphHeightPx, err);
    if (!canvas) return false;
    DrawRunsGraph(sim, *canvas, runs);
    return Finish(*canvas, path, err);
}

bool WriteSheetFile(Simulation& sim, int form, const std::string& path, std::ostream& err) {
    int width = 0;
    int height = 0;
    SheetExtent(sim.Forms[form], width, height);
    auto canvas = Open(path, width / TwipsPerPixel, height / TwipsPerPixel, err);
    if (!canvas) return false;
    canvas->SetScale(0, 0, width, height);
    RedrawSheet(sim, form, *canvas);
    return Finish(*canvas, path, err);
}

}  // namespace quorvane
