#include "app/controls/child_window.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <algorithm>

#include "app/controls/twips.h"

namespace quorvane {

QWidget* WindowFrame(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return frame;
    return window;
}

void ShowChildWindow(QWidget* window) {
    window->show();
    QWidget* frame = WindowFrame(window);
    frame->show();
    // Made the active window as well as the top one: a window raised but left inactive would
    // stay in front of the active one, which a click or the Window menu then cannot bring forward.
    auto* sub = qobject_cast<QMdiSubWindow*>(frame);
    if (sub != nullptr && sub->mdiArea() != nullptr) sub->mdiArea()->setActiveSubWindow(sub);
    frame->raise();
}

void HideChildWindow(QWidget* window) { WindowFrame(window)->hide(); }

void SetChildGeometry(QWidget* window, int left, int top, int width, int height) {
    QWidget* frame = WindowFrame(window);
    const QSize least = frame->minimumSizeHint();
    frame->setGeometry(TwipsToPixels(left), TwipsToPixels(top), std::max(TwipsToPixels(width), least.width()),
                       std::max(TwipsToPixels(height), least.height()));
}

void KeepInsideClientArea(QWidget* window) {
    QWidget* frame = WindowFrame(window);
    const QWidget* area = frame->parentWidget();
    if (area == nullptr || frame == window) return;
    const int left = std::max(0, std::min(frame->x(), area->width() - frame->width()));
    const int top = std::max(0, std::min(frame->y(), area->height() - frame->height()));
    frame->move(left, top);
}

void PlaceBeside(QWidget* window, QWidget* anchor) {
    const QWidget* anchorFrame = WindowFrame(anchor);
    WindowFrame(window)->move(anchorFrame->geometry().right() + 1, anchorFrame->geometry().top());
}

}  // namespace quorvane
