#include "app/results/tabview.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

#include "app/controls/child_window.h"
#include "app/controls/dialog_controls.h"
#include "app/controls/dialog_parts.h"
#include "app/controls/picture_box.h"
#include "app/controls/twips.h"
#include "app/results/pformat.h"
#include "engine/simulation.h"
#include "forms/help_topic.h"
#include "forms/tabulation_window.h"
#include "results/page_view.h"

namespace quorvane {

namespace {

constexpr int ButtonWidth = 700;
constexpr int SmallButtonWidth = 550;
constexpr int HelpButtonWidth = 400;
constexpr int WideButtonWidth = 1500;
constexpr int ButtonHeight = 400;
constexpr int ScrollWidth = 300;

}  // namespace

tabview::tabview(Simulation& sim, Pformat& format, QWidget* parent)
    : QWidget(parent), Printer(sim), Sim(sim), Format(format) {
    setObjectName("tabview");
    setWindowTitle("Tabulation");
    Picture2 = new PictureBox(this, "Picture2", "Tabulated Output headings");
    Picture1 = new PictureBox(this, "Picture1", "Tabulated Output page");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName("VScroll1");
    VScroll1->setAccessibleName("Page");
    VScroll1->setMinimum(1);
    Command1 = MakeButton(this, "Command1", "Done");
    Command2 = MakeButton(this, "Command2", "Print");
    Command3 = MakeButton(this, "Command3", "<");
    Command3->setAccessibleName("Previous page");
    Command3->setToolTip("Previous page");
    Command4 = MakeButton(this, "Command4", ">");
    Command4->setAccessibleName("Next page");
    Command4->setToolTip("Next page");
    Command5 = MakeButton(this, "Command5", "Adjust format");
    Command6 = AddHelpButton(this, "Command6");
    Command7 = MakeButton(this, "Command7", "Export CSV...");

    connect(Command1, &QPushButton::clicked, this, &tabview::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &tabview::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &tabview::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &tabview::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &tabview::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &tabview::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &tabview::Command7_Click);
    connect(VScroll1, &QScrollBar::valueChanged, this, &tabview::VScroll1_Change);

    const TabulationWindowLayout smallest = LayoutTabulationWindow(0, 0);
    setMinimumSize(TwipsToPixels(smallest.Width), TwipsToPixels(smallest.Height));
    resize(TwipsToPixels(TabulationWindowWidth), TwipsToPixels(TabulationWindowHeight));
    LayOut();
}

void tabview::ShowTabulation() {
    ShowChildWindow(this);
    ShowPage();
    WidenToPage();
}

void tabview::HideTabulation() { HideChildWindow(this); }

void tabview::ShowPage() {
    PrintDumpState& dump = Sim.Dump;
    Shown = ReadPage(dump);
    {
        // Set from the viewer, not by the person: no page change of its own.
        const QSignalBlocker blocker(VScroll1);
        VScroll1->setMaximum(std::max(dump.ScrollMaximum, 1));
        VScroll1->setValue(dump.CurrentPage);
    }
    Label1->setText(QString::fromStdString(PageLabel(dump.CurrentPage)));
    DrawTabulationHeading(Picture2->BeginDrawing(), Shown);
    Picture2->FinishDrawing();
    PainterCanvas& page = Picture1->BeginDrawing();
    DrawTabulationPage(page, Shown);
    PageWidth = TabulationPageWidth(page, Shown);
    Picture1->FinishDrawing();
}

void tabview::WidenToPage() {
    QWidget* frame = WindowFrame(this);
    const int missing = static_cast<int>(std::ceil(PageWidth)) - Picture1->width();
    if (missing <= 0) return;
    int width = frame->width() + missing;
    if (const QWidget* area = frame->parentWidget()) width = std::min(width, area->width() - frame->x());
    if (width > frame->width()) frame->resize(width, frame->height());
}

void tabview::LayOut() {
    const TabulationWindowLayout layout = LayoutTabulationWindow(PixelsToTwips(width()), PixelsToTwips(height()));
    PlaceInTwips(Picture2, TabulationBoxLeft, layout.HeadingTop, layout.BoxWidth, layout.HeadingHeight);
    PlaceInTwips(Picture1, TabulationBoxLeft, layout.PageTop, layout.BoxWidth, layout.PageHeight);
    PlaceInTwips(VScroll1, layout.ScrollLeft, layout.PageTop, ScrollWidth, layout.PageHeight);
    PlaceInTwips(Label1, TabulationBoxLeft, layout.SecondRowTop, WideButtonWidth, ButtonHeight);
    const struct {
        QPushButton* Button;
        int Width;
    } buttons[] = {{Command1, ButtonWidth},      {Command2, ButtonWidth},     {Command5, WideButtonWidth},
                   {Command4, SmallButtonWidth}, {Command3, SmallButtonWidth}, {Command6, HelpButtonWidth},
                   {Command7, WideButtonWidth}};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        const bool secondRow = buttons[i].Button == Command7;
        PlaceInTwips(buttons[i].Button, layout.ButtonLeft[i], secondRow ? layout.SecondRowTop : layout.ButtonTop,
              buttons[i].Width, ButtonHeight);
    }
}

void tabview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
    if (isVisible()) ShowPage();
}

void tabview::Command1_Click() { HideTabulation(); }

void tabview::Command2_Click() { Printer.Print(this); }

void tabview::Command3_Click() {
    PreviousPage(Sim.Dump);
    ShowPage();
}

void tabview::Command4_Click() {
    NextPage(Sim.Dump);
    ShowPage();
}

void tabview::Command5_Click() { ShowChildWindow(&Format); }

void tabview::Command6_Click() { emit HelpRequested(TabulationHelp.Key, TabulationHelp.Manual); }

void tabview::Command7_Click() {
    const QString path = ChooseSaveFile(this, "Export CSV", "CSV files (*.csv)");
    if (!path.isEmpty()) ExportRecordedCsv(Sim, path.toStdString());
}

void tabview::VScroll1_Change(int value) {
    if (Sim.Status.WindowsBusy == 1) return;
    ScrollToPage(Sim.Dump, value);
    ShowPage();
}

}  // namespace quorvane
