#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "app/printer_canvas.h"
#include "app/result_export.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quorvane {

class PictureBox;
struct Simulation;

/// "PRBS Analysis": the impulse response or the frequency response found by correlating the
/// PRBS injected with the response recorded, its switches, click read-out, printing and export.
class Cplot : public QWidget {
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

    PrinterChooser ChoosePrinter = AskForPrinter;
    SaveFileChooser ChooseSaveFile = AskForSaveFile;

signals:
    /// The help button: open the manual at this topic.
    void HelpRequested(int topic, int manual);

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

    Simulation& Sim;
    double MarkerRadius = 0;   ///< a twentieth of the X span last drawn on screen
    PictureBox* Picture1 = nullptr;
    QRadioButton* Option1 = nullptr;   // "Impulse Response"
    QRadioButton* Option2 = nullptr;   // "Frequency Response"
    QCheckBox* Check1 = nullptr;       // "Log Y - Freq. Resp"
    QCheckBox* Check2 = nullptr;       // "Log X - Freq. Resp"
    QCheckBox* Check3 = nullptr;       // "Display Phase"
    QLabel* Label1 = nullptr;          // "X co-ord:"
    QLabel* Label2 = nullptr;          // "Y co-ord:"
    QLabel* Label3 = nullptr;          // X read-out
    QLabel* Label4 = nullptr;          // Y read-out
    std::vector<QPushButton*> Buttons;
};

}  // namespace quorvane
