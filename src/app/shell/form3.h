#pragma once

#include <QWidget>

#include "run/run_window.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane {

class Host;
class ResultHandOff;
struct Simulation;

/// The run window: the run settings, the lamp, the run's figures and the Run, Audit, Redraw
/// and Print buttons. What it shows and checks is the model's RunWindow; this binds it.
class Form3 : public QWidget {
    Q_OBJECT
public:
    Form3(Simulation& sim, ResultHandOff& handOff, QWidget* parent = nullptr);

    void Load(const RunWindow& window);
    /// The controls as they stand, over the figures the controls do not edit.
    RunWindow Store() const;
    const RunWindow& Window() const { return Current; }

    /// Nothing of the previous run shows (ClearRunFigures).
    void ClearFigures();

    /// The window became the active one: every control shows the run settings again.
    void Form_Activate();

    /// The lamp and the CPU time as the run now stands, painted at once: the run holds the
    /// event loop, so nothing else would show them before it ends.
    void ShowRunStatus(const RunWindow& window);

    void Command1_Click();   // Run
    void Command3_Click();   // Audit
    void Command4_Click();   // Redraw
    void Command6_Click();   // Print

signals:
    void AuditRequested();
    void PrintRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    /// A box or option changed: the run settings take it at once.
    void ControlChanged();

    /// The lamp, the run's figures and their names for a screen reader.
    void ShowFigures(const RunWindow& window);

    Simulation& Sim;
    ResultHandOff& HandOff;
    RunWindow Current;
    bool Loading = false;
    /// Inside the Run handler: the run writes the window's values itself.
    bool Running = false;

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check7 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
    QFrame* Shape1 = nullptr;
};

}  // namespace quorvane
