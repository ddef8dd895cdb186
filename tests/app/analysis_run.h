#pragma once

#include <QImage>
#include <QListWidget>
#include <QTest>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "app/cplot.h"
#include "app/fplot.h"
#include "app/picture_box.h"
#include "result_run.h"

namespace quorvane {

/// Hands a run's results to the frequency and PRBS analysis windows, as the desktop program does.
class AnalysisHandOff : public WindowHandOff {
public:
    AnalysisHandOff(Fplot& frequency, Cplot& prbs) : WindowHandOff(nullptr, nullptr), Frequency(frequency), Prbs(prbs) {}
    void ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>& series) override {
        Frequency.ShowAnalysis(series);
    }
    void HideFrequencyAnalysis(Simulation&) override { Frequency.HideAnalysis(); }
    void ShowPrbsAnalysis(Simulation&) override { Prbs.ShowAnalysis(); }
    void HidePrbsAnalysis(Simulation&) override { Prbs.HideAnalysis(); }

private:
    Fplot& Frequency;
    Cplot& Prbs;
};

/// Both analysis windows, fed by runs of the example models with the FFT and the correlation on.
struct AnalysisWindows {
    bool RunExample(const std::string& name) {
        if (!LoadSimulation(Run.Sim, std::string(QUORVANE_EXAMPLES) + "/" + name)) return false;
        return RunAgain();
    }
    /// The loaded model run again as it stands.
    bool RunAgain() {
        Simulation& sim = Run.Sim;
        const int form = FirstAllocatedForm(sim);
        sim.Forms[form].RunSelected = 1;
        sim.CurrentForm = form;
        RunWindow window;
        RefreshRunWindow(sim, window);
        window.Check4 = true;
        window.Check5 = true;
        AnalysisHandOff handOff(Frequency, Prbs);
        RunSimulation(sim, window, handOff);
        return !handOff.RunFailed && sim.Status.CurrentActivity == "Run Module Exit";
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

/// The lines of a text file.
inline std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace quorvane
