#include "results/page_view.h"

#include "results/print_dump_state.h"

namespace quorvane {

namespace {

const char* const EndOfFileText = "EOF?";

void Reopen(PrintDumpState& dump) {
    if (dump.Reader.is_open()) dump.Reader.close();
    dump.Reader.clear();
    dump.Reader.open(dump.PrintDumpPath, std::ios::binary);
    dump.ReadLine = 1;
}

/// The text between the first and the last double quote of a dump line.
std::string Unquoted(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t first = line.find('"');
    const std::size_t last = line.rfind('"');
    if (first == std::string::npos || last == first) return line;
    return line.substr(first + 1, last - first - 1);
}

}  // namespace

std::string ReadDumpLine(PrintDumpState& dump, int n) {
    if (n < dump.ReadLine || !dump.Reader.is_open()) Reopen(dump);
    std::string line;
    while (dump.ReadLine <= n) {
        if (!std::getline(dump.Reader, line)) {
            // Stay past the end: the next request reopens only if it asks for an earlier line.
            dump.ReadLine = n + 1;
            return EndOfFileText;
        }
        ++dump.ReadLine;
    }
    return Unquoted(line);
}

PageText ReadPage(PrintDumpState& dump) {
    Reopen(dump);
    PageText page;
    for (int n = dump.FirstHeadingLine; n <= dump.LastHeadingLine; ++n) page.Heading.push_back(ReadDumpLine(dump, n));
    const int first = dump.FirstDataLine + dump.LinesPerPage * (dump.CurrentPage - 1);
    for (int n = first; n < first + dump.LinesPerPage; ++n) {
        std::string text = ReadDumpLine(dump, n);
        if (text == EndOfFileText) {
            if (dump.EndOfPrintoutLine == -1 || dump.EndOfPrintoutLine == n) {
                dump.EndOfPrintoutLine = n;
                text = "End of Printout";
                dump.ScrollMaximum = dump.CurrentPage;
            } else {
                text = " ";
                if (dump.ScrollMaximum > dump.CurrentPage) dump.ScrollMaximum = dump.CurrentPage;
            }
        }
        page.Body.push_back(std::move(text));
    }
    return page;
}

void PreviousPage(PrintDumpState& dump) {
    if (dump.CurrentPage > 1) --dump.CurrentPage;
}

void NextPage(PrintDumpState& dump) { ++dump.CurrentPage; }

void ScrollToPage(PrintDumpState& dump, int page) { dump.CurrentPage = page < 1 ? 1 : page; }

}  // namespace quorvane
