#include "app/controls/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quorvane {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

PictureBox::PictureBox(QWidget* parent, const char* name, const QString& description) : PictureBox(parent) {
    setObjectName(name);
    setToolTip(description);
    setAccessibleName(description);
}

PainterCanvas& PictureBox::BeginDrawing() {
    Image = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    Canvas.Begin(Image);
    Canvas.Clear();
    return Canvas;
}

void PictureBox::FinishDrawing() {
    Canvas.End();
    update();
}

void PictureBox::SetMarker(QPointF centre, double radius) {
    Marker = Circle{centre, radius};
    update();
}

void PictureBox::ClearMarker() {
    Marker.reset();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, Image);
    if (!Marker) return;
    const QPointF centre = Canvas.DevicePoint(Marker->Centre.x(), Marker->Centre.y());
    const double radius = std::fabs(Canvas.DevicePoint(Marker->Centre.x() + Marker->Radius, 0).x() -
                                    Canvas.DevicePoint(Marker->Centre.x(), 0).x());
    // A graph's marker stays inside its plot frame, as its curves do.
    if (!Canvas.ClipArea().isEmpty()) painter.setClipRect(Canvas.ClipArea());
    painter.setPen(Qt::black);
    painter.drawEllipse(centre, radius, radius);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    emit Clicked(Canvas.UserPoint(event->position()));
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit FocusLost();
}

}  // namespace quorvane
