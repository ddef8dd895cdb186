#include "app/child_window.h"

#include <QMdiSubWindow>
#include <QWidget>

namespace quorvane {

QWidget* WindowFrame(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return frame;
    return window;
}

void ShowChildWindow(QWidget* window) {
    window->show();
    QWidget* frame = WindowFrame(window);
    frame->show();
    frame->raise();
}

void HideChildWindow(QWidget* window) { WindowFrame(window)->hide(); }

void PlaceBeside(QWidget* window, QWidget* anchor) {
    const QWidget* anchorFrame = WindowFrame(anchor);
    WindowFrame(window)->move(anchorFrame->geometry().right() + 1, anchorFrame->geometry().top());
}

}  // namespace quorvane
