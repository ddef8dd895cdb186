#include "cli/runner.h"

#include <exception>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/spectrum.h"
#include "cli/cli_handoff.h"
#include "cli/console_host.h"
#include "cli/options.h"
#include "cli/picture_files.h"
#include "cli/private_folder.h"
#include "cli/run_settings.h"
#include "editing/form_slots.h"
#include "editing/start_up.h"
#include "engine/audit_report.h"
#include "engine/simulation.h"
#include "model/desktop.h"
#include "platform/text_file.h"
#include "results/analysis_csv.h"
#include "results/print_dump.h"
#include "results/recorded_csv.h"
#include "run/run_driver.h"
#include "run/run_window.h"
#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"

namespace quorvane {

namespace {

constexpr int ExitFinished = 0;
constexpr int ExitRunError = 1;
constexpr int ExitUsage = 2;

int Fail(std::ostream& err, const std::string& text) {
    err << "quorvane-run: " << text << "\n";
    return ExitUsage;
}

/// The dump this run wrote, moved to "Print Dump.txt" in the current folder in one step, so
/// runs side by side never mix their tables there: the last one to finish wins.
bool PublishPrintDump(const Simulation& sim, std::ostream& err) {
    std::string text;
    std::string error;
    const ReadOutcome read = ReadTextFile(sim.Dump.PrintDumpPath, text, error);
    if (read == ReadOutcome::Missing) return true;   // the model does not tabulate
    const std::string published = StartupPrintDumpPath();
    if (read == ReadOutcome::Read) error = ReplaceFile(published, text);
    if (error.empty()) return true;
    return Fail(err, "cannot write " + published + ": " + error) == 0;
}

// The steps that hand on a finished run's results; a failure in one of them is not a failed run.
bool HandingOnResults(const std::string& activity) {
    for (const char* step : {"Printing or Tabulating", "Graphical Display", "FFT", "Correlation"}) {
        if (activity == step) return true;
    }
    return false;
}

int ChooseForm(Simulation& sim, const RunnerOptions& options, std::ostream& err) {
    const int form = options.Form ? options.Form : FirstAllocatedForm(sim);
    if (options.Form && sim.Forms[form].InUse == 0) {
        Fail(err, "form " + std::to_string(form) + " is not in the model");
        return -1;
    }
    for (int f = 1; f <= FormSlots; ++f) sim.Forms[f].RunSelected = (f == form && form != 0) ? 1 : 0;
    sim.CurrentForm = form;
    return form;
}

/// Computes the spectrum of display series n as the frequency analysis window does when the
/// series is picked, with both magnitude and phase.
bool WriteSpectrum(Simulation& sim, int series, std::ostream& out, std::ostream& err) {
    if (!sim.Run.FftEnabled) return Fail(err, "the FFT was not run, so there is no spectrum") == 0;
    if (series > sim.Display.ColumnCount)
        return Fail(err, "there is no display series " + std::to_string(series)) == 0;
    sim.Fft.PrimaryColumn = series;
    sim.Fft.ComparisonColumn = 0;
    sim.Fft.FftColumnsUsed = 0;
    sim.Fft.ShowMagnitude = true;
    sim.Fft.ShowPhase = true;
    if (SpectrumOfColumn(sim, series) == FrequencyWindowAction::Hide)
        return Fail(err, "the run recorded too few samples for a spectrum") == 0;
    WriteAnalysisCsv(sim.Display, SpectrumRows(sim.Fft, 2), out);   // magnitude and phase
    return true;
}

bool WriteCsv(const Simulation& sim, const std::string& path, std::ostream& out, std::ostream& err) {
    if (path == "-") {
        WriteRecordedCsv(sim.Display, out);
        return true;
    }
    std::ostringstream text;
    WriteRecordedCsv(sim.Display, text);
    const std::string error = ReplaceFile(path, text.str());
    if (error.empty()) return true;
    return Fail(err, "cannot write " + path + ": " + error) == 0;
}

int Run(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    std::string error;
    const auto parsed = ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!parsed) return Fail(err, error + "\nTry quorvane-run --help");
    const RunnerOptions& options = *parsed;
    if (options.Help) {
        out << RunnerUsage();
        return ExitFinished;
    }
    if (options.Version) {
        out << "quorvane-run " << QUORVANE_VERSION << "\n";
        return ExitFinished;
    }

    if (!std::filesystem::is_regular_file(options.ModelPath))
        return Fail(err, "no model file " + options.ModelPath);
    if (!CheckOutputFiles(options, error)) return Fail(err, error);

    ConsoleHost host(err, options.Yes);
    NullDesktop windows;
    Simulation sim(host, windows);
    StartUp(sim);
    const PrivateFolder scratch;
    if (scratch.Path().empty()) return Fail(err, "cannot make a scratch folder: " + scratch.Error());
    sim.Dump.PrintDumpPath = (scratch.Path() / "Print Dump.txt").string();
    if (!LoadSimulation(sim, options.ModelPath)) return Fail(err, "cannot load " + options.ModelPath);
    if (ChooseForm(sim, options, err) < 0) return ExitUsage;

    int status = ExitFinished;
    CliHandOff handOff(options, out, err);
    if (!options.NoRun) {
        RunWindow window;
        RefreshRunWindow(sim, window);
        for (const auto& [name, value] : options.Settings) {
            if (!ApplyRunSetting(window, *FindRunSetting(name), value))
                return Fail(err, "--set " + name + " needs 1 or 0, not " + value);
        }
        if (options.SpectrumSeries) window.Check4 = true;
        if (options.Correlate != CorrelationOutput::None) {
            window.Check5 = true;
            sim.Prbs.ImpulseResponseMode = options.Correlate == CorrelationOutput::Impulse;
        }
        RunSimulation(sim, window, handOff);
        if (handOff.RunFailed) return ExitRunError;
        if (HandingOnResults(sim.Status.CurrentActivity))
            return Fail(err, "the run finished, but its results could not be handed on");
        if (sim.Status.CurrentActivity != "Run Module Exit") {
            err << "quorvane-run: the run did not finish\n";
            return ExitRunError;
        }
        if (handOff.OutputFailed) status = ExitUsage;
        if (options.Tabulate && !PublishPrintDump(sim, err)) status = ExitUsage;
        if (!options.CsvPath.empty() && !WriteCsv(sim, options.CsvPath, out, err)) status = ExitUsage;
        if (options.SpectrumSeries && !WriteSpectrum(sim, options.SpectrumSeries, out, err)) status = ExitUsage;
        if (options.Correlate != CorrelationOutput::None) {
            if (sim.Prbs.CorrelatorPresent) WriteAnalysisCsv(sim.Display, CorrelationRows(sim.Prbs, 2), out);
            else status = Fail(err, "the model has no PRBS correlator on the form run");
        }
    }
    if (options.Audit) {
        for (const std::string& line : AuditReport(sim)) out << line << "\n";
    }
    if (options.SheetForm) {
        if (sim.Forms[options.SheetForm].InUse == 0) return Fail(err, "sheet " + std::to_string(options.SheetForm) + " is not in the model");
        if (!WriteSheetFile(sim, options.SheetForm, options.SheetPath, err)) status = ExitUsage;
    }
    if (!options.SavePath.empty() && !SaveSimulation(sim, options.SavePath)) status = ExitUsage;
    return status;
}

}  // namespace

int RunCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    int status = ExitUsage;
    try {
        status = Run(argc, argv, out, err);
    } catch (const std::exception& error) {
        // Unwound, so that no scratch file or half-made output is left behind.
        status = Fail(err, std::string("stopped: ") + error.what());
    }
    // Output that never reached its reader (a full disk, a closed pipe) is a failure too.
    if (!out.flush()) status = Fail(err, "cannot write standard output");
    return status;
}

}  // namespace quorvane
