#pragma once

#include <QWidget>

#include "app/results/printf.h"
#include "app/results/result_export.h"
#include "results/page_view.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace quorvane {

class PictureBox;
class Pformat;
struct Simulation;

/// "Tabulation": the print dump of the last run page by page, with printing, the print
/// format and a CSV export of the recorded rows.
class tabview : public QWidget {
    Q_OBJECT
public:
    tabview(Simulation& sim, Pformat& format, QWidget* parent = nullptr);

    /// After a tabulated run or "Show Last Print": the current page of the dump drawn and shown.
    void ShowTabulation();
    void HideTabulation();
    /// The text of the page shown.
    const PageText& ShownPage() const { return Shown; }

    PrintF Printer;
    SaveFileChooser ChooseSaveFile = AskForSaveFile;

signals:
    void HelpRequested(int topic, int manual);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void VScroll1_Change(int value);
    /// The page label, the scroll bar and both boxes follow the viewer's page.
    void ShowPage();
    /// A table wider than the page box widens the window, as far as the main window allows.
    void WidenToPage();
    void LayOut();

    Simulation& Sim;
    Pformat& Format;
    PictureBox* Picture1 = nullptr;   // page box
    PictureBox* Picture2 = nullptr;   // heading box
    QLabel* Label1 = nullptr;         // page number
    QScrollBar* VScroll1 = nullptr;
    QPushButton* Command1 = nullptr;  // Done
    QPushButton* Command2 = nullptr;  // Print
    QPushButton* Command3 = nullptr;  // previous page
    QPushButton* Command4 = nullptr;  // next page
    QPushButton* Command5 = nullptr;  // Adjust format
    QPushButton* Command6 = nullptr;  // help
    QPushButton* Command7 = nullptr;  // Export CSV...
    PageText Shown;
    double PageWidth = 0;   ///< pixels the shown page's widest line needs
};

}  // namespace quorvane
