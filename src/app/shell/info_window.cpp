#include "app/shell/info_window.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace quorvane {

InfoWindow::InfoWindow(const QString& text, QWidget* parent) : QDialog(parent), Timer1(new QTimer(this)) {
    setObjectName("Information");
    setWindowTitle("Information");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* label1 = new QLabel(text, this);
    label1->setObjectName("Label1");
    label1->setWordWrap(true);
    auto* label2 = new QLabel("This message will automatically fade", this);
    label2->setObjectName("Label2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(FadeMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &InfoWindow::Timer1_Timer);
}

void InfoWindow::showEvent(QShowEvent* event) {
    // The time runs from when the message can first be seen, not from when it was made; a
    // window manager that does not activate it must not leave it up for good.
    if (!Timer1->isActive()) Timer1->start();
    QDialog::showEvent(event);
}

void InfoWindow::Timer1_Timer() {
    Timer1->stop();
    close();
}

}  // namespace quorvane
