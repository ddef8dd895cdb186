#pragma once

#include "app/results/printer_canvas.h"

class QWidget;

namespace quorvane {

struct Simulation;

/// The tabulated data of the last run sent to the printer, 70 rows to a page under the
/// title, date, page number and headings.
class PrintF {
public:
    explicit PrintF(Simulation& sim) : Sim(sim) {}

    /// Without display series shows "No data to display"; a format without digits prints
    /// nothing. Otherwise asks for a printer and prints. True when printed.
    bool Print(QWidget* parent);

    PrinterChooser ChoosePrinter = AskForPrinter;

private:
    Simulation& Sim;
};

}  // namespace quorvane
