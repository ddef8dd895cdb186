#pragma once

#include <array>
#include <string>

namespace quorvane {

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
    /// Left edges of Done, Print, "Adjust format", next page, previous page and help.
    std::array<int, 6> ButtonLeft{};
};
inline constexpr int TabulationWindowWidth = 7000;
inline constexpr int TabulationWindowHeight = 9000;
inline constexpr int TabulationBoxLeft = 120;
TabulationWindowLayout LayoutTabulationWindow(int width, int height);

/// The page number label.
std::string PageLabel(int page);

}  // namespace quorvane
