#include "render/qt_canvas.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QRectF>
#include <QString>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/text_file.h"
#include "render/qt_colour.h"

namespace quorvane {

namespace {

constexpr double ScreenDpi = 96.0;
constexpr int PdfDpi = 300;

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont FontOfSize(double points) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(std::max(points, 1.0));
    return font;
}

}  // namespace

PainterCanvas::PainterCanvas(QPaintDevice& device, QColor background) { Begin(device, background); }

PainterCanvas::~PainterCanvas() { End(); }

void PainterCanvas::Begin(QPaintDevice& device, QColor background) {
    End();
    Device = &device;
    Background = background;
    OriginX = 0;
    OriginY = 0;
    FactorX = 1;
    FactorY = 1;
    Clip = QRectF();
    Sound = Painter.begin(&device);
    if (!Sound) return;
    // Crisp one-pixel lines, as the screen draws them, and exact XOR erasing.
    Painter.setRenderHint(QPainter::Antialiasing, false);
    Painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter.setFont(FontOfSize(FontPoints));
    ApplyPen();
}

bool PainterCanvas::End() {
    if (Painter.isActive()) Sound = Painter.end() && Sound;
    return Sound;
}

QPointF PainterCanvas::Map(double x, double y) const {
    return {(x - OriginX) * FactorX, (y - OriginY) * FactorY};
}

QPointF PainterCanvas::UserPoint(QPointF device) const {
    return {device.x() / FactorX + OriginX, device.y() / FactorY + OriginY};
}

void PainterCanvas::ApplyPen() {
    if (!Painter.isActive()) return;
    const double pixels = std::max(1, Width) * Device->logicalDpiX() / ScreenDpi;
    QPen pen(Fore, pixels);
    pen.setStyle(Style == PenStyle::Dash ? Qt::DashLine : Style == PenStyle::Dot ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    Painter.setPen(pen);
    Painter.setBrush(Qt::NoBrush);
    const bool useXor = Mode == DrawMode::Xor && Painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    Painter.setCompositionMode(useXor ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_SourceOver);
}

void PainterCanvas::Clear() {
    if (!Painter.isActive()) return;
    Clip = QRectF();
    Painter.setClipping(false);
    Painter.save();
    Painter.setCompositionMode(QPainter::CompositionMode_Source);
    Painter.fillRect(QRectF(0, 0, Device->width(), Device->height()), Background);
    Painter.restore();
}

void PainterCanvas::SetScale(double left, double top, double right, double bottom) {
    // A scale with no width or height maps nothing; the last usable one stays.
    if (!(std::fabs(right - left) > 0) || !(std::fabs(bottom - top) > 0) || Device == nullptr) return;
    OriginX = left;
    OriginY = top;
    FactorX = Device->width() / (right - left);
    FactorY = Device->height() / (bottom - top);
}

void PainterCanvas::SetClip(double x1, double y1, double x2, double y2) {
    // A pen's width wider, so that a curve running along the frame's edge is drawn, not cut away.
    const double pen = Device != nullptr ? Device->logicalDpiX() / ScreenDpi : 1.0;
    Clip = QRectF(Map(x1, y1), Map(x2, y2)).normalized().adjusted(-pen, -pen, pen, pen);
    if (Painter.isActive()) Painter.setClipRect(Clip);
}

void PainterCanvas::SetForeColour(Colour colour) {
    Fore = ToQColor(colour);
    ApplyPen();
}

void PainterCanvas::SetPen(PenStyle style, int width) {
    Style = style;
    Width = width;
    ApplyPen();
}

void PainterCanvas::SetDrawMode(DrawMode mode) {
    Mode = mode;
    ApplyPen();
}

void PainterCanvas::SetFontSize(double points) {
    FontPoints = points;
    if (Painter.isActive()) Painter.setFont(FontOfSize(points));
}

void PainterCanvas::ContinuePattern(QPointF from, QPointF to) {
    if (Style == PenStyle::Solid) return;
    if (from != ChainEnd) ChainLength = 0;
    QPen pen = Painter.pen();
    pen.setDashOffset(ChainLength / std::max(pen.widthF(), 1.0));
    Painter.setPen(pen);
    ChainLength += std::hypot(to.x() - from.x(), to.y() - from.y());
    ChainEnd = to;
}

void PainterCanvas::Line(double x1, double y1, double x2, double y2) {
    if (!Painter.isActive()) return;
    const QPointF from = Map(x1, y1);
    const QPointF to = Map(x2, y2);
    ContinuePattern(from, to);
    Painter.drawLine(from, to);
}

void PainterCanvas::Box(double x1, double y1, double x2, double y2, bool filled) {
    if (!Painter.isActive()) return;
    const QRectF rect = QRectF(Map(x1, y1), Map(x2, y2)).normalized();
    if (filled) {
        Painter.fillRect(rect, Fore);
    } else {
        Painter.drawRect(rect);
    }
}

void PainterCanvas::Circle(double x, double y, double radius) {
    if (!Painter.isActive()) return;
    // The radius is measured along X, so a circle stays round under an uneven scale.
    const double r = std::fabs(radius * FactorX);
    Painter.drawEllipse(Map(x, y), r, r);
}

void PainterCanvas::Point(double x, double y) {
    if (!Painter.isActive()) return;
    Painter.drawPoint(Map(x, y));
}

void PainterCanvas::Text(double x, double y, const std::string& text) {
    if (!Painter.isActive()) return;
    const QFontMetricsF metrics(Painter.font(), Device);
    const QPointF at = Map(x, y);
    Painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), ToQString(text));
}

double PainterCanvas::TextWidth(const std::string& text) {
    if (Device == nullptr) return 0;
    const QFontMetricsF metrics(FontOfSize(FontPoints), Device);
    return metrics.horizontalAdvance(ToQString(text)) / std::fabs(FactorX);
}

double PainterCanvas::TextHeight(const std::string&) {
    if (Device == nullptr) return 0;
    const QFontMetricsF metrics(FontOfSize(FontPoints), Device);
    return metrics.height() / std::fabs(FactorY);
}

void PainterCanvas::NewPage() {
    if (Painter.isActive()) StartNewPage();
}

void PainterCanvas::EndDocument() { End(); }

namespace {

class ImageFileCanvas : public FileCanvas {
public:
    ImageFileCanvas(const std::string& path, int width, int height)
        : FileCanvas(path), Image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
        if (Image.isNull()) return;   // too large to hold: Finish reports it
        Begin(Image);
        Clear();
    }
    ~ImageFileCanvas() override { Finish(); }
    ImageFileCanvas(const ImageFileCanvas&) = delete;
    ImageFileCanvas& operator=(const ImageFileCanvas&) = delete;

protected:
    bool Complete(QByteArray& bytes) override {
        if (!End()) return false;
        QBuffer buffer(&bytes);
        return buffer.open(QIODevice::WriteOnly) && Image.save(&buffer, "PNG");
    }

private:
    QImage Image;
};

/// SVG and PDF documents are written as they are painted, into memory; they are complete when
/// painting ends.
template <typename Document>
class DocumentFileCanvas : public FileCanvas {
public:
    ~DocumentFileCanvas() override { Finish(); }

protected:
    explicit DocumentFileCanvas(const std::string& path) : FileCanvas(path), Buffer(&Data) {
        Buffer.open(QIODevice::WriteOnly);
    }
    bool Complete(QByteArray& bytes) override {
        const bool painted = End();
        Buffer.close();
        bytes = Data;
        return painted && !bytes.isEmpty();
    }

    QByteArray Data;
    QBuffer Buffer;
    Document Output;
};

class SvgFileCanvas : public DocumentFileCanvas<QSvgGenerator> {
public:
    SvgFileCanvas(const std::string& path, int width, int height) : DocumentFileCanvas(path) {
        Output.setOutputDevice(&Buffer);
        Output.setSize(QSize(width, height));
        Output.setViewBox(QRect(0, 0, width, height));
        Output.setResolution(static_cast<int>(ScreenDpi));
        Begin(Output);
        Clear();
    }
};

class PdfFileCanvas : public DocumentFileCanvas<std::unique_ptr<QPdfWriter>> {
public:
    PdfFileCanvas(const std::string& path, int width, int height) : DocumentFileCanvas(path) {
        Output = std::make_unique<QPdfWriter>(&Buffer);
        Output->setResolution(PdfDpi);
        const double toPoints = 72.0 / ScreenDpi;
        Output->setPageLayout(QPageLayout(QPageSize(QSizeF(width * toPoints, height * toPoints), QPageSize::Point),
                                          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        Output->setCreator(QStringLiteral("Quorvane"));
        Begin(*Output);
    }

protected:
    bool StartNewPage() override { return Output->newPage(); }
};

}  // namespace

bool FileCanvas::Finish() {
    if (Result) return *Result;
    QByteArray bytes;
    if (!Complete(bytes)) {
        FailureText = "the picture could not be drawn";
    } else {
        FailureText = ReplaceFile(Path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    Result = FailureText.empty();
    return *Result;
}

std::unique_ptr<FileCanvas> OpenFileCanvas(const std::string& path, int widthPx, int heightPx) {
    const QString suffix = QFileInfo(ToQString(path)).suffix().toLower();
    widthPx = std::max(widthPx, 1);
    heightPx = std::max(heightPx, 1);
    std::unique_ptr<FileCanvas> canvas;
    if (suffix == QLatin1String("png")) {
        canvas = std::make_unique<ImageFileCanvas>(path, widthPx, heightPx);
    } else if (suffix == QLatin1String("svg")) {
        canvas = std::make_unique<SvgFileCanvas>(path, widthPx, heightPx);
    } else if (suffix == QLatin1String("pdf")) {
        canvas = std::make_unique<PdfFileCanvas>(path, widthPx, heightPx);
    }
    return canvas;
}

}  // namespace quorvane
