#include "forms/toolbox.h"

#include "drawing/block_pictures.h"

namespace quorvane {

namespace {

constexpr int FrameTop = 600;
constexpr int FrameWidth = 1900;
constexpr int FrameHeight = 8400;
constexpr int FirstColumn = 150;
constexpr int ColumnStep = 560;
constexpr int FirstRow = 700;
constexpr int RowStep = 620;
constexpr int Columns = 3;
/// Where the images of no page wait, below both frames.
constexpr int UnusedTop = FrameTop + FrameHeight + 1000;

constexpr int PageOne[] = {1, 40, 26, 60, 41, 44, 2, 4, 6, 8, 10, 12, 14, 22, 24, 36, 38, 42};
constexpr int PageTwo[] = {16, 18, 20, 28, 30, 32, 34, 52, 54, 56, 58, 61, 46, 48, 50, 63};

ToolboxDesign MakeDesign() {
    ToolboxDesign design;
    design.Frames[1] = {0, FrameTop, FrameWidth, FrameHeight};
    design.Frames[2] = {FrameWidth + 100, FrameTop, FrameWidth, FrameHeight};
    for (int code = 0; code < ToolboxImageCount; ++code) {
        design.Images[static_cast<std::size_t>(code)] = {0, UnusedTop, ToolboxImageSize, ToolboxImageSize};
    }
    auto lay = [&design](const auto& codes, const ToolboxRect& frame) {
        int slot = 0;
        for (int code : codes) {
            design.Images[static_cast<std::size_t>(code)] = {frame.Left + FirstColumn + (slot % Columns) * ColumnStep,
                                                             frame.Top + FirstRow - FrameTop + (slot / Columns) * RowStep,
                                                             ToolboxImageSize, ToolboxImageSize};
            ++slot;
        }
    };
    lay(PageOne, design.Frames[1]);
    lay(PageTwo, design.Frames[2]);
    return design;
}

bool Within(const ToolboxRect& frame, const ToolboxRect& image) {
    return image.Top >= frame.Top && image.Top <= frame.Top + frame.Height && image.Left >= frame.Left &&
           image.Left <= frame.Left + frame.Width;
}

}  // namespace

const ToolboxDesign& StandardToolboxDesign() {
    static const ToolboxDesign design = MakeDesign();
    return design;
}

ToolboxPages BuildToolboxPages(const ToolboxDesign& design) {
    ToolboxPages pages;
    for (int p = 1; p <= ToolboxPageCount; ++p) {
        const ToolboxRect& frame = design.Frames[static_cast<std::size_t>(p)];
        auto& page = pages[static_cast<std::size_t>(p)];
        for (int code = 1; code < ToolboxImageCount && page.size() < MaxImagesPerPage; ++code) {
            const ToolboxRect& image = design.Images[static_cast<std::size_t>(code)];
            if (Within(frame, image)) page.push_back({code, image.Left - frame.Left, image.Top});
        }
    }
    return pages;
}

int GrabOnBlock(int twipsInImage) { return twipsInImage * BlockPictureSize / ToolboxImageSize; }

}  // namespace quorvane
