#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include <utility>

#include "app/controls/twips.h"
#include "app/sheets/fsim.h"
#include "engine/simulation.h"
#include "forms/edit_commands.h"

// The sheet's keyboard pointer: the keys that move it, and press, click and release with it.

namespace quorvane {

bool Fsim::PointerKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int step = (modifiers & Qt::ControlModifier) ? PointerFineStep : PointerStep;
    const SheetArea area{PixelsToTwips(width()), PixelsToTwips(height())};
    const int block = BlockAt(Sim, FormIndex, Pointer.X, Pointer.Y);
    switch (event->key()) {
    case Qt::Key_Left: PointTo(MovedPointer(Pointer, -step, 0, area)); return true;
    case Qt::Key_Right: PointTo(MovedPointer(Pointer, step, 0, area)); return true;
    case Qt::Key_Up: PointTo(MovedPointer(Pointer, 0, -step, area)); return true;
    case Qt::Key_Down: PointTo(MovedPointer(Pointer, 0, step, area)); return true;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        if (const auto on = PointerOnInput(Sim, FormIndex, block, event->key() - Qt::Key_0)) PointTo(*on);
        return true;
    case Qt::Key_O: {
        // From an output to the next one, round to the first.
        const Block& b = Sim.Forms[FormIndex].Blocks[block];
        const int now =
            block == 0 ? 0 : OutputTerminalAt(Sim.Functions, b.FunctionCode, Pointer.X - b.Left, Pointer.Y - b.Top);
        auto on = PointerOnOutput(Sim, FormIndex, block, now + 1);
        if (!on) on = PointerOnOutput(Sim, FormIndex, block, 1);
        if (on) PointTo(*on);
        return true;
    }
    case Qt::Key_Space:
        if (KeyHeld) {
            EndKeyPress(true);
        } else if (modifiers & Qt::ControlModifier) {
            KeyHeld = true;
            PressWith(Qt::LeftButton, {}, PointerPoint());
        } else {
            PressWith(Qt::LeftButton, modifiers & Qt::ShiftModifier, PointerPoint());
            ReleaseWith(PointerPoint());
        }
        return true;
    case Qt::Key_F10:
        if (!(modifiers & Qt::ShiftModifier)) return false;
        [[fallthrough]];
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Menu:
        EndKeyPress(true);
        PressWith(Qt::RightButton, {}, PointerPoint());
        return true;
    case Qt::Key_T:
        if (modifiers != Qt::NoModifier) return false;
        TurnBlockAt(PointerPoint());
        return true;
    default:
        return false;
    }
}

void Fsim::PointTo(SheetPointer p) {
    Pointer = p;
    if (KeyHeld && PressedBlock != 0) Carrying = true;
    if (!Carrying) MoveWith(PointerPoint(), KeyHeld, true);
    PointerShown = true;
    setAccessibleDescription(QString::fromStdString(DescribePointer(Sim, FormIndex, Pointer)));
    update();
}

bool Fsim::PointerToNextBlock(bool backwards) {
    const SimulationForm& sheet = Sim.Forms[FormIndex];
    const int from = PointerShown ? BlockAt(Sim, FormIndex, Pointer.X, Pointer.Y) : 0;
    const int next = NextBlock(sheet, from, backwards);
    if (next == 0) return false;
    PointTo(PointerOnBlock(sheet, next));
    return true;
}

void Fsim::EndKeyPress(bool drop) {
    if (!KeyHeld) return;
    KeyHeld = false;
    if (LetGoIfEdited()) return;
    if (!Carrying) {
        ReleaseWith(PointerPoint());
        return;
    }
    Carrying = false;
    PressedBlock = 0;
    // Escape leaves the block where it was, as it does a drag with the mouse.
    if (drop) {
        DropGroupOnSheet(Sim, Editing, FormIndex, Pointer.X, Pointer.Y);
    } else {
        AbandonDrag(Editing);
    }
    Refresh();
}

void Fsim::PaintPointer(QPainter& painter) {
    if (Carrying) {
        // Where the carried block will stand.
        painter.drawPixmap(TwipsToPixels(Pointer.X - Editing.GrabX), TwipsToPixels(Pointer.Y - Editing.GrabY),
                           Image2->pixmap());
    }
    if (!PointerShown || !hasFocus()) return;
    // A cross in black on a white outline, seen on any sheet colour.
    const QPoint at(TwipsToPixels(Pointer.X), TwipsToPixels(Pointer.Y));
    constexpr int Arm = 7;
    for (const auto& [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
        painter.setPen(QPen(colour, width));
        painter.drawLine(at.x() - Arm, at.y(), at.x() + Arm, at.y());
        painter.drawLine(at.x(), at.y() - Arm, at.x(), at.y() + Arm);
    }
}

}  // namespace quorvane
