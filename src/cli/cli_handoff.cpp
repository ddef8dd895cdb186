#include "cli/cli_handoff.h"

#include <fstream>
#include <ostream>

#include "cli/options.h"
#include "cli/picture_files.h"
#include "engine/run_error_report.h"
#include "engine/simulation.h"

namespace quorvane {

namespace {

/// A dump line as written, quoted, shown without its quotes.
std::string Unquoted(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"') return line.substr(1, line.size() - 2);
    return line;
}

}  // namespace

void CliHandOff::ShowTabulation(Simulation& sim) {
    // A run shows the tabulation window again when it is over; the table is printed once.
    if (!Options.Tabulate || TabulationPrinted) return;
    TabulationPrinted = true;
    std::ifstream dump(sim.Dump.PrintDumpPath, std::ios::binary);
    if (!dump) {
        Err << "quorvane-run: cannot read " << sim.Dump.PrintDumpPath << "\n";
        OutputFailed = true;
        return;
    }
    for (std::string line; std::getline(dump, line);) Out << Unquoted(line) << "\n";
}

void CliHandOff::ShowGraph(Simulation& sim, const std::vector<std::string>&) {
    if (Options.GraphPath.empty()) return;
    if (!WriteGraphFile(sim, Options.GraphPath, Err)) OutputFailed = true;
}

void CliHandOff::ShowRunError(Simulation&, const RunErrorReport& report) {
    RunFailed = true;
    Err << "run error: block " << report.Block << " \"" << report.BlockTitle << "\" at time " << report.TimeReached
        << " " << report.TimeUnits << ": " << report.Error << "\n";
}

}  // namespace quorvane
