#include "app/analysis/fplot.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

#include "app/controls/child_window.h"
#include "app/controls/dialog_parts.h"
#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "drawing/frequency_graph.h"
#include "engine/simulation.h"
#include "forms/help_topic.h"
#include "results/analysis_csv.h"

namespace quorvane {

namespace {

constexpr int LabelHeight = 250;   // twips
constexpr int ListHeight = 1300;
constexpr int BoxHeight = 300;

constexpr FrequencySwitch Switches[] = {FrequencySwitch::Magnitude, FrequencySwitch::Phase, FrequencySwitch::LogY,
                                        FrequencySwitch::LogX, FrequencySwitch::Symbols};
constexpr const char* SwitchCaptions[] = {"Show Magnitude", "Show Phase", "Log Y Scale", "Log X Scale", "Show Symbols"};

}  // namespace

Fplot::Fplot(Simulation& sim, QWidget* parent) : ResultWindow(sim, parent) {
    setObjectName("Fplot");
    setWindowTitle("Frequency Analysis");

    Picture1 = new PictureBox(this, "Picture1", "Frequency graph");
    const auto list = [this](QLabel*& label, QListWidget*& box, const char* caption, const char* labelName,
                             const char* name) {
        label = new QLabel(caption, this);
        label->setObjectName(labelName);
        box = new QListWidget(this);
        box->setObjectName(name);
        label->setBuddy(box);
        box->setAccessibleName(QString(caption).remove('&'));
    };
    list(Label1, List1, "Primary Display (&A)", "Label1", "List1");
    list(Label2, List2, "Comparison (&B)", "Label2", "List2");
    for (int i = 0; i < 5; ++i) {
        auto* box = new QCheckBox(SwitchCaptions[i], this);
        box->setObjectName("Check" + QString::number(i + 1));
        connect(box, &QCheckBox::clicked, this, [this, i] { Check_Click(i); });
        Checks[static_cast<std::size_t>(i)] = box;
    }
    AddReadout({"Label3", "Label4", "Label5", "Label6"}, "Frequency:", "Y Co-ord:");

    AddButtons<Fplot>({
        {"Command1", "A / B", &Fplot::Command1_Click},
        {"Command2", "Print", &Fplot::Command2_Click},
        {"Command3", "Done", &Fplot::Command3_Click},
        {"Command5", "Export...", &Fplot::Command5_Click},
        {"Command6", "Export CSV...", &Fplot::Command6_Click},
    });
    // The compare button shows what it works out rather than a caption.
    Buttons.front()->setToolTip("Compare: ratio A / B");
    Buttons.front()->setAccessibleName("Compare A / B");
    Buttons.push_back(AddHelpButton(this, "Command4"));
    connect(Buttons.back(), &QPushButton::clicked, this, &Fplot::Command4_Click);

    connect(List1, &QListWidget::currentRowChanged, this, &Fplot::List1_Click);
    connect(List2, &QListWidget::currentRowChanged, this, &Fplot::List2_Click);
    connect(Picture1, &PictureBox::Clicked, this, &Fplot::Picture1_MouseDown);
    connect(Picture1, &PictureBox::FocusLost, this, &Fplot::Picture1_LostFocus);
    Unload();
}

void Fplot::Unload() {
    HideChildWindow(this);
    {
        const QSignalBlocker primary(List1);
        const QSignalBlocker comparison(List2);
        List1->clear();
        List2->clear();
    }
    State = {};
    Sim.Fft.FftColumnsUsed = 0;
    Picture1_LostFocus();
    WindowFrame(this)->resize(WindowFrame(this)->size() - size() +
                              QSize(TwipsToPixels(FrequencyWindowWidth), TwipsToPixels(FrequencyWindowHeight)));
    LayOut();
}

void Fplot::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Activation is the frame's once the window stands in the main window.
    auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!frame || FollowsFrame) return;
    FollowsFrame = true;
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive) && isVisible()) Form_Activate();
    });
}

void Fplot::ShowAnalysis(const std::vector<std::string>& series) {
    {
        const QSignalBlocker primary(List1);
        const QSignalBlocker comparison(List2);
        List1->clear();
        List2->clear();
        for (const std::string& title : series) {
            List1->addItem(QString::fromStdString(title));
            List2->addItem(QString::fromStdString(title));
        }
    }
    const int before = Activations;
    ShowChildWindow(this);
    // A window that was already active is not activated again by being shown.
    if (Activations == before) Form_Activate();
}

void Fplot::HideAnalysis() {
    HideChildWindow(this);
    Picture1_LostFocus();
}

void Fplot::Form_Activate() {
    ++Activations;
    const FrequencyView view = ActivateFrequencyWindow(Sim, State);
    setWindowTitle(QString::fromStdString(FrequencyCaption(Sim)));
    RefreshSwitches();
    const FrequencyListRows rows = FrequencyListSelection(Sim, State);
    SelectRows(rows.Primary, rows.Comparison);
    Present(view);
}

void Fplot::RefreshSwitches() {
    for (std::size_t i = 0; i < Checks.size(); ++i) Checks[i]->setChecked(FrequencySwitchValue(Sim, Switches[i]));
}

void Fplot::SelectRows(int primary, int comparison) {
    const QSignalBlocker blockPrimary(List1);
    const QSignalBlocker blockComparison(List2);
    List1->setCurrentRow(primary < List1->count() ? primary : -1);
    List2->setCurrentRow(comparison < List2->count() ? comparison : -1);
}

void Fplot::Present(FrequencyView view) {
    switch (view) {
    case FrequencyView::Unchanged: return;
    case FrequencyView::Draw: Redraw(); return;
    case FrequencyView::Clear:
        Picture1_LostFocus();
        Picture1->BeginDrawing();
        Picture1->FinishDrawing();
        return;
    case FrequencyView::Hide: HideAnalysis(); return;
    }
}

void Fplot::Redraw() {
    Picture1_LostFocus();
    PainterCanvas& canvas = Picture1->BeginDrawing();
    DrawFrequencyWindow(Sim, State, canvas, FftOnScreen);
    Picture1->FinishDrawing();
    MarkerRadius = FrequencyMarkerRadius(Sim);
}

void Fplot::LayOut() {
    // The lists and the read-out in a column right of the picture, as wide as their captions.
    int captions = 0;
    for (QLabel* label : {Label1, Label2}) captions = std::max(captions, PixelsToTwips(label->sizeHint().width()));
    const FrequencyWindowLayout layout =
        LayoutFrequencyWindow(PixelsToTwips(width()), PixelsToTwips(height()), captions);
    PlaceInTwips(Picture1, FrequencyPictureLeft, FrequencyPictureTop, layout.PictureWidth, layout.PictureHeight);
    const int columnWidth = layout.ColumnWidth;
    int top = FrequencyPictureTop;
    for (auto [label, box] : {std::pair{Label1, List1}, {Label2, List2}}) {
        PlaceInTwips(label, layout.ListLeft, top, columnWidth, LabelHeight);
        PlaceInTwips(box, layout.ListLeft, top + LabelHeight, columnWidth, ListHeight);
        top += LabelHeight + ListHeight + ResultButtonGap;
    }
    for (QLabel* label : {Readout.XCaption, Readout.X, Readout.YCaption, Readout.Y}) {
        PlaceInTwips(label, layout.ListLeft, top, columnWidth, LabelHeight);
        top += LabelHeight;
    }
    // Buttons and boxes in rows under the picture, each as wide as its caption needs.
    PlaceButtons(FrequencyPictureLeft, layout.ButtonTop);
    int left = FrequencyPictureLeft;
    for (QCheckBox* box : Checks) {
        const int width = PixelsToTwips(box->sizeHint().width());
        PlaceInTwips(box, left, layout.BoxTop, width, BoxHeight);
        left += width + ResultButtonGap;
    }
}

void Fplot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Sim.Status.CurrentActivity = "Resizing FFT Display";
    LayOut();
    // Not only while visible: a frame being maximised or restored hides its window meanwhile.
    if (State.Curves > 0) Redraw();
}

void Fplot::List1_Click() {
    const FrequencyView view = SelectPrimary(Sim, State, List1->currentRow());
    if (view == FrequencyView::Unchanged) return;
    const FrequencyListRows rows = FrequencyListSelection(Sim, State);
    SelectRows(rows.Primary, rows.Comparison);
    Present(view);
}

void Fplot::List2_Click() { Present(SelectComparison(Sim, State, List2->currentRow())); }

void Fplot::Check_Click(int index) {
    const auto i = static_cast<std::size_t>(index);
    Present(SetFrequencySwitch(Sim, State, Switches[i], Checks[i]->isChecked()));
    RefreshSwitches();
}

void Fplot::Command1_Click() {
    Present(CompareAnalyses(Sim, State));
    // The ratio takes the place of the phases, which are then no longer shown.
    RefreshSwitches();
}

void Fplot::Command2_Click() {
    Sim.Status.CurrentActivity = "Printing FFT Display";
    // The title line and the frequency axis want the page's width.
    PrintPicture(true, [this](Canvas& canvas) { DrawFrequencyWindow(Sim, State, canvas, FftOnPrinter); });
}

void Fplot::Command3_Click() { HideAnalysis(); }

void Fplot::Command4_Click() { emit HelpRequested(FrequencyHelp.Key, FrequencyHelp.Manual); }

void Fplot::Command5_Click() {
    ExportPictureFile("Export Frequency Analysis",
                      [this](Canvas& canvas) { DrawFrequencyWindow(Sim, State, canvas, FftOnPrinter); });
}

void Fplot::Command6_Click() {
    ExportCsvFile("Export Frequency Analysis", [this] { return SpectrumRows(Sim.Fft, State.Curves); });
}

void Fplot::Picture1_MouseDown(QPointF user) {
    if (State.Curves == 0) return;
    const ClickReadout readout = ReadOutFrequency(user.x(), user.y(), Sim.Fft.LogFrequency);
    Readout.Show(readout);
    Picture1->SetMarker(user, MarkerRadius);
}

void Fplot::Picture1_LostFocus() {
    Readout.Hide();
    Picture1->ClearMarker();
}

}  // namespace quorvane
