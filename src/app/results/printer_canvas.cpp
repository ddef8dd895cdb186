#include "app/results/printer_canvas.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/host.h"

namespace quorvane {

PrinterCanvas::PrinterCanvas(QPrinter& printer) : Printer(printer) { Begin(printer); }

void PrinterCanvas::UseTwips() {
    constexpr double TwipsPerInch = 1440;
    SetScale(0, 0, Printer.width() * TwipsPerInch / Printer.logicalDpiX(),
             Printer.height() * TwipsPerInch / Printer.logicalDpiY());
}

bool PrinterCanvas::StartNewPage() { return Printer.newPage(); }

bool AskForPrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<PrinterCanvas> StartPrinting(QPrinter& printer, const PrinterChooser& choose, QWidget* parent,
                                             Host& ui) {
    if (!choose(printer, parent)) return nullptr;
    auto canvas = std::make_unique<PrinterCanvas>(printer);
    if (canvas->Active()) return canvas;
    ui.Message("Cannot print - the printer could not be opened");
    return nullptr;
}

}  // namespace quorvane
