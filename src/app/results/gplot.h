#pragma once

#include <string>
#include <vector>

#include "app/results/result_window.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quorvane {

class Form11;
class keyform;

/// "Graphical Display": the time graph of the last run, its X-axis choice, symbols, scales,
/// key, coordinate read-out, printing and export.
class GPlot : public ResultWindow {
    Q_OBJECT
public:
    GPlot(Simulation& sim, Form11& scales, keyform& key, QWidget* parent = nullptr);

    /// After a run or "Show last graph": the X-axis list holds these entries ("Time" then the
    /// series titles) with "Time" chosen, the key is hidden, and the graph is drawn and shown.
    void ShowGraph(const std::vector<std::string>& series);
    /// The graph and its key hidden.
    void HideGraph();
    /// The graph drawn again on screen with the current settings.
    void Redraw();
    /// "Show Symbols" and "Overlay Previous Runs" follow the model (after loading a file).
    void RefreshSwitches();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void List1_Click();
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Check2_Click();
    void Command7_Click();
    void Picture1_MouseDown(QPointF user);
    void Picture1_LostFocus();
    void LayOut();
    /// The graph with its title and key, as printed and exported.
    void DrawPrintedGraph(Canvas& canvas);

    Form11& Scales;
    keyform& Key;
    QListWidget* List1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QLabel* Label1 = nullptr;   // "X Axis Selection"
    QCheckBox* Check2 = nullptr;   // "Overlay Previous Runs"
    QPushButton* Command7 = nullptr;   // "Clear Previous Runs"
    QLabel* Label6 = nullptr;   // the curve nearest a click, beside the marker
};

}  // namespace quorvane
