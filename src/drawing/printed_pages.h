#pragma once

#include <string>
#include <vector>

namespace quorvane {

class Canvas;
struct Simulation;

inline constexpr int PrintedRowsPerPage = 70;

/// One printed page of the tabulation: the header items (program and form title, date,
/// "Page n") and the lines below it, each a list of fixed-width cells (empty for a blank line).
struct PrintedPage {
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Lines;
};

/// The tabulation of the last run as printed pages: on every page three blank lines, the
/// heading and units lines, two blank lines and up to 70 rows. Without display series shows
/// "No data to display" and gives no page; a format without digits gives no page either.
std::vector<PrintedPage> PrintedPages(Simulation& sim);

/// Draws the printed pages on a printer canvas, one canvas page each, and ends the document.
void PrintTabulation(Simulation& sim, Canvas& printer);
/// The same for pages made beforehand (a printer is then only asked for when there is a page).
void PrintPages(const std::vector<PrintedPage>& pages, Canvas& printer);

}  // namespace quorvane
