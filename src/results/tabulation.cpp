#include "results/tabulation.h"

#include <algorithm>
#include <cmath>

#include "model/model.h"
#include "platform/host.h"
#include "platform/text.h"
#include "results/display_buffer.h"

namespace quorvane {

namespace {

constexpr int GeneralWidth = 17;
constexpr int MaxDigits = 7;
constexpr int MaxSpacesSearched = 30;

/// "#" before the point for every digit but the last, which is always printed.
std::optional<ColumnLayout> Layout(int mode, int typedBefore, int typedAfter, bool signColumn) {
    if (mode != 1) return ColumnLayout{};
    const int before = DigitCount(typedBefore);
    const int after = DigitCount(typedAfter);
    const std::optional<std::string> pattern = UserNumberPattern(before, after);
    if (!pattern) return std::nullopt;
    // Data columns keep a sign position: a space for positive values, a minus for negative.
    ColumnLayout layout{before + after + 4, false, signColumn ? " " + *pattern + ";-" + *pattern : *pattern};
    return layout;
}

/// A space of a heading: its character position (from 1) and its byte offset.
struct Space {
    std::size_t Position;
    std::size_t Offset;
};

/// The spaces in `text`, as far as the search goes.
std::vector<Space> Spaces(std::string_view text) {
    std::vector<Space> spaces;
    for (std::size_t i = 0; i < text.size() && spaces.size() < MaxSpacesSearched; ++i) {
        if (text[i] == ' ') spaces.push_back({CharacterCount(text.substr(0, i + 1)), i});
    }
    return spaces;
}

/// Line 1 is everything before the space, line 2 everything after it.
HeadingLines BreakAtSpace(std::string_view text, const Space& space) {
    return {std::string(text.substr(0, space.Offset)), std::string(text.substr(space.Offset + 1))};
}

HeadingLines BreakHard(std::string_view text, std::size_t lineWidth) {
    const std::string_view line1 = LeadingCharacters(text, lineWidth);
    return {std::string(line1), std::string(text.substr(line1.size()))};
}

}  // namespace

int DigitCount(double typed) {
    if (typed <= 0) return 0;
    if (typed > MaxDigits - 1) return MaxDigits;
    return static_cast<int>(std::nearbyint(typed));
}

std::optional<TableLayout> TabulationLayout(const Settings& settings) {
    const std::optional<ColumnLayout> time =
        Layout(settings.TimeColumnFormatMode, settings.TimeDigitsBefore, settings.TimeDigitsAfter, false);
    const std::optional<ColumnLayout> data =
        Layout(settings.DataColumnFormatMode, settings.DataDigitsBefore, settings.DataDigitsAfter, true);
    if (!time || !data) return std::nullopt;
    return TableLayout{*time, *data};
}

std::string FixedCell(std::string_view text, int width) {
    std::string cell(LeadingCharacters(text, static_cast<std::size_t>(width)));
    cell.append(static_cast<std::size_t>(width) - CharacterCount(cell), ' ');
    return cell;
}

std::string ValueCell(float value, const ColumnLayout& layout) {
    return FixedCell(layout.General ? Str(value) : Format(value, layout.Pattern), layout.Width);
}

HeadingLines SplitHeading(std::string_view title, int lineWidth) {
    const std::size_t w = static_cast<std::size_t>(lineWidth);
    const std::string_view taken = LeadingCharacters(title, 2 * w);
    if (taken.find_first_not_of(' ') == std::string_view::npos) return {"", ""};
    if (CharacterCount(taken) <= w) return {std::string(taken), " "};
    const std::vector<Space> spaces = Spaces(taken);
    for (std::size_t i = 0; i < spaces.size(); ++i) {
        if (spaces[i].Position <= w) continue;
        // The first space past the line width: break at the one before it, or hard when none is.
        if (i == 0) return BreakHard(taken, w);
        return BreakAtSpace(taken, spaces[i - 1]);
    }
    if (spaces.empty()) return BreakHard(taken, w);
    return BreakAtSpace(taken, spaces.back());
}

std::array<std::vector<std::string>, 3> HeadingCells(const DisplayBuffer& display, const TableLayout& layout) {
    std::array<std::vector<std::string>, 3> rows;
    for (int c = 0; c <= display.ColumnCount; ++c) {
        const int width = c == 0 ? layout.Time.Width : layout.Data.Width;
        const std::size_t lineWidth = static_cast<std::size_t>(width - 1);
        const HeadingLines heading = SplitHeading(display.ColumnTitle[c], width - 1);
        rows[0].push_back(FixedCell(heading.Line1, width));
        rows[1].push_back(FixedCell(heading.Line2, width));
        rows[2].push_back(FixedCell(LeadingCharacters(display.ColumnUnits[c], lineWidth), width));
    }
    return rows;
}

std::vector<std::string> RowCells(const DisplayBuffer& display, const TableLayout& layout, int row) {
    std::vector<std::string> cells{ValueCell(display.At(0, row), layout.Time)};
    for (int c = 1; c <= display.ColumnCount; ++c) cells.push_back(ValueCell(display.At(c, row), layout.Data));
    return cells;
}

std::string JoinCells(const std::vector<std::string>& cells) {
    std::string line;
    for (const std::string& cell : cells) line += cell;
    return line;
}

std::vector<int> PrintedRows(const DisplayBuffer& display, const Settings& run, double recordInterval) {
    int stride = 1;
    if (recordInterval > 0) {
        const double ratio = static_cast<double>(run.PrintInterval) / recordInterval;
        // A print interval finer than the record interval would round to a stride of 0.
        stride = std::max(1, static_cast<int>(std::nearbyint(std::min(ratio, double(DisplayRowLast)))));
    }
    std::vector<int> rows;
    for (int r = 1; r <= display.RecordedCount; r += stride) rows.push_back(r);
    return rows;
}

std::string TabulatedFormTitle(const Model& model) {
    for (int form : {model.RunForm, model.CurrentForm}) {
        if (form >= 1 && form <= FormSlots) return model.Forms[form].Title;
    }
    return {};
}

std::string TabulationDate(Host& ui) { return FormatDate(ui.Today(), "dd mmmm yyyy"); }

int TabulationScrollMaximum(const Settings& settings) {
    if (settings.PrintInterval > 0 && settings.StopTime > settings.StartTime) {
        const double pages =
            (static_cast<double>(settings.StopTime) - settings.StartTime) / settings.PrintInterval / 20.0 + 2.0;
        return static_cast<int>(std::nearbyint(std::min(pages, 1e9)));
    }
    return 2;
}

std::optional<std::string> UserNumberPattern(int before, int after) {
    if (before >= 1 && after >= 1) return std::string(before - 1, '#') + "0." + std::string(after, '#');
    if (before < 1 && after >= 1) return "." + std::string(after, '#');
    if (before >= 1) return std::string(before, '#');
    return std::nullopt;
}

}  // namespace quorvane
