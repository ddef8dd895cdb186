#pragma once

#include <array>
#include <string>
#include <vector>

namespace quorvane {

class Canvas;
struct PageText;

/// Where the tabulation window's controls go, in twips, for a window (client area) of
/// width x height: both boxes 700 narrower than the window, the page box 2100 shorter, the
/// scroll bar beside the page box and the buttons at fixed distances from the right edge.
/// A window smaller than 1000 x 2500 is laid out, and raised, to that size.
struct TabulationWindowLayout {
    int Width = 0;    ///< the window size after raising
    int Height = 0;
    int BoxWidth = 0;
    int HeadingTop = 0;
    int HeadingHeight = 0;
    int PageTop = 0;
    int PageHeight = 0;
    int ScrollLeft = 0;
    int ButtonTop = 0;
    int SecondRowTop = 0;   ///< the page label and "Export CSV..."
    /// Left edges of Done, Print, "Adjust format", next page, previous page, help (first row)
    /// and "Export CSV..." (second row).
    std::array<int, 7> ButtonLeft{};
};
inline constexpr int TabulationWindowWidth = 7000;
inline constexpr int TabulationWindowHeight = 9000;
inline constexpr int TabulationBoxLeft = 120;
TabulationWindowLayout LayoutTabulationWindow(int width, int height);

/// The page number label.
std::string PageLabel(int page);

/// The heading box: the caption "Tabulated Output" over the three heading lines; the page
/// box: the lines of the page. Both cleared first and drawn in the canvas' own units.
void DrawTabulationHeading(Canvas& canvas, const PageText& page);
void DrawTabulationPage(Canvas& canvas, const PageText& page);

/// The width, in the canvas' units, that the boxes need to show the page's widest line.
double TabulationPageWidth(Canvas& canvas, const PageText& page);

}  // namespace quorvane
