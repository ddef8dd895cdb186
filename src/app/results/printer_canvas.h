#pragma once

#include <functional>
#include <memory>

#include "render/qt_canvas.h"

class QPrinter;
class QWidget;

namespace quorvane {

class Host;

/// The system printer as a canvas: every NewPage starts a printer page.
class PrinterCanvas : public PainterCanvas {
public:
    explicit PrinterCanvas(QPrinter& printer);

    /// User units of twips from the top left of the printable area, as printed pages of text
    /// are laid out.
    void UseTwips();

protected:
    bool StartNewPage() override;

private:
    QPrinter& Printer;
};

/// Sets up `printer` for a printout asked for in `parent`; false when the person cancels.
/// Windows print through one of these, so that tests can print to a PDF file unattended.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;

/// The print dialog.
bool AskForPrinter(QPrinter& printer, QWidget* parent);

/// Asks for a printer and starts printing on it: nothing when the person cancels, nor, after
/// the message "Cannot print - the printer could not be opened", when it cannot be started.
std::unique_ptr<PrinterCanvas> StartPrinting(QPrinter& printer, const PrinterChooser& choose, QWidget* parent,
                                             Host& ui);

}  // namespace quorvane
