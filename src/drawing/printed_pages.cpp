#include "drawing/printed_pages.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/simulation.h"
#include "platform/canvas.h"
#include "platform/text.h"
#include "results/tabulation.h"

namespace quorvane {

namespace {

constexpr int BlankLinesAfterHeader = 3;
constexpr int BlankLinesAfterHeadings = 2;
constexpr double PrinterFontSize = 7;
constexpr double PageMargin = 720;         // half an inch in twips, the printer's scale
constexpr std::size_t DateColumn = 60;     // character columns of the header items
constexpr std::size_t HeaderGap = 4;

PrintedPage StartPage(int number, const std::string& title, const std::string& date,
                      const std::array<std::vector<std::string>, 3>& headings) {
    PrintedPage page;
    page.Header = {"Quorvane Simulation Run " + title, date, "Page" + Str(number)};
    page.Lines.insert(page.Lines.end(), BlankLinesAfterHeader, {});
    page.Lines.insert(page.Lines.end(), headings.begin(), headings.end());
    page.Lines.insert(page.Lines.end(), BlankLinesAfterHeadings, {});
    return page;
}

/// Character columns of the header items: the date at a fixed column, or after a longer
/// title, and the page number after the date.
std::array<std::size_t, 3> HeaderColumns(const std::vector<std::string>& header) {
    const std::size_t date = std::max(DateColumn, CharacterCount(header[0]) + HeaderGap);
    return {0, date, date + CharacterCount(header[1]) + HeaderGap};
}

void DrawPage(const PrintedPage& page, Canvas& printer) {
    const double charWidth = printer.TextWidth("0");
    const double lineHeight = printer.TextHeight("0");
    const std::array<std::size_t, 3> columns = HeaderColumns(page.Header);
    for (std::size_t i = 0; i < page.Header.size(); ++i) {
        printer.Text(PageMargin + charWidth * static_cast<double>(columns[i]), PageMargin, page.Header[i]);
    }
    double y = PageMargin + lineHeight;
    for (const std::vector<std::string>& line : page.Lines) {
        // Cell by cell at their character columns, so that the columns stay aligned in any font.
        std::size_t column = 0;
        for (const std::string& cell : line) {
            printer.Text(PageMargin + charWidth * static_cast<double>(column), y, cell);
            column += CharacterCount(cell);
        }
        y += lineHeight;
    }
}

}  // namespace

std::vector<PrintedPage> PrintedPages(Simulation& sim) {
    std::vector<PrintedPage> pages;
    if (sim.Display.ColumnCount == 0) {
        sim.Ui.Message("No data to display");
        return pages;
    }
    const std::optional<TableLayout> layout = TabulationLayout(sim.Run);
    if (!layout) return pages;
    const std::string title = TabulatedFormTitle(sim);
    const std::string date = TabulationDate(sim.Ui);
    const std::array<std::vector<std::string>, 3> headings = HeadingCells(sim.Display, *layout);
    pages.push_back(StartPage(1, title, date, headings));
    int rowsOnPage = 0;
    for (int row : PrintedRows(sim.Display, sim.Run, sim.Status.MinDisplayInterval)) {
        if (rowsOnPage == PrintedRowsPerPage) {
            pages.push_back(StartPage(static_cast<int>(pages.size()) + 1, title, date, headings));
            rowsOnPage = 0;
        }
        pages.back().Lines.push_back(RowCells(sim.Display, *layout, row));
        ++rowsOnPage;
    }
    return pages;
}

void PrintTabulation(Simulation& sim, Canvas& printer) { PrintPages(PrintedPages(sim), printer); }

void PrintPages(const std::vector<PrintedPage>& pages, Canvas& printer) {
    if (pages.empty()) return;
    printer.SetFontSize(PrinterFontSize);
    printer.SetForeColour(PaletteColour(Palette::Black));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) printer.NewPage();
        DrawPage(pages[p], printer);
    }
    printer.EndDocument();
}

}  // namespace quorvane
