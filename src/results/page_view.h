#pragma once

#include <string>
#include <vector>

namespace quorvane {

struct PrintDumpState;

/// Line n (from 1) of the print dump without its quotes. Reading on from the current line is
/// sequential; an earlier line reopens the file. "EOF?" past the end or when the file cannot
/// be read.
std::string ReadDumpLine(PrintDumpState& dump, int n);

/// What the tabulation window draws for the current page: the three heading lines and the
/// 20 lines of the page, where the end of the dump shows "End of Printout" once and blank
/// lines after it. Meeting the end also pulls the scroll bar maximum down to this page.
struct PageText {
    std::vector<std::string> Heading;
    std::vector<std::string> Body;
};
PageText ReadPage(PrintDumpState& dump);

/// Page moves of the window's buttons and scroll bar.
void PreviousPage(PrintDumpState& dump);
void NextPage(PrintDumpState& dump);
void ScrollToPage(PrintDumpState& dump, int page);

}  // namespace quorvane
