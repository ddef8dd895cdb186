#include "cli/runner.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "analysis/spectrum.h"
#include "cli/cli_handoff.h"
#include "cli/console_host.h"
#include "cli/options.h"
#include "cli/picture_files.h"
#include "cli/result_tables.h"
#include "engine/audit_report.h"
#include "engine/run_driver.h"
#include "engine/run_window.h"
#include "model/desktop.h"
#include "model/form_slots.h"
#include "model/simulation.h"
#include "model/start_up.h"
#include "results/print_dump.h"
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

bool ParseSwitch(const std::string& text, bool& value) {
    if (text == "1" || text == "true" || text == "True" || text == "yes") {
        value = true;
        return true;
    }
    if (text == "0" || text == "false" || text == "False" || text == "no") {
        value = false;
        return true;
    }
    return false;
}

/// A --set typed into the run window's box or ticked in its option.
bool ApplySetting(RunWindow& window, const std::string& name, const std::string& value) {
    if (name == "StartTime") window.Text1 = value;
    else if (name == "StopTime") window.Text2 = value;
    else if (name == "TimeStep") window.Text3 = value;
    else if (name == "TimeUnits") window.Text5 = value;
    else if (name == "PrintInterval") window.Text8 = value;
    else if (name == "GraphInterval") window.Text7 = value;
    else if (name == "ManualTimeStep") return ParseSwitch(value, window.Check1);
    else if (name == "FftEnabled") return ParseSwitch(value, window.Check4);
    else if (name == "CorrelationEnabled") return ParseSwitch(value, window.Check5);
    return true;
}

/// The print dump goes where the desktop program writes it only when it was asked for;
/// otherwise to a scratch file that is removed afterwards.
class DumpPlace {
public:
    DumpPlace(Simulation& sim, bool keep) : Keep(keep) {
        sim.Dump.PrintDumpPath = keep ? StartupPrintDumpPath()
                                      : (std::filesystem::temp_directory_path() /
                                         ("quorvane-run-" + std::to_string(::getpid()) + ".txt"))
                                            .string();
        Path = sim.Dump.PrintDumpPath;
    }
    ~DumpPlace() {
        std::error_code ignored;
        if (!Keep) std::filesystem::remove(Path, ignored);
    }
    DumpPlace(const DumpPlace&) = delete;
    DumpPlace& operator=(const DumpPlace&) = delete;

private:
    bool Keep;
    std::string Path;
};

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
    WriteSpectrumCsv(sim, out);
    return true;
}

bool WriteCsv(const Simulation& sim, const std::string& path, std::ostream& out, std::ostream& err) {
    if (path == "-") {
        WriteRecordedCsv(sim, out);
        return true;
    }
    std::ofstream file(path, std::ios::binary);
    if (file) WriteRecordedCsv(sim, file);
    if (file && file.flush()) return true;
    return Fail(err, "cannot write " + path) == 0;
}

}  // namespace

int RunCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err) {
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

    ConsoleHost host(err, options.Yes);
    Desktop windows;
    Simulation sim(host, windows);
    StartUp(sim);
    DumpPlace dump(sim, options.Tabulate);
    if (!std::filesystem::is_regular_file(options.ModelPath))
        return Fail(err, "no model file " + options.ModelPath);
    if (!LoadSimulation(sim, options.ModelPath)) return Fail(err, "cannot load " + options.ModelPath);
    if (ChooseForm(sim, options, err) < 0) return ExitUsage;

    int status = ExitFinished;
    CliHandOff handOff(options, out, err);
    if (!options.NoRun) {
        RunWindow window;
        RefreshRunWindow(sim, window);
        for (const auto& [name, value] : options.Settings) {
            if (!ApplySetting(window, name, value)) return Fail(err, "--set " + name + " needs 1 or 0, not " + value);
        }
        if (options.SpectrumSeries) window.Check4 = true;
        if (options.Correlate != CorrelationOutput::None) {
            window.Check5 = true;
            sim.Prbs.ImpulseResponseMode = options.Correlate == CorrelationOutput::Impulse;
        }
        RunSimulation(sim, window, handOff);
        if (handOff.RunFailed) return ExitRunError;
        if (sim.Status.CurrentActivity != "Run Module Exit") {
            err << "quorvane-run: the run did not finish\n";
            return ExitRunError;
        }
        if (handOff.OutputFailed) status = ExitUsage;
        if (!options.CsvPath.empty() && !WriteCsv(sim, options.CsvPath, out, err)) status = ExitUsage;
        if (options.SpectrumSeries && !WriteSpectrum(sim, options.SpectrumSeries, out, err)) status = ExitUsage;
        if (options.Correlate != CorrelationOutput::None) {
            if (sim.Prbs.CorrelatorPresent) WriteCorrelationCsv(sim, out);
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

}  // namespace quorvane
