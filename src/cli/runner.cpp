#include "cli/runner.h"

#include <ostream>
#include <string>
#include <vector>

#include "cli/console_host.h"
#include "cli/options.h"
#include "engine/audit_report.h"
#include "model/desktop.h"
#include "model/form_slots.h"
#include "model/simulation.h"
#include "model/start_up.h"
#include "storage/data_file_reader.h"
#include "storage/data_file_writer.h"

namespace quorvane {

namespace {

int UsageError(std::ostream& err, const std::string& text) {
    err << "quorvane-run: " << text << "\n";
    return 2;
}

}  // namespace

int RunCommandLine(int argc, char* argv[], std::ostream& out, std::ostream& err) {
    std::string error;
    const auto options = ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) return UsageError(err, error + "\nTry quorvane-run --help");
    if (options->Help) {
        out << RunnerUsage();
        return 0;
    }
    if (options->Version) {
        out << "quorvane-run " << QUORVANE_VERSION << "\n";
        return 0;
    }

    ConsoleHost host(err, options->Yes);
    Desktop windows;
    Simulation sim(host, windows);
    StartUp(sim);
    if (!LoadSimulation(sim, options->ModelPath)) return UsageError(err, "cannot load " + options->ModelPath);

    if (options->Audit) {
        for (const std::string& line : AuditReport(sim)) out << line << "\n";
    }
    if (!options->SavePath.empty() && !SaveSimulation(sim, options->SavePath)) return 2;
    return 0;
}

}  // namespace quorvane
