#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct Simulation;
struct TableLayout;

/// "Print Dump.txt" in the current directory, where the dump goes from start-up on.
std::string StartupPrintDumpPath();

/// The first line of a dump: program, form title and date.
std::string PrintDumpHeader(const std::string& formTitle, const std::string& date);

/// The dump the tabulation window shows before any tabulated run, written afresh.
/// Throws std::runtime_error when the file cannot be written.
void WriteInitialPrintDump(Simulation& sim);

/// The lines of the dump of the last run, unquoted: header, blanks, the three heading lines,
/// blanks, then one line per tabulated row.
std::vector<std::string> PrintDumpLines(Simulation& sim, const TableLayout& layout);

/// Writes the dump of the last run afresh. Without display series shows "No data to display";
/// with a format that has no digits writes nothing. True when written.
/// Throws std::runtime_error when the file cannot be written.
bool WritePrintDump(Simulation& sim);

/// Before a tabulation: the reader is closed, the viewer goes back to page 1 with the end of
/// the printout not yet met, and the scroll bar maximum is set from the run's times.
void PrepareTabulation(Simulation& sim);

}  // namespace quorvane
