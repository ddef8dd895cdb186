#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include <memory>
#include <optional>
#include <string>

#include "platform/canvas.h"

class QByteArray;
class QPaintDevice;

namespace quorvane {

/// The Canvas drawn with QPainter on any paint device: a sheet's backing image, an image file,
/// an SVG or PDF document, or a printer. User coordinates are mapped onto the device by the
/// last SetScale (device pixels until then); line widths are in pixels at 96 dots per inch and
/// type sizes in points, whatever the device's resolution. XOR drawing works on raster images
/// only; vector devices draw in copy mode.
class PainterCanvas : public Canvas {
public:
    PainterCanvas() = default;
    /// Starts painting on `device`, which must outlive the canvas or the next End.
    explicit PainterCanvas(QPaintDevice& device, QColor background = Qt::white);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    /// Starts painting on another device, ending painting on the previous one.
    void Begin(QPaintDevice& device, QColor background = Qt::white);
    /// Ends painting, so the device's content is complete (an image may then be shown or saved).
    /// False when painting never started or the device reported a failure.
    bool End();
    bool Active() const { return Painter.isActive(); }
    /// A user point on the device under the last SetScale, and a device point in user units
    /// (the scale stays known after End, so a finished picture can be read by position).
    QPointF DevicePoint(double x, double y) const { return Map(x, y); }
    QPointF UserPoint(QPointF device) const;
    /// The device rectangle the last SetClip of this drawing keeps drawing inside; empty when
    /// nothing is clipped (a marker laid over the finished picture stays inside it too).
    QRectF ClipArea() const { return Clip; }

    void Clear() override;
    void SetScale(double left, double top, double right, double bottom) override;
    void SetForeColour(Colour colour) override;
    void SetPen(PenStyle style, int width) override;
    void SetDrawMode(DrawMode mode) override;
    void SetFontSize(double points) override;
    void SetClip(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2, bool filled) override;
    void Circle(double x, double y, double radius) override;
    void Point(double x, double y) override;
    void Text(double x, double y, const std::string& text) override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;
    /// A printer or PDF device starts a new page; single-page devices ignore it.
    void NewPage() override;
    /// Ends painting.
    void EndDocument() override;

protected:
    /// Called by NewPage; true when the device started a new page.
    virtual bool StartNewPage() { return false; }

private:
    QPointF Map(double x, double y) const;
    void ApplyPen();
    /// Broken pens carry their pattern on along a chain of lines, so that a curve drawn in
    /// short pieces still looks dashed.
    void ContinuePattern(QPointF from, QPointF to);

    QPainter Painter;
    QPaintDevice* Device = nullptr;
    bool Sound = false;   ///< painting started and the device has reported no failure
    QColor Background = Qt::white;
    QColor Fore = Qt::black;
    PenStyle Style = PenStyle::Solid;
    int Width = 1;
    DrawMode Mode = DrawMode::Copy;
    double FontPoints = 8.25;
    QRectF Clip;
    QPointF ChainEnd{-1e9, -1e9};
    double ChainLength = 0;   ///< device units along the chain so far
    // Device = (user - origin) * factor.
    double OriginX = 0;
    double OriginY = 0;
    double FactorX = 1;
    double FactorY = 1;
};

/// A canvas that writes a file when it is finished. The picture is drawn in memory and the file
/// written in one step, so it never exists half written and a file it replaces is kept when
/// anything fails.
class FileCanvas : public PainterCanvas {
public:
    /// Completes the picture and writes the file; false when either failed, with the reason in
    /// Failure(). Later calls return the first result.
    bool Finish();
    /// The system's description of why the file could not be written, or why it could not be drawn.
    const std::string& Failure() const { return FailureText; }
    void EndDocument() override { Finish(); }

protected:
    explicit FileCanvas(std::string path) : Path(std::move(path)) {}
    /// Ends painting and gives the file's bytes; false when the painter or the device failed.
    virtual bool Complete(QByteArray& bytes) = 0;

private:
    std::string Path;
    std::optional<bool> Result;
    std::string FailureText;
};

/// A file canvas of widthPx x heightPx pixels at 96 dots per inch, chosen by the extension of
/// `path`: ".png" an image, ".svg" a drawing, ".pdf" a document of pages of that size.
/// Nothing (nullptr) for any other extension. The file is written by Finish (or EndDocument, or
/// when the canvas is destroyed).
std::unique_ptr<FileCanvas> OpenFileCanvas(const std::string& path, int widthPx, int heightPx);

}  // namespace quorvane
