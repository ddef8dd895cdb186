#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace quorvane {

/// The "Information" window: a message that closes itself six seconds after it becomes active.
class InfoWindow : public QDialog {
    Q_OBJECT
public:
    explicit InfoWindow(const QString& text, QWidget* parent = nullptr);

    static constexpr int FadeMilliseconds = 6000;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Timer1_Timer();

    QTimer* Timer1 = nullptr;
};

}  // namespace quorvane
