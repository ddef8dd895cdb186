#include "app/results/gplot.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

#include "app/controls/child_window.h"
#include "app/controls/dialog_parts.h"
#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "app/results/form11.h"
#include "app/results/keyform.h"
#include "drawing/time_graph.h"
#include "engine/simulation.h"
#include "forms/graph_overlay.h"
#include "forms/graph_window.h"
#include "forms/help_topic.h"

namespace quorvane {

namespace {

constexpr int WindowWidth = 12600;   // twips
constexpr int WindowHeight = 7200;
constexpr int ListHeight = 700;
/// The nearest curve's name stands this many pixels right of and above the click.
constexpr int NameOffsetPx = 8;

int CaptionWidth(QWidget* control) { return PixelsToTwips(control->sizeHint().width()); }

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
    Check2 = new QCheckBox("Overlay Previous Runs", this);
    Check2->setObjectName("Check2");
    Check2->setAccessibleName(Check2->text());
    Command7 = new QPushButton("Clear Previous Runs", this);
    Command7->setObjectName("Command7");
    Command7->setAccessibleName(Command7->text());
    Label6 = new QLabel(this);
    Label6->setObjectName("Label6");
    // No accessible name of its own: readers read the curve it names.
    Label6->setAccessibleDescription("Nearest curve");
    Label6->setStyleSheet("background: white; border: 1px solid black; padding: 1px;");
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
    connect(Check2, &QCheckBox::clicked, this, &GPlot::Check2_Click);
    connect(Command7, &QPushButton::clicked, this, &GPlot::Command7_Click);
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
    Label6->hide();
    PainterCanvas& canvas = Picture1->BeginDrawing();
    DrawTimeGraph(Sim, canvas, GraphTarget::Screen, Sim.Graph.XColumn);
    Picture1->FinishDrawing();
    Command7->setEnabled(!Sim.Runs.Previous().empty());
}

void GPlot::RefreshSwitches() {
    Check1->setChecked(Sim.Graph.ShowSymbols == 1);
    Check2->setChecked(Sim.Graph.OverlayRuns);
}

void GPlot::LayOut() {
    const GraphWindowLayout layout = LayoutGraphWindow(PixelsToTwips(width()), PixelsToTwips(height()),
                                                       CaptionWidth(Check2), CaptionWidth(Command7));
    PlaceInTwips(Picture1, GraphPictureLeft, GraphPictureTop, layout.PictureWidth, layout.PictureHeight);
    PlaceInTwips(Label1, GraphPictureLeft, layout.LabelTop, GraphListWidth, ResultButtonHeight / 2);
    PlaceInTwips(List1, GraphPictureLeft, layout.ListTop, GraphListWidth, ListHeight);
    // The box and the buttons in a row, each as wide as its caption needs.
    int left = layout.RowLeft;
    PlaceInTwips(Check1, left, layout.ButtonTop, CaptionWidth(Check1), ResultButtonHeight);
    left += CaptionWidth(Check1) + ResultButtonGap;
    PlaceButtons(left, layout.ButtonTop);
    const int top = layout.SecondRowTop;
    PlaceInTwips(Check2, layout.RowLeft, top, CaptionWidth(Check2), ResultButtonHeight);
    PlaceInTwips(Command7, layout.ClearLeft, top, CaptionWidth(Command7), ResultButtonHeight);
    // Each caption with its number beside it.
    int readout = layout.ReadoutLeft;
    for (QLabel* label : {Readout.XCaption, Readout.X, Readout.YCaption, Readout.Y}) {
        const int width = label == Readout.X || label == Readout.Y ? layout.ValueWidth : GraphCaptionWidth;
        PlaceInTwips(label, readout, top, width, ResultButtonHeight);
        readout += width;
    }
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
    ExportPictureFile(
        "Export Graph", [this](Canvas& canvas) { DrawPrintedGraph(canvas); },
        [this](std::ostream& out) { WriteGraphCsv(Sim, out); });
}

void GPlot::Check2_Click() {
    if (!OverlayPreviousRuns(Sim, Check2->isChecked())) return;
    Redraw();
}

void GPlot::Command7_Click() {
    if (!ClearPreviousRuns(Sim)) return;
    Redraw();
}

void GPlot::DrawPrintedGraph(Canvas& canvas) { DrawTimeGraph(Sim, canvas, GraphTarget::Printer, Sim.Graph.XColumn); }

void GPlot::Picture1_MouseDown(QPointF user) {
    const ClickReadout readout = ReadOutGraphClick(Sim.Graph, user.x(), user.y());
    Readout.Show(readout);
    Picture1->SetMarker(user, ClickMarkerRadius(Sim.Graph));
    const std::string name = NearestCurveName(Sim, user.x(), user.y());
    Label6->setVisible(!name.empty());
    if (name.empty()) return;
    Label6->setText(QString::fromStdString(name));
    Label6->adjustSize();
    // Beside the marker, kept inside the picture.
    const QPoint at = Picture1->geometry().topLeft() + Picture1->DevicePoint(user).toPoint() +
                      QPoint(NameOffsetPx, -NameOffsetPx - Label6->height());
    const QRect picture = Picture1->geometry();
    Label6->move(std::clamp(at.x(), picture.left(), std::max(picture.left(), picture.right() - Label6->width())),
                 std::clamp(at.y(), picture.top(), std::max(picture.top(), picture.bottom() - Label6->height())));
    Label6->raise();
}

void GPlot::Picture1_LostFocus() {
    Readout.Hide();
    Label6->hide();
    Picture1->ClearMarker();
}

}  // namespace quorvane
