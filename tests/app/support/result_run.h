#pragma once

#include <QImage>
#include <QPrinter>

#include <cstdio>
#include <string>
#include <vector>

#include "app/analysis/cplot.h"
#include "app/analysis/fplot.h"
#include "app/controls/picture_box.h"
#include "app/results/gplot.h"
#include "app/results/tabview.h"
#include "editing/form_slots.h"
#include "run/result_handoff.h"
#include "run/run_driver.h"
#include "run/run_window.h"
#include "storage/data_file_reader.h"
#include "support/scratch_folder.h"
#include "support/test_simulation.h"

namespace quorvane {

/// Hands a run's results to whichever result windows it is given, as the desktop program does;
/// with none it shows nothing and the display buffer is what a test looks at.
class WindowHandOff : public ResultHandOff {
public:
    GPlot* Graph = nullptr;
    tabview* Table = nullptr;
    Fplot* Frequency = nullptr;
    Cplot* Prbs = nullptr;
    bool RunFailed = false;

    void ShowTabulation(Simulation&) override {
        if (Table) Table->ShowTabulation();
    }
    void HideTabulation(Simulation&) override {
        if (Table) Table->HideTabulation();
    }
    void ShowGraph(Simulation& sim, const std::vector<std::string>& series) override {
        sim.Runs.Keep(sim.Display);
        if (Graph) Graph->ShowGraph(series);
    }
    void HideGraph(Simulation& sim) override {
        sim.Runs.Keep(sim.Display);
        if (Graph) Graph->HideGraph();
    }
    void ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>& series) override {
        if (Frequency) Frequency->ShowAnalysis(series);
    }
    void HideFrequencyAnalysis(Simulation&) override {
        if (Frequency) Frequency->HideAnalysis();
    }
    void ShowPrbsAnalysis(Simulation&) override {
        if (Prbs) Prbs->ShowAnalysis();
    }
    void HidePrbsAnalysis(Simulation&) override {
        if (Prbs) Prbs->HideAnalysis();
    }
    void RedrawSheet(Simulation&, int) override {}
    void ShowRunError(Simulation&, const RunErrorReport&) override { RunFailed = true; }
};

/// A started simulation whose print dump goes to a scratch folder, run as the run window runs it.
struct ResultRun : TestSimulation {
    ResultRun() : TestSimulation(Begin::Started) { Sim.Dump.PrintDumpPath = Path("Print Dump.txt"); }

    std::string Path(const std::string& name) const { return (Scratch / name).string(); }

    /// Runs the first allocated form as the run window shows it, with the FFT and the correlation
    /// switched on when `analyses`. True when the run ended normally.
    bool RunLoaded(WindowHandOff& handOff, bool analyses = false) {
        const int form = FirstAllocatedForm(Sim);
        Sim.Forms[form].RunSelected = 1;
        Sim.CurrentForm = form;
        RefreshRunWindow(Sim, Window);
        if (analyses) Window.Check4 = Window.Check5 = true;
        RunSimulation(Sim, Window, handOff);
        return !handOff.RunFailed && Sim.Status.CurrentActivity == "Run Module Exit";
    }

    /// Loads an example model and runs its first form through the windows. The PID example
    /// records three series (oven temperature, heater power, heater demand) every 2 s for 600 s
    /// and tabulates every 20 s.
    bool RunExample(const std::string& name, GPlot* graph, tabview* table) {
        WindowHandOff handOff;
        handOff.Graph = graph;
        handOff.Table = table;
        return LoadSimulation(Sim, std::string(QUORVANE_EXAMPLES) + "/" + name) && RunLoaded(handOff);
    }

    testing::ScratchFolder Scratch;
    RunWindow Window;
};

/// Both analysis windows, fed by runs of the example models with the FFT and the correlation on.
struct AnalysisWindows {
    bool RunExample(const std::string& name) {
        return LoadSimulation(Run.Sim, std::string(QUORVANE_EXAMPLES) + "/" + name) && RunAgain();
    }
    /// The loaded model run again as it stands.
    bool RunAgain() {
        WindowHandOff handOff;
        handOff.Frequency = &Frequency;
        handOff.Prbs = &Prbs;
        return Run.RunLoaded(handOff, true);
    }

    /// The list row of the display series with this title.
    int SeriesRow(const std::string& title) const {
        for (int c = 1; c <= Run.Sim.Display.ColumnCount; ++c) {
            if (Run.Sim.Display.ColumnTitle[c] == title) return c;
        }
        return -1;
    }

    /// Row 1..last of `column` holding its largest value.
    int PeakRow(int column, int last) const {
        int peak = 1;
        for (int row = 1; row <= last; ++row) {
            if (Run.Sim.Display.At(column, row) > Run.Sim.Display.At(column, peak)) peak = row;
        }
        return peak;
    }

    static QImage Picture(QWidget& window) { return window.findChild<PictureBox*>("Picture1")->Picture(); }

    /// Pixels of the picture in this palette colour.
    static int Pixels(QWidget& window, Palette palette) {
        const QImage image = Picture(window);
        const Colour c = PaletteColour(palette);
        const QColor colour(c.Red, c.Green, c.Blue);
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
        }
        return count;
    }

    ResultRun Run;
    Fplot Frequency{Run.Sim};
    Cplot Prbs{Run.Sim};
};

/// A printer chooser that prints to a PDF file unattended.
inline PrinterChooser PdfPrinter(const std::string& path, int* asked = nullptr) {
    return [path, asked](QPrinter& printer, QWidget*) {
        if (asked) ++*asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        return true;
    };
}

/// The text of a PDF file, laid out as printed.
inline std::string PdfText(const std::string& path) {
    std::string output;
    if (FILE* pipe = popen(("pdftotext -layout '" + path + "' -").c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

inline bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace quorvane
