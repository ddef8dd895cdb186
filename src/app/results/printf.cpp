#include "app/results/printf.h"

#include <QPrinter>

#include "drawing/printed_pages.h"
#include "engine/simulation.h"

namespace quorvane {

bool PrintF::Print(QWidget* parent) {
    Sim.Status.CurrentActivity = "Printing Tabulated Data";
    const std::vector<PrintedPage> pages = PrintedPages(Sim);
    if (pages.empty()) return false;
    QPrinter printer;
    const std::unique_ptr<PrinterCanvas> canvas = StartPrinting(printer, ChoosePrinter, parent, Sim.Ui);
    if (!canvas) return false;
    canvas->UseTwips();
    PrintPages(pages, *canvas);
    return true;
}

}  // namespace quorvane
