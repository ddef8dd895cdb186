#include "render/qt_canvas.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "render_fixture.h"

// The font library keeps a little memory of its own to the end of the process; the leak check
// of the sanitized build is told so, and still reports anything of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace quorvane {
namespace {

constexpr QRgb White = qRgb(255, 255, 255);

class QtCanvasTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureGuiApplication(); }
};

TEST_F(QtCanvasTest, PngMapsTheUserScaleOntoPixels) {
    const std::string path = OutputPath("canvas_scale.png");
    auto canvas = OpenFileCanvas(path, 200, 100);
    ASSERT_TRUE(canvas);
    // 10 twips a pixel, as a sheet is drawn: a filled box from (500, 200) to (1000, 600) covers
    // pixels 50..100 by 20..60.
    canvas->SetScale(0, 0, 2000, 1000);
    canvas->SetForeColour(PaletteColour(Palette::LightRed));
    canvas->Box(500, 200, 1000, 600, true);
    // A scale with Y upwards, as the graphs use: y = 5 of 0..10 is the middle row.
    canvas->SetScale(0, 10, 20, 0);
    canvas->SetForeColour(PaletteColour(Palette::Blue));
    canvas->Line(0, 2.5, 20, 2.5);
    ASSERT_TRUE(canvas->Finish());

    QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.pixel(75, 40) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, White & 0xFFFFFF);
    EXPECT_EQ(image.pixel(49, 40) & 0xFFFFFF, White & 0xFFFFFF);
    // The line at y = 2.5 runs along pixel row 75 in navy.
    EXPECT_EQ(CountColour(image, qRgb(0, 0, 128), QRect(0, 74, 200, 3)), 200);
}

TEST_F(QtCanvasTest, XorDrawnTwiceLeavesNoTrace) {
    QImage image(100, 100, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    canvas.Clear();
    const auto dottedXorLine = [&] {
        canvas.SetScale(0, 0, 1500, 1500);
        canvas.SetForeColour(PaletteColour(Palette::Cyan));
        canvas.SetDrawMode(DrawMode::Xor);
        canvas.SetPen(PenStyle::Dot, 1);
        canvas.Line(150, 750, 1350, 750);
        canvas.End();
    };
    dottedXorLine();
    // Cyan (0, 128, 128) over white gives (255, 127, 127) wherever a dot falls.
    const int dots = CountColour(image, qRgb(255, 127, 127));
    EXPECT_GT(dots, 20);
    EXPECT_LT(dots, 80);   // dotted: gaps between the dots
    canvas.Begin(image);
    dottedXorLine();
    EXPECT_EQ(CountColour(image, White), 100 * 100);
}

TEST_F(QtCanvasTest, DashesRunOnAlongACurveDrawnInPieces) {
    // A dashed line drawn as 150 one-pixel pieces still shows gaps, as one long line would.
    QImage image(200, 20, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    canvas.Clear();
    canvas.SetForeColour(PaletteColour(Palette::Blue));
    canvas.SetPen(PenStyle::Dash, 1);
    for (int x = 20; x < 170; ++x) canvas.Line(x, 10, x + 1, 10);
    canvas.SetPen(PenStyle::Solid, 1);
    canvas.Line(20, 15, 170, 15);
    canvas.End();
    const int dashed = CountColour(image, qRgb(0, 0, 128), QRect(0, 9, 200, 3));
    const int solid = CountColour(image, qRgb(0, 0, 128), QRect(0, 14, 200, 3));
    EXPECT_GE(solid, 150);
    EXPECT_GT(dashed, solid / 3);
    EXPECT_LT(dashed, solid * 5 / 6);
}

TEST_F(QtCanvasTest, TextSitsBelowAndRightOfItsPosition) {
    QImage image(300, 100, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    canvas.Clear();
    canvas.SetScale(0, 0, 4500, 1500);   // twips
    canvas.SetFontSize(12);
    const double wide = canvas.TextWidth("WWWW");
    const double narrow = canvas.TextWidth("iiii");
    const double height = canvas.TextHeight("W");
    EXPECT_GT(wide, 2 * narrow);
    // 12-point type is 16 pixels (240 twips) high at 96 dots per inch; its line a little more.
    EXPECT_GT(height, 240);
    EXPECT_LT(height, 360);
    canvas.SetForeColour(PaletteColour(Palette::Black));
    canvas.Text(1500, 300, "WWWW");
    canvas.End();
    const QRect inside(100, 20, static_cast<int>(wide / 15), static_cast<int>(height / 15));
    EXPECT_GT(CountInk(image, inside), 50);
    EXPECT_EQ(CountInk(image, QRect(0, 0, 99, 100)), 0);
    EXPECT_EQ(CountInk(image, QRect(0, 0, 300, 19)), 0);

    // Extents are in user units: the same text is half as wide in units twice as large.
    QImage other(300, 100, QImage::Format_RGB32);
    PainterCanvas coarse(other);
    coarse.SetScale(0, 0, 9000, 3000);
    coarse.SetFontSize(12);
    EXPECT_NEAR(coarse.TextWidth("WWWW"), 2 * wide, 1e-6 * wide);
}

TEST_F(QtCanvasTest, SvgAndPdfDocuments) {
    const std::string svgPath = OutputPath("canvas.svg");
    {
        auto svg = OpenFileCanvas(svgPath, 400, 300);
        ASSERT_TRUE(svg);
        svg->SetScale(0, 0, 6000, 4500);
        svg->Text(600, 600, "Scaled text");
        svg->Circle(3000, 2000, 500);
        EXPECT_TRUE(svg->Finish());
    }
    std::ifstream svgFile(svgPath);
    std::stringstream svgText;
    svgText << svgFile.rdbuf();
    EXPECT_NE(svgText.str().find("<svg"), std::string::npos);
    EXPECT_NE(svgText.str().find("Scaled text"), std::string::npos);

    const std::string pdfPath = OutputPath("canvas.pdf");
    {
        auto pdf = OpenFileCanvas(pdfPath, 794, 1123);   // A4 at 96 dots per inch
        ASSERT_TRUE(pdf);
        pdf->SetScale(0, 0, 100, 100);
        pdf->SetFontSize(12);
        pdf->Text(10, 10, "First page");
        pdf->NewPage();
        pdf->Text(10, 10, "Second page");
        pdf->EndDocument();
        EXPECT_TRUE(pdf->Finish());
    }
    const std::string text = CommandOutput("pdftotext -layout '" + pdfPath + "' -");
    EXPECT_NE(text.find("First page"), std::string::npos) << text;
    EXPECT_NE(text.find("Second page"), std::string::npos) << text;
    EXPECT_NE(CommandOutput("pdfinfo '" + pdfPath + "'").find("Pages:           2"), std::string::npos);
}

// Whatever fails, the reason is given, nothing half written is left and a file being replaced
// keeps its content.
TEST_F(QtCanvasTest, FilesThatCannotBeWritten) {
    EXPECT_FALSE(OpenFileCanvas(OutputPath("canvas.bmpx"), 10, 10));
    for (const char* name : {"canvas.png", "canvas.svg", "canvas.pdf"}) {
        SCOPED_TRACE(name);
        auto missing = OpenFileCanvas(std::string("/nonexistent-folder/") + name, 10, 10);
        ASSERT_TRUE(missing);
        missing->Line(0, 0, 5, 5);
        EXPECT_FALSE(missing->Finish());
        EXPECT_FALSE(missing->Finish());
        EXPECT_EQ(missing->Failure(), "No such file or directory");

        const std::string path = OutputPath(std::string("read-only ") + name);
        { std::ofstream(path) << "kept"; }
        std::filesystem::permissions(path, std::filesystem::perms::owner_read);
        auto readOnly = OpenFileCanvas(path, 10, 10);
        ASSERT_TRUE(readOnly);
        readOnly->Line(0, 0, 5, 5);
        EXPECT_FALSE(readOnly->Finish());
        EXPECT_EQ(readOnly->Failure(), "Permission denied");
        std::ifstream kept(path);
        std::string content;
        kept >> content;
        EXPECT_EQ(content, "kept");
        std::filesystem::remove(path);
    }
}

}  // namespace
}  // namespace quorvane
