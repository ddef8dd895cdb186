#pragma once

#include <QObject>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <vector>

#include "app/results/printer_canvas.h"
#include "app/results/result_export.h"

class QLabel;

namespace quorvane {

class PictureBox;
struct AnalysisRows;
struct ClickReadout;
struct Simulation;

/// Buttons of the result windows, in twips.
inline constexpr int ResultButtonHeight = 400;
inline constexpr int ResultButtonGap = 100;

/// The click read-out of a result window: captions for X and Y and the values beside them,
/// shown while a marker stands on the picture.
struct ReadoutLabels {
    QLabel* XCaption = nullptr;
    QLabel* YCaption = nullptr;
    QLabel* X = nullptr;
    QLabel* Y = nullptr;

    void Show(const ClickReadout& readout);
    void Hide();
};

/// What the graph and the two analysis windows share: a picture with a click read-out, a row of
/// buttons under it, printing and export through choosers that tests can answer, and a help
/// button that asks for the manual.
class ResultWindow : public QWidget {
    Q_OBJECT
public:
    PrinterChooser ChoosePrinter = AskForPrinter;
    SaveFileChooser ChooseSaveFile = AskForSaveFile;

signals:
    /// The help button: open the manual at this topic.
    void HelpRequested(int topic, int manual);

protected:
    ResultWindow(Simulation& sim, QWidget* parent);

    /// A button of the row and the handler its click calls.
    template <class Window>
    struct ButtonEntry {
        const char* Name;
        const char* Caption;
        void (Window::*Handler)();
    };
    /// Adds buttons to the row, in the order they stand in.
    template <class Window>
    void AddButtons(std::initializer_list<ButtonEntry<Window>> buttons) {
        for (const ButtonEntry<Window>& b : buttons) {
            auto* button = new QPushButton(b.Caption, this);
            button->setObjectName(b.Name);
            QObject::connect(button, &QPushButton::clicked, static_cast<Window*>(this), b.Handler);
            Buttons.push_back(button);
        }
    }
    /// Places the button row from `left` at `top`, each button as wide as its caption needs and
    /// at least square; returns where the row ends.
    int PlaceButtons(int left, int top);

    /// The read-out labels named as given (X caption, Y caption, X value, Y value); each value
    /// takes its caption as accessible name.
    void AddReadout(const std::array<const char*, 4>& names, const QString& xCaption, const QString& yCaption);

    /// Prints what `draw` draws on the printer the person chooses, across the page when asked.
    void PrintPicture(bool landscape, const std::function<void(Canvas&)>& draw);
    /// Exports what `draw` draws, at the picture's size, to a file the person chooses; with a
    /// `table`, a name ending in .csv takes what it writes instead.
    void ExportPictureFile(const QString& caption, const std::function<void(Canvas&)>& draw,
                           const std::function<void(std::ostream&)>& table = {});
    /// Writes the rows `rows` gives as CSV to a file the person chooses.
    void ExportCsvFile(const QString& caption, const std::function<AnalysisRows()>& rows);

    Simulation& Sim;
    PictureBox* Picture1 = nullptr;
    std::vector<QPushButton*> Buttons;
    ReadoutLabels Readout;
};

}  // namespace quorvane
