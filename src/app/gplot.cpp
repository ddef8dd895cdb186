#include "app/gplot.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

#include "app/child_window.h"
#include "app/dialog_parts.h"
#include "app/form11.h"
#include "app/keyform.h"
#include "app/picture_box.h"
#include "app/twips.h"
#include "drawing/time_graph.h"
#include "engine/simulation.h"
#include "forms/graph_window.h"

namespace quorvane {

namespace {

constexpr int GraphHelpTopic = 1002;
constexpr int UserManual = 1;
constexpr int WindowWidth = 12600;   // twips
constexpr int WindowHeight = 7200;
constexpr int ValueWidth = 2300;
constexpr int ButtonHeight = 400;
constexpr int ButtonGap = 100;
constexpr int ListWidth = 2200;
constexpr int ListHeight = 700;
constexpr int ReadoutWidth = 1000;

}  // namespace

GPlot::GPlot(Simulation& sim, Form11& scales, keyform& key, QWidget* parent)
    : QWidget(parent), Sim(sim), Scales(scales), Key(key) {
    setObjectName("GPlot");
    setWindowTitle("Graphical Display");

    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setToolTip("Graph");
    Picture1->setAccessibleName("Graph");
    Label1 = new QLabel("X Axis Selection", this);
    Label1->setObjectName("Label1");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    Label1->setBuddy(List1);
    // A list takes no name from its buddy label.
    List1->setAccessibleName(Label1->text());
    Check1 = new QCheckBox("Show Symbols", this);
    Check1->setObjectName("Check1");
    Label2 = new QLabel("X Co-ord:", this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Y Co-ord:", this);
    Label3->setObjectName("Label3");
    Label4 = new QLabel(this);
    Label4->setObjectName("Label4");
    Label4->setAccessibleName("X Co-ord:");
    Label5 = new QLabel(this);
    Label5->setObjectName("Label5");
    Label5->setAccessibleName("Y Co-ord:");

    const struct {
        const char* Name;
        const char* Caption;
        void (GPlot::*Handler)();
    } buttons[] = {
        {"Command1", "Adjust Scales", &GPlot::Command1_Click}, {"Command2", "Show Graph Key", &GPlot::Command2_Click},
        {"Command3", "Print", &GPlot::Command3_Click},         {"Command4", "Done", &GPlot::Command4_Click},
        {"Command6", "Export...", &GPlot::Command6_Click},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.Caption, this);
        button->setObjectName(b.Name);
        connect(button, &QPushButton::clicked, this, b.Handler);
        Buttons.push_back(button);
    }
    Buttons.push_back(AddHelpButton(this, "Command5"));
    connect(Buttons.back(), &QPushButton::clicked, this, &GPlot::Command5_Click);

    connect(List1, &QListWidget::currentRowChanged, this, &GPlot::List1_Click);
    connect(Check1, &QCheckBox::clicked, this, &GPlot::Check1_Click);
    connect(Picture1, &PictureBox::Clicked, this, &GPlot::Picture1_MouseDown);
    connect(Picture1, &PictureBox::FocusLost, this, &GPlot::Picture1_LostFocus);
    connect(&Scales, &Form11::Applied, this, &GPlot::Redraw);
    Picture1_LostFocus();
    resize(TwipsToPixels(WindowWidth), TwipsToPixels(WindowHeight));
    LayOut();
}

void GPlot::ShowGraph(const std::vector<std::string>& series) {
    List1->clear();
    for (const std::string& title : series) List1->addItem(QString::fromStdString(title));
    List1->setCurrentRow(0);
    Sim.Graph.XColumn = 0;
    HideChildWindow(&Key);
    ShowChildWindow(this);
    Redraw();
}

void GPlot::HideGraph() {
    HideChildWindow(this);
    HideChildWindow(&Key);
}

void GPlot::Redraw() {
    Picture1->ClearMarker();
    PainterCanvas& canvas = Picture1->BeginDrawing();
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, Sim.Graph.XColumn);
    Picture1->FinishDrawing();
}

void GPlot::RefreshSwitches() { Check1->setChecked(Sim.Graph.ShowSymbols == 1); }

void GPlot::LayOut() {
    const GraphWindowLayout layout = LayoutGraphWindow(PixelsToTwips(width()), PixelsToTwips(height()));
    PlaceInTwips(Picture1, GraphPictureLeft, GraphPictureTop, layout.PictureWidth, layout.PictureHeight);
    PlaceInTwips(Label1, GraphPictureLeft, layout.LabelTop, ListWidth, ButtonHeight / 2);
    PlaceInTwips(List1, GraphPictureLeft, layout.ListTop, ListWidth, ListHeight);
    // The box and the buttons in a row, each as wide as its caption needs.
    int left = GraphPictureLeft + ListWidth + ButtonGap;
    PlaceInTwips(Check1, left, layout.ButtonTop, PixelsToTwips(Check1->sizeHint().width()), ButtonHeight);
    left += PixelsToTwips(Check1->sizeHint().width()) + ButtonGap;
    for (QPushButton* button : Buttons) {
        const int width = std::max(PixelsToTwips(button->sizeHint().width()), ButtonHeight);
        PlaceInTwips(button, left, layout.ButtonTop, width, ButtonHeight);
        left += width + ButtonGap;
    }
    const int readoutTop = layout.ButtonTop + ButtonHeight + ButtonGap;
    const int readoutLeft = GraphPictureLeft + ListWidth + ButtonGap;
    // Each caption with its number beside it.
    PlaceInTwips(Label2, readoutLeft, readoutTop, ReadoutWidth, ButtonHeight);
    PlaceInTwips(Label4, readoutLeft + ReadoutWidth, readoutTop, ValueWidth, ButtonHeight);
    PlaceInTwips(Label3, readoutLeft + ReadoutWidth + ValueWidth, readoutTop, ReadoutWidth, ButtonHeight);
    PlaceInTwips(Label5, readoutLeft + 2 * ReadoutWidth + ValueWidth, readoutTop, ValueWidth, ButtonHeight);
}

void GPlot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Sim.Status.CurrentActivity = "Resizing Graph Display";
    LayOut();
    if (List1->count() > 0) Redraw();
}

void GPlot::List1_Click() {
    if (List1->currentRow() < 0 || !SelectGraphXAxis(Sim, List1->currentRow())) return;
    Redraw();
}

void GPlot::Check1_Click() {
    if (!ShowGraphSymbols(Sim, Check1->isChecked())) return;
    Redraw();
}

void GPlot::Command1_Click() { ShowChildWindow(&Scales); }

void GPlot::Command2_Click() {
    Key.Fill(GraphKey(Sim));
    PlaceBeside(&Key, this);
    ShowChildWindow(&Key);
}

void GPlot::Command3_Click() {
    Sim.Status.CurrentActivity = "Printing Graph";
    QPrinter printer;
    const std::unique_ptr<PrinterCanvas> canvas = StartPrinting(printer, ChoosePrinter, this, Sim.Ui);
    if (canvas) DrawTimeGraph(Sim, *canvas, GraphTarget::Printer, Sim.Graph.XColumn);
}

void GPlot::Command4_Click() {
    HideGraph();
    Picture1_LostFocus();
}

void GPlot::Command5_Click() { emit HelpRequested(GraphHelpTopic, UserManual); }

void GPlot::Command6_Click() {
    const QString path = ChooseSaveFile(this, "Export Graph", "Pictures (*.png *.svg *.pdf)");
    if (path.isEmpty()) return;
    ExportGraph(Sim, path.toStdString(), Picture1->width(), Picture1->height());
}

void GPlot::Picture1_MouseDown(QPointF user) {
    const ClickReadout readout = ReadOutClick(user.x(), user.y());
    for (QLabel* label : {Label2, Label3, Label4, Label5}) label->show();
    Label4->setText(QString::fromStdString(readout.X));
    Label5->setText(QString::fromStdString(readout.Y));
    Picture1->SetMarker(user, ClickMarkerRadius(Sim.Graph));
}

void GPlot::Picture1_LostFocus() {
    for (QLabel* label : {Label2, Label3, Label4, Label5}) label->hide();
    Picture1->ClearMarker();
}

}  // namespace quorvane
