#pragma once

#include "app/results/result_window.h"

class QCheckBox;
class QRadioButton;

namespace quorvane {

/// "PRBS Analysis": the impulse response or the frequency response found by correlating the
/// PRBS injected with the response recorded, its switches, click read-out, printing and export.
class Cplot : public ResultWindow {
    Q_OBJECT
public:
    explicit Cplot(Simulation& sim, QWidget* parent = nullptr);

    /// After a run: the correlation just computed shown, the window activated.
    void ShowAnalysis();
    void HideAnalysis();
    /// Caption and switches from the model; the correlation drawn.
    void Form_Activate();
    /// The options and boxes follow the model (after loading a file).
    void RefreshSwitches();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Option_Click(bool impulseResponse);
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Picture1_MouseDown(QPointF user);
    void Picture1_LostFocus();
    void Redraw();
    void LayOut();

    double MarkerRadius = 0;   ///< a twentieth of the X span last drawn on screen
    QRadioButton* Option1 = nullptr;   // "Impulse Response"
    QRadioButton* Option2 = nullptr;   // "Frequency Response"
    QCheckBox* Check1 = nullptr;       // "Log Y - Freq. Resp"
    QCheckBox* Check2 = nullptr;       // "Log X - Freq. Resp"
    QCheckBox* Check3 = nullptr;       // "Display Phase"
};

}  // namespace quorvane
