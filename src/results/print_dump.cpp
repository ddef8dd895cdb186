#include "results/print_dump.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "model/simulation.h"
#include "platform/text_file.h"
#include "results/tabulation.h"

namespace quorvane {

namespace {

constexpr int BlankLinesOfInitialDump = 7;

/// Every dump line is one double-quoted string, as the page viewer reads it back. The file is
/// replaced in one step, so a reader never meets half a table.
void WriteQuotedLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += '"' + line + "\"\n";
    const std::string error = ReplaceFile(path, text);
    if (!error.empty()) throw std::runtime_error("Cannot write the print dump file " + path + ": " + error);
}

}  // namespace

std::string StartupPrintDumpPath() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return (error ? std::filesystem::path() : folder / "Print Dump.txt").string();
}

std::string PrintDumpHeader(const std::string& formTitle, const std::string& date) {
    return "Quorvane Simulation Run          " + formTitle + std::string(26, ' ') + date;
}

void WriteInitialPrintDump(Simulation& sim) {
    std::vector<std::string> lines{PrintDumpHeader("Unnamed", TabulationDate(sim))};
    lines.insert(lines.end(), BlankLinesOfInitialDump, " ");
    WriteQuotedLines(sim.Dump.PrintDumpPath, lines);
}

std::vector<std::string> PrintDumpLines(Simulation& sim, const TableLayout& layout) {
    const std::array<std::vector<std::string>, 3> headings = HeadingCells(sim.Display, layout);
    std::vector<std::string> lines{PrintDumpHeader(TabulatedFormTitle(sim), TabulationDate(sim)),
                                   " ",
                                   " ",
                                   JoinCells(headings[0]),
                                   JoinCells(headings[1]),
                                   JoinCells(headings[2]),
                                   " ",
                                   " "};
    for (int row : PrintedRows(sim)) lines.push_back(JoinCells(RowCells(sim.Display, layout, row)));
    return lines;
}

bool WritePrintDump(Simulation& sim) {
    if (sim.Display.ColumnCount == 0) {
        sim.Ui.Message("No data to display");
        return false;
    }
    const std::optional<TableLayout> layout = TabulationLayout(sim.Run);
    if (!layout) return false;
    WriteQuotedLines(sim.Dump.PrintDumpPath, PrintDumpLines(sim, *layout));
    return true;
}

void PrepareTabulation(Simulation& sim) {
    PrintDumpState& dump = sim.Dump;
    if (dump.Reader.is_open()) dump.Reader.close();
    dump.ReadLine = 1;
    dump.CurrentPage = 1;
    dump.EndOfPrintoutLine = -1;
    dump.ScrollMaximum = TabulationScrollMaximum(sim.Run);
}

}  // namespace quorvane
