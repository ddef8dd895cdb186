#include "app/results/gplot.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/controls/child_window.h"
#include "app/controls/dialog_parts.h"
#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "app/results/form11.h"
#include "app/results/keyform.h"
#include "drawing/time_graph.h"
#include "engine/simulation.h"
#include "forms/graph_window.h"
#include "forms/help_topic.h"

namespace quorvane {

namespace {

constexpr int WindowWidth = 12600;   // twips
constexpr int WindowHeight = 7200;
constexpr int ValueWidth = 2300;
constexpr int ListWidth = 2200;
constexpr int ListHeight = 700;
constexpr int ReadoutWidth = 1000;

}  // namespace

GPlot::GPlot(Simulation& sim, Form11& scales, keyform& key, QWidget* parent)
    : ResultWindow(sim, parent), Scales(scales), Key(key) {
    setObjectName("GPlot");
    setWindowTitle("Graphical Display");

    Picture1 = new PictureBox(this, "Picture1", "Graph");
    Label1 = new QLabel("X Axis Selection", this);
    Label1->setObjectName("Label1");
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    Label1->setBuddy(List1);
    // A list takes no name from its buddy label.
    List1->setAccessibleName(Label1->text());
    Check1 = new QCheckBox("Show Symbols", this);
    Check1->setObjectName("Check1");
    AddReadout({"Label2", "Label3", "Label4", "Label5"}, "X Co-ord:", "Y Co-ord:");

    AddButtons<GPlot>({
        {"Command1", "Adjust Scales", &GPlot::Command1_Click},
        {"Command2", "Show Graph Key", &GPlot::Command2_Click},
        {"Command3", "Print", &GPlot::Command3_Click},
        {"Command4", "Done", &GPlot::Command4_Click},
        {"Command6", "Export...", &GPlot::Command6_Click},
    });
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
    {
        // Filled from the run, not chosen by the person: the one drawing comes below.
        const QSignalBlocker blocker(List1);
        List1->clear();
        for (const std::string& title : series) List1->addItem(QString::fromStdString(title));
        List1->setCurrentRow(0);
    }
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
    PlaceInTwips(Label1, GraphPictureLeft, layout.LabelTop, ListWidth, ResultButtonHeight / 2);
    PlaceInTwips(List1, GraphPictureLeft, layout.ListTop, ListWidth, ListHeight);
    // The box and the buttons in a row, each as wide as its caption needs.
    int left = GraphPictureLeft + ListWidth + ResultButtonGap;
    PlaceInTwips(Check1, left, layout.ButtonTop, PixelsToTwips(Check1->sizeHint().width()), ResultButtonHeight);
    left += PixelsToTwips(Check1->sizeHint().width()) + ResultButtonGap;
    PlaceButtons(left, layout.ButtonTop);
    const int readoutTop = layout.ButtonTop + ResultButtonHeight + ResultButtonGap;
    const int readoutLeft = GraphPictureLeft + ListWidth + ResultButtonGap;
    // Each caption with its number beside it.
    PlaceInTwips(Readout.XCaption, readoutLeft, readoutTop, ReadoutWidth, ResultButtonHeight);
    PlaceInTwips(Readout.X, readoutLeft + ReadoutWidth, readoutTop, ValueWidth, ResultButtonHeight);
    PlaceInTwips(Readout.YCaption, readoutLeft + ReadoutWidth + ValueWidth, readoutTop, ReadoutWidth,
                 ResultButtonHeight);
    PlaceInTwips(Readout.Y, readoutLeft + 2 * ReadoutWidth + ValueWidth, readoutTop, ValueWidth, ResultButtonHeight);
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
    PrintPicture(false, [this](Canvas& canvas) { DrawPrintedGraph(canvas); });
}

void GPlot::Command4_Click() {
    HideGraph();
    Picture1_LostFocus();
}

void GPlot::Command5_Click() { emit HelpRequested(GraphHelp.Key, GraphHelp.Manual); }

void GPlot::Command6_Click() {
    ExportPictureFile("Export Graph", [this](Canvas& canvas) { DrawPrintedGraph(canvas); });
}

void GPlot::DrawPrintedGraph(Canvas& canvas) { DrawTimeGraph(Sim, canvas, GraphTarget::Printer, Sim.Graph.XColumn); }

void GPlot::Picture1_MouseDown(QPointF user) {
    const ClickReadout readout = ReadOutGraphClick(Sim.Graph, user.x(), user.y());
    Readout.Show(readout);
    Picture1->SetMarker(user, ClickMarkerRadius(Sim.Graph));
}

void GPlot::Picture1_LostFocus() {
    Readout.Hide();
    Picture1->ClearMarker();
}

}  // namespace quorvane
