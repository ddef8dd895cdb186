#pragma once

#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

#include "app/gplot.h"
#include "app/tabview.h"
#include "editing/form_slots.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "run/result_handoff.h"
#include "run/run_driver.h"
#include "run/run_window.h"
#include "storage/data_file_reader.h"
#include "support/recording_host.h"

namespace quorvane {

/// Hands a run's results to the result windows, as the desktop program does.
class WindowHandOff : public ResultHandOff {
public:
    WindowHandOff(GPlot* graph, tabview* table) : Graph(graph), Table(table) {}
    void ShowTabulation(Simulation&) override {
        if (Table) Table->ShowTabulation();
    }
    void HideTabulation(Simulation&) override {
        if (Table) Table->HideTabulation();
    }
    void ShowGraph(Simulation&, const std::vector<std::string>& series) override {
        if (Graph) Graph->ShowGraph(series);
    }
    void HideGraph(Simulation&) override {
        if (Graph) Graph->HideGraph();
    }
    void ShowFrequencyAnalysis(Simulation&, const std::vector<std::string>&) override {}
    void HideFrequencyAnalysis(Simulation&) override {}
    void ShowPrbsAnalysis(Simulation&) override {}
    void HidePrbsAnalysis(Simulation&) override {}
    void RedrawSheet(Simulation&, int) override {}
    void ShowRunError(Simulation&, const RunErrorReport&) override { RunFailed = true; }

    bool RunFailed = false;

private:
    GPlot* Graph;
    tabview* Table;
};

/// A simulation whose print dump goes to a scratch folder.
struct ResultRun {
    ResultRun() {
        StartUp(Sim);
        Sim.Dump.PrintDumpPath = Path("Print Dump.txt");
    }

    std::string Path(const std::string& name) const {
        return Folder.filePath(QString::fromStdString(name)).toStdString();
    }

    /// Loads an example model and runs its first form through the windows. The PID example
    /// records three series (oven temperature, heater power, heater demand) every 2 s for 600 s
    /// and tabulates every 20 s.
    bool RunExample(const std::string& name, GPlot* graph, tabview* table) {
        if (!LoadSimulation(Sim, std::string(QUORVANE_EXAMPLES) + "/" + name)) return false;
        const int form = FirstAllocatedForm(Sim);
        Sim.Forms[form].RunSelected = 1;
        Sim.CurrentForm = form;
        RunWindow window;
        RefreshRunWindow(Sim, window);
        WindowHandOff handOff(graph, table);
        RunSimulation(Sim, window, handOff);
        return !handOff.RunFailed && Sim.Status.CurrentActivity == "Run Module Exit";
    }

    QTemporaryDir Folder;
    RecordingHost Host;
    NullDesktop Windows;
    Simulation Sim{Host, Windows};
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
