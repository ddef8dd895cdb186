#pragma once

#include <QWidget>

#include <array>

#include "forms/form_manager.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quorvane {

struct Simulation;

/// The simulation form manager: a row per form slot with its run box, name, status, block
/// count and unload button, and the command to load a new form.
class Fmanage : public QWidget {
    Q_OBJECT
public:
    explicit Fmanage(Simulation& sim, QWidget* parent = nullptr);

    void Load(const FormManagerView& view);

public slots:
    /// The grid follows the form slots again.
    void StatUpDate();
    void Command4_Click();   // Load a new Form
    void Command5_Click();   // Done

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Check1_Click(int row, bool checked);
    void Command1_Click(int row);   // Unload

    Simulation& Sim;
    std::array<QCheckBox*, FormManagerRows> Check1;
    std::array<QLabel*, FormManagerRows> Label1;
    std::array<QLabel*, FormManagerRows> Label2;
    std::array<QLabel*, FormManagerRows> Label7;
    std::array<QPushButton*, FormManagerRows> Command1;
    QLabel* Label9;
    QPushButton* Command4;
    QPushButton* Command5;
};

}  // namespace quorvane
