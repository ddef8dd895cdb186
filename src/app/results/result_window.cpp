#include "app/results/result_window.h"

#include <QLabel>
#include <QPrinter>

#include <algorithm>
#include <sstream>

#include "app/controls/dialog_parts.h"
#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "engine/simulation.h"
#include "forms/graph_window.h"
#include "results/analysis_csv.h"

namespace quorvane {

namespace {

QLabel* Label(QWidget* window, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, window);
    label->setObjectName(name);
    return label;
}

}  // namespace

void ReadoutLabels::Show(const ClickReadout& readout) {
    for (QLabel* label : {XCaption, YCaption, X, Y}) label->show();
    X->setText(QString::fromStdString(readout.X));
    Y->setText(QString::fromStdString(readout.Y));
}

void ReadoutLabels::Hide() {
    for (QLabel* label : {XCaption, YCaption, X, Y}) label->hide();
}

ResultWindow::ResultWindow(Simulation& sim, QWidget* parent) : QWidget(parent), Sim(sim) {}

int ResultWindow::PlaceButtons(int left, int top) {
    for (QPushButton* button : Buttons) {
        const int width = std::max(PixelsToTwips(button->sizeHint().width()), ResultButtonHeight);
        PlaceInTwips(button, left, top, width, ResultButtonHeight);
        left += width + ResultButtonGap;
    }
    return left;
}

void ResultWindow::AddReadout(const std::array<const char*, 4>& names, const QString& xCaption,
                              const QString& yCaption) {
    Readout.XCaption = Label(this, names[0], xCaption);
    Readout.YCaption = Label(this, names[1], yCaption);
    Readout.X = Label(this, names[2], "");
    Readout.X->setAccessibleDescription(xCaption);
    Readout.Y = Label(this, names[3], "");
    Readout.Y->setAccessibleDescription(yCaption);
}

void ResultWindow::PrintPicture(bool landscape, const std::function<void(Canvas&)>& draw) {
    QPrinter printer;
    if (landscape) printer.setPageOrientation(QPageLayout::Landscape);
    const std::unique_ptr<PrinterCanvas> canvas = StartPrinting(printer, ChoosePrinter, this, Sim.Ui);
    if (canvas) draw(*canvas);
}

void ResultWindow::ExportPictureFile(const QString& caption, const std::function<void(Canvas&)>& draw,
                                     const std::function<void(std::ostream&)>& table) {
    QString filter = "Pictures (*.png *.svg *.pdf)";
    if (table) filter += ";;CSV files (*.csv)";
    const QString path = ChooseSaveFile(this, caption, filter);
    if (path.isEmpty()) return;
    if (table && path.endsWith(".csv", Qt::CaseInsensitive)) {
        std::ostringstream text;
        table(text);
        ExportTable(Sim, path.toStdString(), text.str());
        return;
    }
    ExportPicture(Sim, path.toStdString(), Picture1->width(), Picture1->height(), draw);
}

void ResultWindow::ExportCsvFile(const QString& caption, const std::function<AnalysisRows()>& rows) {
    const QString path = ChooseSaveFile(this, caption, "CSV files (*.csv)");
    if (path.isEmpty()) return;
    std::ostringstream text;
    WriteAnalysisCsv(Sim.Display, rows(), text);
    ExportTable(Sim, path.toStdString(), text.str());
}

}  // namespace quorvane
