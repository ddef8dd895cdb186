#pragma once

#include <QWidget>

#include "forms/data_display.h"

class QLabel;
class QLineEdit;

namespace quorvane {

struct Simulation;

/// "Data Display": the print and plot intervals outside the run window.
class DispTim : public QWidget {
    Q_OBJECT
public:
    explicit DispTim(Simulation& sim, QWidget* parent = nullptr);

    void Load(const DataDisplayDialog& dialog);
    DataDisplayDialog Store() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();

    Simulation& Sim;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
};

}  // namespace quorvane
