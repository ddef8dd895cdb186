#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

#include <optional>

#include "render/qt_canvas.h"

namespace quorvane {

/// A picture box: shows a backing image drawn by the core through its canvas, and reports
/// clicks in user units of the last drawing. A marker circle can stand over the picture
/// without being drawn into it, so taking it away leaves the picture as it was.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    /// A picture box named `name`, described by its tool tip, which is also its accessible name.
    PictureBox(QWidget* parent, const char* name, const QString& description);

    /// Starts a drawing on a fresh backing image of the box's size; Finish shows it.
    PainterCanvas& BeginDrawing();
    void FinishDrawing();
    const QImage& Picture() const { return Image; }

    /// A circle of `radius` user units (measured along X) around a user point; nothing to remove it.
    void SetMarker(QPointF centre, double radius);
    void ClearMarker();
    /// Where a user point of the last drawing stands in the box, in pixels.
    QPointF DevicePoint(QPointF user) const { return Canvas.DevicePoint(user.x(), user.y()); }
    bool HasMarker() const { return Marker.has_value(); }

signals:
    void Clicked(QPointF user);
    void FocusLost();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Circle {
        QPointF Centre;
        double Radius = 0;
    };
    QImage Image;
    PainterCanvas Canvas;
    std::optional<Circle> Marker;
};

}  // namespace quorvane
