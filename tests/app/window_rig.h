#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "editing/block_edit.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "model/editing_state.h"
#include "support/recording_desktop.h"
#include "support/recording_host.h"

namespace quorvane {

/// A started simulation with a recording host, for driving one window.
struct WindowRig {
    WindowRig() {
        StartUp(Sim);
        Host.Clear();
    }

    /// A block of `code` dropped on a sheet; returns its number. The redraw count starts again.
    int Place(int form, int code, int left = 1200, int top = 1200) {
        BeginNewBlockDrag(State, code, 0, 0);
        const int block = PlaceBlock(Sim, State, form, code, left, top);
        Windows.Redraws = 0;
        return block;
    }
    Block& At(int form, int block) { return Sim.Forms[form].Blocks[block]; }

    RecordingHost Host;
    RecordingDesktop Windows;
    Simulation Sim{Host, Windows};
    EditingState State;
};

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
