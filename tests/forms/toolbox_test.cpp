#include "forms/toolbox.h"

#include <gtest/gtest.h>

#include <set>

#include "model/catalogue.h"

namespace quorvane {
namespace {

TEST(Toolbox, StandardPagesOfferEveryFunctionOnceInOneArea) {
    Catalogue catalogue;
    BuildCatalogue(catalogue);
    const ToolboxPages pages = BuildToolboxPages(StandardToolboxDesign());
    std::set<int> offered;
    for (int p = 1; p <= ToolboxPageCount; ++p) {
        const auto& page = pages[static_cast<std::size_t>(p)];
        EXPECT_LE(page.size(), 30u);
        for (std::size_t i = 0; i < page.size(); ++i) {
            const ToolboxImagePlace& a = page[i];
            SCOPED_TRACE(a.Code);
            EXPECT_TRUE(offered.insert(a.Code).second);
            EXPECT_GE(a.Left, 0);
            EXPECT_LE(a.Left + ToolboxImageSize, ToolboxWidth);
            EXPECT_LE(a.Top + ToolboxImageSize, ToolboxHeight);
            if (i > 0) {
                EXPECT_LT(page[i - 1].Code, a.Code);   // index order
            }
            for (std::size_t j = i + 1; j < page.size(); ++j) {
                const ToolboxImagePlace& b = page[j];
                const bool apart = a.Left + ToolboxImageSize <= b.Left || b.Left + ToolboxImageSize <= a.Left ||
                                   a.Top + ToolboxImageSize <= b.Top || b.Top + ToolboxImageSize <= a.Top;
                EXPECT_TRUE(apart) << "overlaps " << b.Code;
            }
        }
    }
    // One picture for each function: the first of a turnable pair, and every function that does
    // not turn, except the zero constant and the unused code.
    for (int code = 1; code < ToolboxImageCount; ++code) {
        const int turn = catalogue[code].TurnOffset;
        const bool first = turn > 0 || (turn == 0 && code != 45);
        SCOPED_TRACE(code);
        EXPECT_EQ(offered.count(code) == 1, first && code != 45);
    }
    EXPECT_EQ(offered.count(0), 0u);
}

TEST(Toolbox, PagesTakeWhatLiesInTheirFrameBoundsIncludedThirtyAtMost) {
    ToolboxDesign design;
    design.Frames[1] = {0, 600, 1900, 8400};
    design.Frames[2] = {2000, 600, 1900, 8400};
    for (auto& image : design.Images) image = {0, 20000, ToolboxImageSize, ToolboxImageSize};
    design.Images[0] = {100, 700, ToolboxImageSize, ToolboxImageSize};    // in frame 1, but no page
    design.Images[5] = {1900, 9000, ToolboxImageSize, ToolboxImageSize};  // right and bottom edges
    design.Images[6] = {1901, 700, ToolboxImageSize, ToolboxImageSize};   // beyond frame 1, short of 2
    design.Images[7] = {2000, 600, ToolboxImageSize, ToolboxImageSize};   // frame 2's corner
    for (int code = 10; code < 42; ++code) design.Images[static_cast<std::size_t>(code)] = {2300, 700, 100, 100};

    const ToolboxPages pages = BuildToolboxPages(design);
    ASSERT_EQ(pages[1].size(), 1u);
    EXPECT_EQ(pages[1][0], (ToolboxImagePlace{5, 1900, 9000}));
    ASSERT_EQ(pages[2].size(), 30u);
    EXPECT_EQ(pages[2][0], (ToolboxImagePlace{7, 0, 600}));
    EXPECT_EQ(pages[2][1], (ToolboxImagePlace{10, 300, 700}));
    EXPECT_EQ(pages[2].back().Code, 38);
}

}  // namespace
}  // namespace quorvane
