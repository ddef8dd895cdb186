#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "support/test_simulation.h"

namespace quorvane {

/// The named control of a window; fails the test when it is missing.
template <typename T>
T* Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("control %s missing", name);
    return control;
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

}  // namespace quorvane
