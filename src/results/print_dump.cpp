#include "results/print_dump.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "model/model.h"
#include "platform/host.h"
#include "platform/text_file.h"
#include "results/display_buffer.h"
#include "results/print_dump_state.h"
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

// The dump of the last run, unquoted: header, blanks, the three heading lines, blanks, then
// one line per tabulated row.
std::vector<std::string> PrintDumpLines(const DisplayBuffer& display, const TableLayout& layout,
                                        const std::string& header, const std::vector<int>& rows) {
    const std::array<std::vector<std::string>, 3> headings = HeadingCells(display, layout);
    std::vector<std::string> lines{header,
                                   " ",
                                   " ",
                                   JoinCells(headings[0]),
                                   JoinCells(headings[1]),
                                   JoinCells(headings[2]),
                                   " ",
                                   " "};
    for (int row : rows) lines.push_back(JoinCells(RowCells(display, layout, row)));
    return lines;
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

void WriteInitialPrintDump(const PrintDumpState& dump, Host& ui) {
    std::vector<std::string> lines{PrintDumpHeader("Unnamed", TabulationDate(ui))};
    lines.insert(lines.end(), BlankLinesOfInitialDump, " ");
    WriteQuotedLines(dump.PrintDumpPath, lines);
}

bool WritePrintDump(const Model& model, const DisplayBuffer& display, const PrintDumpState& dump,
                    double recordInterval, Host& ui) {
    if (display.ColumnCount == 0) {
        ui.Message("No data to display");
        return false;
    }
    const std::optional<TableLayout> layout = TabulationLayout(model.Run);
    if (!layout) return false;
    const std::string header = PrintDumpHeader(TabulatedFormTitle(model), TabulationDate(ui));
    WriteQuotedLines(dump.PrintDumpPath,
                     PrintDumpLines(display, *layout, header, PrintedRows(display, model.Run, recordInterval)));
    return true;
}

void PrepareTabulation(PrintDumpState& dump, const Settings& run) {
    if (dump.Reader.is_open()) dump.Reader.close();
    dump.ReadLine = 1;
    dump.CurrentPage = 1;
    dump.EndOfPrintoutLine = -1;
    dump.ScrollMaximum = TabulationScrollMaximum(run);
}

}  // namespace quorvane
