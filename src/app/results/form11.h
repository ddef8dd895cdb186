#pragma once

#include <QWidget>

#include "forms/scales_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvane {

struct Simulation;

/// "Adust X and Y Scales": automatic or manual limits for each axis of the time graph.
class Form11 : public QWidget {
    Q_OBJECT
public:
    explicit Form11(Simulation& sim, QWidget* parent = nullptr);

    void Load(const ScalesDialog& dialog);
    ScalesDialog Store() const;

signals:
    /// The limits were taken: the graph is to be redrawn.
    void Applied();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Option_Click();
    void Command1_Click();
    void Command2_Click();
    void UpdateControls();

    Simulation& Sim;
    QRadioButton* Option1 = nullptr;   // Y Automatic
    QRadioButton* Option2 = nullptr;   // Y Manual
    QRadioButton* Option3 = nullptr;   // X Automatic
    QRadioButton* Option4 = nullptr;   // X Manual
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QCheckBox* Check1 = nullptr;   // Y Log Scale
    QCheckBox* Check2 = nullptr;   // X Log Scale
};

}  // namespace quorvane
