#include "forms/tabulation_window.h"

#include <algorithm>

#include "platform/canvas.h"
#include "platform/text.h"
#include "results/page_view.h"

namespace quorvane {

namespace {

constexpr int SmallestWidth = 1000;
constexpr int SmallestHeight = 2500;
constexpr int BoxWidthAllowance = 700;
constexpr int PageHeightAllowance = 2100;
constexpr int HeadingTop = 120;
constexpr int HeadingHeight = 900;
constexpr int ScrollGap = 60;
constexpr int ButtonGap = 100;
constexpr int RowHeight = 450;
constexpr std::array<int, 7> ButtonOffsets{1300, 2150, 3900, 4500, 5100, 5550, 2150};
constexpr double PageFontSize = 8;
constexpr double Margin = 4;

/// Lines of fixed-width cells, each run of text at its character column, so that the columns
/// stay aligned in a proportional type (its figures share one width). A single space stays
/// within a run (a title's words); a wider gap separates cells.
void DrawLines(Canvas& canvas, const std::vector<std::string>& lines, double top) {
    const double charWidth = canvas.TextWidth("0");
    const double lineHeight = canvas.TextHeight("0");
    double y = top;
    for (const std::string& line : lines) {
        std::size_t column = 0;
        std::size_t runStart = 0;
        std::string run;
        const auto flush = [&] {
            if (!run.empty()) canvas.Text(Margin + charWidth * static_cast<double>(runStart), y, run);
            run.clear();
        };
        std::string_view rest = line;
        while (!rest.empty()) {
            const std::string_view character = LeadingCharacters(rest, 1);
            rest.remove_prefix(character.size());
            const bool gap = character == " " && (run.empty() || rest.empty() || rest.front() == ' ');
            if (gap) {
                flush();
            } else {
                if (run.empty()) runStart = column;
                run += character;
            }
            ++column;
        }
        flush();
        y += lineHeight;
    }
}

void StartBox(Canvas& canvas) {
    canvas.Clear();
    canvas.SetFontSize(PageFontSize);
    canvas.SetForeColour(PaletteColour(Palette::Black));
}

}  // namespace

TabulationWindowLayout LayoutTabulationWindow(int width, int height) {
    TabulationWindowLayout layout;
    layout.Width = std::max(width, SmallestWidth);
    layout.Height = std::max(height, SmallestHeight);
    layout.BoxWidth = layout.Width - BoxWidthAllowance;
    layout.HeadingTop = HeadingTop;
    layout.HeadingHeight = HeadingHeight;
    layout.PageTop = HeadingTop + HeadingHeight;
    layout.PageHeight = layout.Height - PageHeightAllowance;
    layout.ScrollLeft = TabulationBoxLeft + layout.BoxWidth + ScrollGap;
    layout.ButtonTop = layout.PageTop + layout.PageHeight + ButtonGap;
    layout.SecondRowTop = layout.ButtonTop + RowHeight;
    for (std::size_t i = 0; i < ButtonOffsets.size(); ++i) layout.ButtonLeft[i] = layout.Width - ButtonOffsets[i];
    return layout;
}

std::string PageLabel(int page) { return "Page" + Str(page); }

void DrawTabulationHeading(Canvas& canvas, const PageText& page) {
    StartBox(canvas);
    canvas.Text(Margin, Margin, "Tabulated Output");
    DrawLines(canvas, page.Heading, Margin + canvas.TextHeight("0"));
}

void DrawTabulationPage(Canvas& canvas, const PageText& page) {
    StartBox(canvas);
    DrawLines(canvas, page.Body, Margin);
}

double TabulationPageWidth(Canvas& canvas, const PageText& page) {
    canvas.SetFontSize(PageFontSize);
    std::size_t columns = 0;
    for (const std::vector<std::string>* lines : {&page.Heading, &page.Body}) {
        for (const std::string& line : *lines) columns = std::max(columns, CharacterCount(line));
    }
    return 2 * Margin + canvas.TextWidth("0") * static_cast<double>(columns);
}

}  // namespace quorvane
