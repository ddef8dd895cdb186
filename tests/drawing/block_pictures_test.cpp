#include "drawing/block_pictures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_canvas.h"

namespace quorvane {
namespace {

using Kind = RecordingCanvas::Kind;

class BlockPictures : public ::testing::Test {
protected:
    BlockPictures() { BuildCatalogue(Functions); }

    /// Whether some drawn line ends at (x, y).
    static bool LineEndsAt(const RecordingCanvas& canvas, double x, double y) {
        for (const auto& line : canvas.OfKind(Kind::Line)) {
            if ((line.X1 == x && line.Y1 == y) || (line.X2 == x && line.Y2 == y)) return true;
        }
        return false;
    }

    Catalogue Functions;
};

TEST_F(BlockPictures, EveryFunctionHasStubsAtItsTerminalAnchors) {
    constexpr double Left = 2400;
    constexpr double Top = 1200;
    for (int code = 0; code <= 63; ++code) {
        SCOPED_TRACE(code);
        RecordingCanvas canvas;
        DrawBlockPicture(canvas, Functions, code, Left, Top, false);
        // A box, and nothing outside the picture's square.
        ASSERT_EQ(canvas.OfKind(Kind::Box).size(), 1u);
        for (const auto& p : canvas.Drawn) {
            if (p.What != Kind::Line && p.What != Kind::Box) continue;
            EXPECT_GE(std::min(p.X1, p.X2), Left);
            EXPECT_LE(std::max(p.X1, p.X2), Left + BlockPictureSize);
            EXPECT_GE(std::min(p.Y1, p.Y2), Top);
            EXPECT_LE(std::max(p.Y1, p.Y2), Top + BlockPictureSize);
        }
        const BlockFunction& f = Functions[code];
        for (int k = 1; k <= f.InputCount; ++k) {
            EXPECT_TRUE(LineEndsAt(canvas, Left + f.InputX[k] + 30, Top + f.InputY[k] + 60)) << "input " << k;
        }
        for (int t = 1; t <= f.OutputCount; ++t) {
            EXPECT_TRUE(LineEndsAt(canvas, Left + f.OutputX[t] + 60, Top + f.OutputY[t] + 60)) << "output " << t;
        }
        // Every function shows something in its box besides the stubs, apart from the label.
        const std::size_t stubs = static_cast<std::size_t>(3 * f.InputCount + f.OutputCount);
        if (code != 63) {
            EXPECT_TRUE(!canvas.Texts().empty() || canvas.OfKind(Kind::Line).size() > stubs);
        }
    }
}

TEST_F(BlockPictures, MathsSymbolsReplaceOnlyTheCalculusBlocks) {
    for (int code = 0; code <= 63; ++code) {
        SCOPED_TRACE(code);
        RecordingCanvas plain;
        RecordingCanvas maths;
        DrawBlockPicture(plain, Functions, code, 0, 0, false);
        DrawBlockPicture(maths, Functions, code, 0, 0, true);
        const bool calculus = code == 8 || code == 9 || code == 14 || code == 15;
        EXPECT_EQ(plain.Texts() != maths.Texts(), calculus);
    }
    RecordingCanvas integrator;
    DrawBlockPicture(integrator, Functions, 8, 0, 0, true);
    EXPECT_EQ(integrator.Texts(), (std::vector<std::string>{"\u222B"}));
    // The picture leaves the sheet's type size behind it.
    EXPECT_EQ(integrator.FontSize, SheetFontSize);
}

}  // namespace
}  // namespace quorvane
