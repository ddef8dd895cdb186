#pragma once

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "app/sheets/block_drag.h"
#include "app/sheets/form1.h"
#include "support/test_simulation.h"

namespace quorvane {

/// The named control of a window; fails the test when it is missing.
template <typename T>
T* Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("control %s missing", name);
    return control;
}

/// The named menu item of a window; fails the test when it is missing.
inline QAction* Item(QWidget& window, const QString& name) {
    auto* item = window.findChild<QAction*>(name);
    if (!item) qFatal("no menu item %s", qPrintable(name));
    return item;
}

/// A file's bytes; none when it cannot be read.
inline QByteArray Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The texts of a list's rows.
inline QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    return entries;
}

/// Replaces a field's text the way a user does: select all, type.
inline void Retype(QWidget& window, const char* name, const QString& text) {
    auto* field = Control<QLineEdit>(window, name);
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
    else QTest::keyClicks(field, text);
}

inline void Press(QWidget& window, const char* name) {
    QTest::mouseClick(Control<QPushButton>(window, name), Qt::LeftButton);
}

/// A block dragged from the toolbox or the sheet dropped at `pixel` of a sheet: a drop goes to the
/// widget that accepted the drag's entry.
inline void DropOn(QWidget& sheet, QPoint pixel) {
    QMimeData mime;
    mime.setData(BlockMimeType, {});
    QDragEnterEvent enter(pixel, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&sheet, &enter);
    QDropEvent drop(QPointF(pixel), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&sheet, &drop);
}

/// The toolbox image of `code` pressed in its middle and dropped so that the block's corner lands
/// at `corner` (pixels) on the sheet: the middle of a toolbox image is the middle of the
/// full-size picture, 24 pixels in.
inline void TakeFromToolbox(Form1& toolbox, QWidget& sheet, int code, QPoint corner) {
    QTest::mousePress(toolbox.Image1(code), Qt::LeftButton, {}, QPoint(16, 16));
    DropOn(sheet, corner + QPoint(24, 24));
}

}  // namespace quorvane
