#include "cli/runner.h"

#include <exception>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/spectrum.h"
#include "cli/cli_handoff.h"
#include "cli/console_host.h"
#include "cli/options.h"
#include "cli/picture_files.h"
#include "cli/private_folder.h"
#include "cli/run_setup.h"
#include "cli/sweep_runner.h"
#include "cli/text_output.h"
#include "engine/audit_report.h"
#include "engine/simulation.h"
#include "model/desktop.h"
#include "platform/text_file.h"
#include "results/analysis_csv.h"
#include "results/print_dump.h"
#include "results/recorded_csv.h"
#include "results/recorded_runs.h"
#include "run/run_window.h"
#include "storage/data_file_writer.h"

namespace quorvane {

namespace {

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
    return WriteOutput(path, out, err, [&](std::ostream& o) { WriteRecordedCsv(sim.Display, o); });
}

int Run(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    const std::string program = argc > 0 ? argv[0] : "quorvane-run";
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

    if (!options.Sweeps.empty()) return RunSweep(options, program, out, err);

    ConsoleHost host(err, options.Yes);
    NullDesktop windows;
    Simulation sim(host, windows);
    const PrivateFolder scratch;
    if (scratch.Path().empty()) return Fail(err, "cannot make a scratch folder: " + scratch.Error());
    if (const int loaded = LoadForRun(sim, options, (scratch.Path() / "Print Dump.txt").string(), err))
        return loaded;
    if (const int applied = ApplyBlockValues(sim, options.Blocks, err)) return applied;

    int status = ExitFinished;
    CliHandOff handOff(options, out, err);
    if (!options.NoRun) {
        RunWindow window;
        if (!PrepareRunWindow(sim, options, window, err)) return ExitUsage;
        if (const int ran = PressRun(sim, window, handOff, err)) return ran;
        if (handOff.OutputFailed) status = ExitUsage;
        if (options.Tabulate && !PublishPrintDump(sim, err)) status = ExitUsage;
        if (!options.CsvPath.empty() && !WriteCsv(sim, options.CsvPath, out, err)) status = ExitUsage;
        if (!options.SummaryPath.empty()) {
            const RecordedRun run = CaptureRun(sim.Display);
            if (!WriteOutput(options.SummaryPath, out, err, [&](std::ostream& o) { WriteRunsSummary({&run, 1}, o); }))
                status = ExitUsage;
        }
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
