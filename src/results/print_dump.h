#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct DisplayBuffer;
struct Model;
struct Settings;
struct PrintDumpState;
struct TableLayout;
class Host;

/// "Print Dump.txt" in the current directory, where the dump goes from start-up on.
std::string StartupPrintDumpPath();

/// The first line of a dump: program, form title and date.
std::string PrintDumpHeader(const std::string& formTitle, const std::string& date);

/// The dump the tabulation window shows before any tabulated run, written afresh.
/// Throws std::runtime_error when the file cannot be written.
void WriteInitialPrintDump(const PrintDumpState& dump, Host& ui);

/// Writes the dump of the last run afresh, tabulating the rows that the record interval (the
/// run's smallest display interval) and the print interval select. Without display series shows "No data to display";
/// with a format that has no digits writes nothing. True when written.
/// Throws std::runtime_error when the file cannot be written.
bool WritePrintDump(const Model& model, const DisplayBuffer& display, const PrintDumpState& dump,
                    double recordInterval, Host& ui);

/// Before a tabulation: the reader is closed, the viewer goes back to page 1 with the end of
/// the printout not yet met, and the scroll bar maximum is set from the run's times.
void PrepareTabulation(PrintDumpState& dump, const Settings& run);

}  // namespace quorvane
