#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/results/result_window.h"
#include "forms/frequency_window.h"

class QCheckBox;
class QLabel;
class QListWidget;

namespace quorvane {

/// "Frequency Analysis": the spectra of a chosen display series (A) and of a second one (B),
/// their ratio, the display switches, the click read-out, printing and export.
class Fplot : public ResultWindow {
    Q_OBJECT
public:
    explicit Fplot(Simulation& sim, QWidget* parent = nullptr);

    /// After a run: both lists hold these entries ("Time", the series titles, "Unallocated"),
    /// and the window is shown and activated, which analyses the chosen series.
    void ShowAnalysis(const std::vector<std::string>& series);
    void HideAnalysis();
    /// The window as when it first loads: hidden, lists empty, its size and analyses forgotten.
    void Unload();
    /// Caption, switches and list choices from the model; A (and B) analysed afresh and drawn.
    void Form_Activate();
    /// The check boxes follow the model (after loading a file).
    void RefreshSwitches();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void List1_Click();
    void List2_Click();
    void Check_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Picture1_MouseDown(QPointF user);
    void Picture1_LostFocus();
    /// Shows what a handler left: the spectra drawn, the picture cleared or the window hidden.
    void Present(FrequencyView view);
    void Redraw();
    void SelectRows(int primary, int comparison);
    void LayOut();

    double MarkerRadius = 0;   ///< a twentieth of the X span last drawn on screen
    FrequencyWindowState State;
    int Activations = 0;
    bool FollowsFrame = false;
    QLabel* Label1 = nullptr;   // "Primary Display (A)"
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;   // "Comparison (B)"
    QListWidget* List2 = nullptr;
    std::array<QCheckBox*, 5> Checks{};   // Check1..Check5
};

}  // namespace quorvane
