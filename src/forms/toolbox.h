#pragma once

#include <array>
#include <vector>

namespace quorvane {

/// The toolbox window's place in the main window, twips.
inline constexpr int ToolboxLeft = 50;
inline constexpr int ToolboxTop = 1150;
inline constexpr int ToolboxWidth = 2000;
inline constexpr int ToolboxHeight = 9700;
/// A toolbox image is a block picture scaled down to this square, twips.
inline constexpr int ToolboxImageSize = 480;
inline constexpr int ToolboxPageCount = 2;
inline constexpr int MaxImagesPerPage = 30;
/// Toolbox images are indexed by FunctionCode 0..63.
inline constexpr int ToolboxImageCount = 64;

struct ToolboxRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

/// The toolbox as designed: the two page frames side by side, and where every image stands
/// (images outside both frames belong to no page). Twips from the toolbox's top-left corner.
struct ToolboxDesign {
    std::array<ToolboxRect, ToolboxPageCount + 1> Frames{};   ///< frames 1 and 2
    std::array<ToolboxRect, ToolboxImageCount> Images{};
};

/// The designed layout: the sources, linear and dynamic blocks and the display on page 1; the
/// products, nonlinear blocks, converters, terminal links and the label on page 2. Only one
/// orientation of a function is offered; a double click on the sheet turns it.
const ToolboxDesign& StandardToolboxDesign();

struct ToolboxImagePlace {
    int Code = 0;
    int Left = 0;   ///< twips from the toolbox's left edge
    int Top = 0;
    bool operator==(const ToolboxImagePlace&) const = default;
};

/// Pages 1 and 2: the images whose Top lies within the frame's height and whose Left within its
/// width (bounds included), in index order, at most 30 a page, with their Left made relative to
/// the frame so that both pages occupy the first frame's area. Image 0 belongs to no page.
using ToolboxPages = std::array<std::vector<ToolboxImagePlace>, ToolboxPageCount + 1>;
ToolboxPages BuildToolboxPages(const ToolboxDesign& design);

/// A press `twips` into a toolbox image is that far into the full-size block picture times
/// the scale, so the new block lands under the picture being dragged.
int GrabOnBlock(int twipsInImage);

}  // namespace quorvane
