#include "app/analysis/cplot.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "app/controls/child_window.h"
#include "app/controls/dialog_controls.h"
#include "app/controls/dialog_parts.h"
#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "drawing/frequency_graph.h"
#include "engine/simulation.h"
#include "forms/frequency_window.h"
#include "forms/help_topic.h"
#include "forms/prbs_window.h"
#include "results/analysis_csv.h"

namespace quorvane {

namespace {

constexpr int RowHeight = 300;

}  // namespace

Cplot::Cplot(Simulation& sim, QWidget* parent) : ResultWindow(sim, parent) {
    setObjectName("Cplot");
    setWindowTitle("PRBS Analysis");

    Picture1 = new PictureBox(this, "Picture1", "Correlation graph");
    Option1 = new QRadioButton("Impulse Response", this);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("Frequency Response", this);
    Option2->setObjectName("Option2");
    auto* group = new QButtonGroup(this);
    group->addButton(Option1);
    group->addButton(Option2);
    Check1 = MakeCheckBox(this, "Check1", "Log Y - Freq. Resp");
    Check2 = MakeCheckBox(this, "Check2", "Log X - Freq. Resp");
    Check3 = MakeCheckBox(this, "Check3", "Display Phase");
    AddReadout({"Label1", "Label2", "Label3", "Label4"}, "X co-ord:", "Y co-ord:");

    AddButtons<Cplot>({
        {"Command1", "Print", &Cplot::Command1_Click},
        {"Command2", "Done", &Cplot::Command2_Click},
        {"Command4", "Export...", &Cplot::Command4_Click},
        {"Command5", "Export CSV...", &Cplot::Command5_Click},
    });
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
        top += RowHeight + ResultButtonGap;
    }
    top += RowHeight;
    for (QLabel* label : {Readout.XCaption, Readout.X, Readout.YCaption, Readout.Y}) {
        PlaceInTwips(label, layout.ListLeft, top, columnWidth, RowHeight);
        top += RowHeight;
    }
    PlaceButtons(FrequencyPictureLeft, layout.ButtonTop);
}

void Cplot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Sim.Status.CurrentActivity = "Resizing PRBS Display";
    LayOut();
    // A picture once drawn is drawn again at the new size, visible or not: a frame being
    // maximised or restored hides its window meanwhile.
    if (!Picture1->Picture().isNull()) Redraw();
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
    // The title line and the frequency axis want the page's width.
    PrintPicture(true, [this](Canvas& canvas) { DrawPrbsWindow(Sim, canvas, CorrelationOnPrinter); });
}

void Cplot::Command2_Click() { HideAnalysis(); }

void Cplot::Command3_Click() { emit HelpRequested(PrbsHelp.Key, PrbsHelp.Manual); }

void Cplot::Command4_Click() {
    ExportPictureFile("Export PRBS Analysis",
                      [this](Canvas& canvas) { DrawPrbsWindow(Sim, canvas, CorrelationOnPrinter); });
}

void Cplot::Command5_Click() {
    ExportCsvFile("Export PRBS Analysis", [this] { return CorrelationRows(Sim.Prbs, CorrelationCurves(Sim)); });
}

void Cplot::Picture1_MouseDown(QPointF user) {
    const ClickReadout readout = ReadOutFrequency(user.x(), user.y(), PrbsXIsLogarithmic(Sim));
    Readout.Show(readout);
    Picture1->SetMarker(user, MarkerRadius);
}

void Cplot::Picture1_LostFocus() {
    Readout.Hide();
    Picture1->ClearMarker();
}

}  // namespace quorvane
