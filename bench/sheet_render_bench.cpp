#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <array>

#include "drawing/sheet_redraw.h"
#include "editing/connection_edit.h"
#include "editing/connection_route.h"
#include "engine/simulation.h"
#include "model/editing_state.h"
#include "render/qt_canvas.h"
#include "support/recording_host.h"

namespace quorvane {
namespace {

constexpr int Form = 1;
constexpr int TwipsPerPixel = 15;
constexpr int SheetWidth = 13150;
constexpr int SheetHeight = 9700;
constexpr int Columns = 10;
constexpr int ColumnStep = 1200;
constexpr int RowStep = 1320;

/// Seventy blocks in ten columns, alternating three-input sums with PID controllers, lags,
/// gains, second-order lags and saturations, every one fed from its left neighbours until 104
/// connections are made (ninety of three segments, the rest of two), with limits, initial
/// conditions and outputs set so that every annotation has something to show.
void BuildFullSheet(Simulation& sim) {
    static constexpr std::array<int, 6> Others{36, 10, 6, 22, 20, 8};
    SimulationForm& sheet = sim.Forms[Form];
    sheet.InUse = 1;
    for (int b = 1; b <= MaxBlocks; ++b) {
        Block& block = sheet.Blocks[b];
        block.FunctionCode = b % 2 == 1 ? 2 : Others[static_cast<std::size_t>(b / 2 % Others.size())];
        block.Left = 360 + (b - 1) % Columns * ColumnStep;
        block.Top = 480 + (b - 1) / Columns * RowStep;
        block.Title = sim.Functions[block.FunctionCode].Name;
        block.Units = "volts";
        block.Output = 0.125f * static_cast<float>(b);
        block.InitialCondition = 1.5f;
        block.SatHigh = 10.0f;
        block.SatLow = -10.0f;
        block.Constant[1] = 0.5f;
        block.Constant[2] = 0.25f;
    }
    sheet.BlockCount = MaxBlocks;
    for (int to = 2; to <= MaxBlocks && sheet.NextConnection < ConnectionLimit; ++to) {
        const int inputs = sim.Functions[sheet.Blocks[to].FunctionCode].InputCount;
        for (int k = 1; k <= inputs && sheet.NextConnection < ConnectionLimit; ++k) {
            const int from = std::max(1, to - k);
            const TwipPoint start = OutputAnchor(sim, Form, from, 1);
            const TwipPoint end = InputAnchor(sim, Form, to, k);
            const bool threeSegments = sheet.NextConnection <= 90;
            const int c = sheet.NextConnection;
            sheet.Connections[c] = Connection{k, to, from, 1, threeSegments ? 3 : 2, sheet.NextLine};
            if (threeSegments) {
                for (const ConnectionLine& line : DirectRoute(start.X, start.Y, end.X, end.Y)) {
                    sheet.Lines[sheet.NextLine++] = line;
                }
            } else {
                sheet.Lines[sheet.NextLine++] = {start.X, start.Y, end.X, start.Y};
                sheet.Lines[sheet.NextLine++] = {end.X, start.Y, end.X, end.Y};
            }
            sheet.Blocks[to].Input[k] = from;
            sheet.NextConnection = c + 1;
        }
    }
    sim.Run.AnnotateBlocks = true;
    sim.Run.ShowOutputs = true;
    sim.Run.AnnotateLimits = true;
    sim.Run.AnnotateIC = true;
    sim.Run.AnnotateNumbers = true;
    sim.Run.ShowNodes = true;
}

/// A sheet's backing image with the canvas the sheet window draws through.
struct Sheet {
    Sheet() : Image(SheetWidth / TwipsPerPixel, SheetHeight / TwipsPerPixel, QImage::Format_RGB32) {
        BuildCatalogue(Sim.Functions);
        BuildFullSheet(Sim);
        Surface.Begin(Image, QColor(192, 192, 192));
        Surface.SetScale(0, 0, Image.width() * TwipsPerPixel, Image.height() * TwipsPerPixel);
    }
    RecordingHost Host;
    NullDesktop Windows;
    Simulation Sim{Host, Windows};
    QImage Image;
    PainterCanvas Surface;
};

void RedrawOfAFullSheet(benchmark::State& state) {
    Sheet sheet;
    if (sheet.Sim.Forms[Form].NextConnection != ConnectionLimit) state.SkipWithError("not 104 connections");
    for (auto _ : state) {
        RedrawSheet(sheet.Sim, Form, sheet.Surface);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RedrawOfAFullSheet)->Unit(benchmark::kMillisecond);

/// One pointer move while a connection is drawn: the last rubber band rubbed out and the next
/// drawn, in XOR over the full sheet.
void RubberBandMoveOnAFullSheet(benchmark::State& state) {
    Sheet sheet;
    RedrawSheet(sheet.Sim, Form, sheet.Surface);
    EditingState editing;
    RubberBandStart(editing, 1800, 1560);
    int step = 0;
    for (auto _ : state) {
        ++step;
        RubberBandMove(editing, sheet.Surface, 6000 + step % 200 * 15, 5000 + step % 150 * 15);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RubberBandMoveOnAFullSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
    // Text is laid out by the platform's fonts, which want a GUI application.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
