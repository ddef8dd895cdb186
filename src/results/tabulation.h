#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct Settings;
struct DisplayBuffer;
struct Model;
class Host;

/// How one kind of column (time or data) is printed.
struct ColumnLayout {
    int Width = 17;         ///< characters, the trailing separation included
    bool General = true;    ///< the default number-to-text conversion
    std::string Pattern;    ///< Format pattern when not General
};

/// Both column kinds, or nothing when a "Use Format Below" format has no digits on either
/// side of the point (nothing is then tabulated or printed).
struct TableLayout {
    ColumnLayout Time;
    ColumnLayout Data;
};
std::optional<TableLayout> TabulationLayout(const Settings& settings);

/// A typed digit count as the print format keeps it: 0 or less gives 0, more than 6 gives 7.
int DigitCount(double typed);

/// A user's number pattern with `before` integer and `after` decimal digits: "###0.##" for 4
/// and 2, ".##" for 0 and 2, "####" for 4 and 0; nothing when both are below 1. Used by the
/// tabulation columns and the graph axis labels alike.
std::optional<std::string> UserNumberPattern(int before, int after);

/// The text followed by spaces, cut to `width` characters.
std::string FixedCell(std::string_view text, int width);

/// One value as a cell of the given layout.
std::string ValueCell(float value, const ColumnLayout& layout);

/// A column title broken into two heading lines of at most `lineWidth` characters each, at a
/// space where one allows it (the second line may stay longer; the cell cut shortens it).
struct HeadingLines {
    std::string Line1;
    std::string Line2;
};
HeadingLines SplitHeading(std::string_view title, int lineWidth);

/// Heading line 1, heading line 2 and the units line, cell by cell over columns 0..ColumnCount.
std::array<std::vector<std::string>, 3> HeadingCells(const DisplayBuffer& display, const TableLayout& layout);

/// The cells of recorded row `row` over columns 0..ColumnCount.
std::vector<std::string> RowCells(const DisplayBuffer& display, const TableLayout& layout, int row);

/// Cells joined into one line.
std::string JoinCells(const std::vector<std::string>& cells);

/// The recorded rows that are tabulated: 1, 1 + k, 1 + 2k, ... up to RecordedCount, with k
/// the print interval over the record interval (the smallest display interval of the run),
/// rounded (halves to even), at least 1.
std::vector<int> PrintedRows(const DisplayBuffer& display, const Settings& run, double recordInterval);

/// The title of the form whose results are tabulated: the form last run, else the current one.
std::string TabulatedFormTitle(const Model& model);

/// Today's date as tabulation headers show it.
std::string TabulationDate(Host& ui);

/// The page viewer's scroll bar maximum before a tabulation: pages of 20 rows plus 2.
int TabulationScrollMaximum(const Settings& settings);

}  // namespace quorvane
