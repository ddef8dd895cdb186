#include "app/cplot.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <sstream>

#include "app/child_window.h"
#include "app/dialog_parts.h"
#include "app/picture_box.h"
#include "app/twips.h"
#include "drawing/frequency_graph.h"
#include "engine/simulation.h"
#include "forms/frequency_window.h"
#include "forms/prbs_window.h"
#include "results/analysis_csv.h"

namespace quorvane {

namespace {

constexpr int PrbsHelpTopic = 1004;
constexpr int UserManual = 1;
constexpr int ButtonHeight = 400;   // twips
constexpr int ButtonGap = 100;
constexpr int RowHeight = 300;

}  // namespace

Cplot::Cplot(Simulation& sim, QWidget* parent) : QWidget(parent), Sim(sim) {
    setObjectName("Cplot");
    setWindowTitle("PRBS Analysis");

    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setToolTip("Correlation graph");
    Picture1->setAccessibleName("Correlation graph");
    Option1 = new QRadioButton("Impulse Response", this);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("Frequency Response", this);
    Option2->setObjectName("Option2");
    auto* group = new QButtonGroup(this);
    group->addButton(Option1);
    group->addButton(Option2);
    const auto box = [this](const char* name, const char* caption) {
        auto* check = new QCheckBox(caption, this);
        check->setObjectName(name);
        return check;
    };
    Check1 = box("Check1", "Log Y - Freq. Resp");
    Check2 = box("Check2", "Log X - Freq. Resp");
    Check3 = box("Check3", "Display Phase");
    const auto label = [this](const char* name, const char* text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    Label1 = label("Label1", "X co-ord:");
    Label2 = label("Label2", "Y co-ord:");
    Label3 = label("Label3", "");
    Label3->setAccessibleName("X co-ord:");
    Label4 = label("Label4", "");
    Label4->setAccessibleName("Y co-ord:");

    const struct {
        const char* Name;
        const char* Caption;
        void (Cplot::*Handler)();
    } buttons[] = {
        {"Command1", "Print", &Cplot::Command1_Click},
        {"Command2", "Done", &Cplot::Command2_Click},
        {"Command4", "Export...", &Cplot::Command4_Click},
        {"Command5", "Export CSV...", &Cplot::Command5_Click},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.Caption, this);
        button->setObjectName(b.Name);
        connect(button, &QPushButton::clicked, this, b.Handler);
        Buttons.push_back(button);
    }
    Buttons.push_back(AddHelpButton(this, "Command3"));
    connect(Buttons.back(), &QPushButton::clicked, this, &Cplot::Command3_Click);

    connect(Option1, &QRadioButton::clicked, this, [this] { Option_Click(true); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option_Click(false); });
    connect(Check1, &QCheckBox::clicked, this, &Cplot::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &Cplot::Check2_Click);
    connect(Check3, &QCheckBox::clicked, this, &Cplot::Check3_Click);
    connect(Picture1, &PictureBox::Clicked, this, &Cplot::Picture1_MouseDown);
    connect(Picture1, &PictureBox::FocusLost, this, &Cplot::Picture1_LostFocus);
    Picture1_LostFocus();
    resize(TwipsToPixels(PrbsWindowWidth), TwipsToPixels(PrbsWindowHeight));
    LayOut();
}

void Cplot::ShowAnalysis() {
    ShowChildWindow(this);
    Form_Activate();
}

void Cplot::HideAnalysis() {
    HideChildWindow(this);
    Picture1_LostFocus();
}

void Cplot::Form_Activate() {
    Sim.Status.CurrentActivity = "Activating PRBS Display";
    setWindowTitle(QString::fromStdString(PrbsCaption(Sim)));
    RefreshSwitches();
    Redraw();
}

void Cplot::RefreshSwitches() {
    (Sim.Prbs.ImpulseResponseMode ? Option1 : Option2)->setChecked(true);
    Check1->setChecked(Sim.Prbs.LogMagnitude);
    Check2->setChecked(Sim.Prbs.LogFrequency);
    Check3->setChecked(Sim.Prbs.ShowCorrelationPhase);
}

void Cplot::Redraw() {
    Picture1_LostFocus();
    PainterCanvas& canvas = Picture1->BeginDrawing();
    DrawPrbsWindow(Sim, canvas, CorrelationOnScreen);
    Picture1->FinishDrawing();
    MarkerRadius = FrequencyMarkerRadius(Sim);
}

void Cplot::LayOut() {
    // The picture and its surroundings as in the frequency analysis window, the options and
    // boxes in the column right of it.
    const std::initializer_list<QWidget*> column{Option1, Option2, Check1, Check2, Check3};
    int captions = 0;
    for (QWidget* control : column) captions = std::max(captions, PixelsToTwips(control->sizeHint().width()));
    const FrequencyWindowLayout layout =
        LayoutFrequencyWindow(PixelsToTwips(width()), PixelsToTwips(height()), captions);
    PlaceInTwips(Picture1, FrequencyPictureLeft, FrequencyPictureTop, layout.PictureWidth, layout.PictureHeight);
    const int columnWidth = layout.ColumnWidth;
    int top = FrequencyPictureTop;
    for (QWidget* control : column) {
        PlaceInTwips(control, layout.ListLeft, top, columnWidth, RowHeight);
        top += RowHeight + ButtonGap;
    }
    top += RowHeight;
    for (QLabel* label : {Label1, Label3, Label2, Label4}) {
        PlaceInTwips(label, layout.ListLeft, top, columnWidth, RowHeight);
        top += RowHeight;
    }
    int left = FrequencyPictureLeft;
    for (QPushButton* button : Buttons) {
        const int width = std::max(PixelsToTwips(button->sizeHint().width()), ButtonHeight);
        PlaceInTwips(button, left, layout.ButtonTop, width, ButtonHeight);
        left += width + ButtonGap;
    }
}

void Cplot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Sim.Status.CurrentActivity = "Resizing PRBS Display";
    LayOut();
    if (isVisible()) Redraw();
}

void Cplot::Option_Click(bool impulseResponse) {
    if (SetResponseMode(Sim, impulseResponse)) Redraw();
}

void Cplot::Check1_Click() {
    if (SetCorrelationLogMagnitude(Sim, Check1->isChecked())) Redraw();
}

void Cplot::Check2_Click() {
    if (SetCorrelationLogFrequency(Sim, Check2->isChecked())) Redraw();
}

void Cplot::Check3_Click() {
    if (ShowCorrelationPhase(Sim, Check3->isChecked())) Redraw();
}

void Cplot::Command1_Click() {
    Sim.Status.CurrentActivity = "Printing PRBS Display";
    QPrinter printer;
    // The title line and the frequency axis want the page's width.
    printer.setPageOrientation(QPageLayout::Landscape);
    const std::unique_ptr<PrinterCanvas> canvas = StartPrinting(printer, ChoosePrinter, this, Sim.Ui);
    if (canvas) DrawPrbsWindow(Sim, *canvas, CorrelationOnPrinter);
}

void Cplot::Command2_Click() { HideAnalysis(); }

void Cplot::Command3_Click() { emit HelpRequested(PrbsHelpTopic, UserManual); }

void Cplot::Command4_Click() {
    const QString path = ChooseSaveFile(this, "Export PRBS Analysis", "Pictures (*.png *.svg *.pdf)");
    if (path.isEmpty()) return;
    ExportPicture(Sim, path.toStdString(), Picture1->width(), Picture1->height(),
                  [this](Canvas& canvas) { DrawPrbsWindow(Sim, canvas, CorrelationOnPrinter); });
}

void Cplot::Command5_Click() {
    const QString path = ChooseSaveFile(this, "Export PRBS Analysis", "CSV files (*.csv)");
    if (path.isEmpty()) return;
    std::ostringstream text;
    WriteAnalysisCsv(Sim.Display, CorrelationRows(Sim.Prbs, CorrelationCurves(Sim)), text);
    ExportTable(Sim, path.toStdString(), text.str());
}

void Cplot::Picture1_MouseDown(QPointF user) {
    const ClickReadout readout = ReadOutFrequency(user.x(), user.y(), PrbsXIsLogarithmic(Sim));
    for (QLabel* label : {Label1, Label2, Label3, Label4}) label->show();
    Label3->setText(QString::fromStdString(readout.X));
    Label4->setText(QString::fromStdString(readout.Y));
    Picture1->SetMarker(user, MarkerRadius);
}

void Cplot::Picture1_LostFocus() {
    for (QLabel* label : {Label1, Label2, Label3, Label4}) label->hide();
    Picture1->ClearMarker();
}

}  // namespace quorvane
