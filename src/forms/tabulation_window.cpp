#include "forms/tabulation_window.h"

#include <algorithm>

#include "platform/text.h"

namespace quorvane {

namespace {

constexpr int SmallestWidth = 1000;
constexpr int SmallestHeight = 2500;
constexpr int BoxWidthAllowance = 700;
constexpr int PageHeightAllowance = 2100;
constexpr int HeadingTop = 120;
constexpr int HeadingHeight = 1000;
constexpr int ScrollGap = 60;
constexpr int ButtonGap = 200;
constexpr std::array<int, 6> ButtonOffsets{1300, 2150, 3900, 4650, 5400, 5900};

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
    for (std::size_t i = 0; i < ButtonOffsets.size(); ++i) layout.ButtonLeft[i] = layout.Width - ButtonOffsets[i];
    return layout;
}

std::string PageLabel(int page) { return "Page" + Str(page); }

}  // namespace quorvane
