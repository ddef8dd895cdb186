#include "app/shell/form3.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/controls/dialog_controls.h"
#include "engine/simulation.h"
#include "forms/main_window.h"
#include "run/run_driver.h"

namespace quorvane {

namespace {

QLineEdit* MakeBox(QWidget* parent, const char* name, const char* caption, const char* labelName, QGridLayout* grid,
                   int row, int column) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(labelName);
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    // Wide enough for the figures a run writes back ("0.0125", "123.45").
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(9, '0')) + 10);
    label->setBuddy(box);
    grid->addWidget(label, row, column, Qt::AlignRight);
    grid->addWidget(box, row, column + 1);
    return box;
}

QCheckBox* MakeOption(QWidget* parent, const char* name, const char* caption, QGridLayout* grid, int row, int column) {
    auto* option = new QCheckBox(caption, parent);
    option->setObjectName(name);
    grid->addWidget(option, row, column);
    return option;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QGridLayout* grid, int row, int column) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    grid->addWidget(button, row, column);
    return button;
}

QLabel* MakeCaption(QWidget* parent, const char* name, QGridLayout* grid, int row, int column) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    grid->addWidget(label, row, column);
    return label;
}

}  // namespace

Form3::Form3(Simulation& sim, ResultHandOff& handOff, QWidget* parent) : QWidget(parent), Sim(sim), HandOff(handOff) {
    setObjectName("Form3");
    setWindowTitle("Run Control");
    BuildControls();
    RefreshRunWindow(Sim, Current);
    Load(Current);
}

void Form3::BuildControls() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    Text1 = MakeBox(this, "Text1", "Start &Time", "Label1", grid, 0, 0);
    Text2 = MakeBox(this, "Text2", "Sto&p Time", "Label2", grid, 1, 0);
    Label5 = MakeCaption(this, "Label5", grid, 0, 2);
    Text3 = MakeBox(this, "Text3", "Time St&ep", "Label3", grid, 0, 3);
    Label8 = MakeCaption(this, "Label8", grid, 0, 5);
    Text5 = MakeBox(this, "Text5", "&Units", "Label4", grid, 1, 3);
    Text7 = MakeBox(this, "Text7", "P&lot", "Label6", grid, 0, 6);
    Text8 = MakeBox(this, "Text8", "Pri&nt", "Label7", grid, 1, 6);
    Label13 = MakeCaption(this, "Label13", grid, 0, 8);
    Check1 = MakeOption(this, "Check1", "&Manual", grid, 1, 5);
    Check2 = MakeOption(this, "Check2", "Ta&bulation", grid, 0, 9);
    Check3 = MakeOption(this, "Check3", "&Graphical", grid, 1, 9);
    Check4 = MakeOption(this, "Check4", "&FFT", grid, 0, 10);
    Check5 = MakeOption(this, "Check5", "&Correlation", grid, 1, 10);
    Check6 = MakeOption(this, "Check6", "Ann&otate", grid, 0, 11);
    Check7 = MakeOption(this, "Check7", "Show Output&s", grid, 1, 11);
    Text6 = MakeBox(this, "Text6", "CPU Time", "Label10", grid, 0, 12);
    Text4 = MakeBox(this, "Text4", "Rounding Error", "Label11", grid, 1, 12);
    Text4->setReadOnly(true);
    Text6->setReadOnly(true);
    Label14 = MakeCaption(this, "Label14", grid, 1, 8);
    // Room for the note on a stretched stop time, so it never pushes the options about.
    Label14->setMinimumWidth(Label14->fontMetrics().horizontalAdvance("(   adjusted to  1000.05 )"));

    Shape1 = new QFrame(this);
    Shape1->setObjectName("Shape1");
    Shape1->setToolTip("Run status");
    Shape1->setAccessibleName("Run status");
    Shape1->setFixedSize(22, 22);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAutoFillBackground(true);
    grid->addWidget(Shape1, 0, 14, 2, 1, Qt::AlignCenter);

    // Alt+R belongs to the menu bar's Run, which runs from every window, this one included.
    connect(MakeButton(this, "Command1", "Run", grid, 0, 15), &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(MakeButton(this, "Command3", "&Audit", grid, 1, 15), &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(MakeButton(this, "Command4", "Re&draw", grid, 0, 16), &QPushButton::clicked, this, &Form3::Command4_Click);
    connect(MakeButton(this, "Command6", "Pr&int", grid, 1, 16), &QPushButton::clicked, this, &Form3::Command6_Click);
    grid->setColumnStretch(17, 1);

    // The time step box is read when a run starts; every other box and option is stored as it changes.
    for (QLineEdit* box : {Text1, Text2, Text5, Text7, Text8})
        connect(box, &QLineEdit::textChanged, this, &Form3::ControlChanged);
    for (QCheckBox* option : {Check1, Check2, Check3, Check4, Check5, Check6, Check7})
        connect(option, &QCheckBox::toggled, this, &Form3::ControlChanged);
}

void Form3::Load(const RunWindow& window) {
    Loading = true;
    Current = window;
    // A box being typed in holds what is stored already: left alone, it keeps its caret and undo.
    ShowText(Text1, window.Text1);
    ShowText(Text2, window.Text2);
    ShowText(Text3, window.Text3);
    ShowText(Text5, window.Text5);
    ShowText(Text7, window.Text7);
    ShowText(Text8, window.Text8);
    Check1->setChecked(window.Check1);
    Check2->setChecked(window.Check2);
    Check3->setChecked(window.Check3);
    Check4->setChecked(window.Check4);
    Check5->setChecked(window.Check5);
    Check6->setChecked(window.Check6);
    Check7->setChecked(window.Check7);
    Label5->setText(QString::fromStdString(window.Label5));
    Label8->setText(QString::fromStdString(window.Label8));
    Label13->setText(QString::fromStdString(window.Label13));
    Label14->setText(QString::fromStdString(window.Label14));
    ShowFigures(window);
    Loading = false;
}

void Form3::ShowFigures(const RunWindow& window) {
    ShowText(Text4, window.Text4);
    ShowText(Text6, window.Text6);
    NameWithValue(Text4, "Rounding Error", Text4->text());
    NameWithValue(Text6, "CPU Time", Text6->text());
    SetColour(Text4, QPalette::Text, window.Text4Colour);
    SetColour(Shape1, QPalette::Window, window.Lamp);
}

void Form3::ShowRunStatus(const RunWindow& window) {
    ShowFigures(window);
    Shape1->repaint();
    Text6->repaint();
}

RunWindow Form3::Store() const {
    RunWindow window = Current;
    window.Text1 = Text1->text().toStdString();
    window.Text2 = Text2->text().toStdString();
    window.Text3 = Text3->text().toStdString();
    window.Text5 = Text5->text().toStdString();
    window.Text7 = Text7->text().toStdString();
    window.Text8 = Text8->text().toStdString();
    window.Check1 = Check1->isChecked();
    window.Check2 = Check2->isChecked();
    window.Check3 = Check3->isChecked();
    window.Check4 = Check4->isChecked();
    window.Check5 = Check5->isChecked();
    window.Check6 = Check6->isChecked();
    window.Check7 = Check7->isChecked();
    return window;
}

void Form3::ClearFigures() {
    Current = Store();
    ClearRunFigures(Current);
    Load(Current);
}

void Form3::ControlChanged() {
    if (Loading) return;
    const bool annotate = Current.Check6;
    const bool outputs = Current.Check7;
    Current = Store();
    EditRunWindow(Sim, Current);
    Load(Current);
    if (Current.Check6 != annotate || Current.Check7 != outputs) RedrawFormSheets(Sim);
}

void Form3::Command1_Click() {
    Current = Store();
    Running = true;
    RunSimulation(Sim, Current, HandOff);
    Running = false;
    Load(Current);
}

void Form3::Command3_Click() { emit AuditRequested(); }

void Form3::Command4_Click() {
    // The blocks of the first two forms, whose markers a run may have left showing.
    for (int form = 1; form <= 2; ++form) {
        Sim.Windows.RequestRedraw(form);
        Sim.Windows.HideMarkers(form);
    }
}

void Form3::Command6_Click() { emit PrintRequested(); }

void Form3::Form_Activate() {
    // Shown again at a run's end, the window keeps what the run wrote until the run hands it back.
    if (Running) return;
    // Values changed elsewhere (the display timing dialog, a loaded file) show when the window is used.
    RefreshRunWindow(Sim, Current);
    Load(Current);
}

void Form3::keyPressEvent(QKeyEvent* event) {
    // A typed key that no box or button took stops a run at its next check; with no run going
    // there is nothing to interrupt.
    if (event->text().isEmpty() || !Running || !Sim.Status.RunInProgress) {
        QWidget::keyPressEvent(event);
        return;
    }
    Sim.Ui.Message("interrupted");
    Sim.Status.RunInProgress = false;
}

void Form3::closeEvent(QCloseEvent* event) {
    Sim.Status.RunInProgress = false;
    QWidget::closeEvent(event);
}

}  // namespace quorvane
