#include "app/shell/mdigen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

#include <cstdlib>

#include "app/controls/child_window.h"
#include "app/controls/twips.h"
#include "app/editing/form7.h"
#include "app/editing/form8.h"
#include "app/editing/form9.h"
#include "app/editing/formprop.h"
#include "app/files/gsave.h"
#include "app/sheets/form1.h"
#include "app/sheets/fsim.h"
#include "app/shell/form10.h"
#include "app/shell/form3.h"
#include "app/shell/form4.h"
#include "engine/audit_report.h"
#include "engine/run_error_report.h"
#include "engine/simulation.h"
#include "forms/diagram_sheet.h"
#include "forms/manuals.h"
#include "forms/toolbox.h"

namespace quorvane {

namespace {

const VersionInfo ProgramVersion{QUORVANE_VERSION_MAJOR, QUORVANE_VERSION_MINOR, QUORVANE_VERSION_PATCH,
                                 "The Quorvane developers", "Free to use, copy and change."};

// Places of the windows this one starts with, in twips.
constexpr int RunWindowLeft = 30;
constexpr int RunWindowWidth = 15270;
constexpr int RunWindowHeight = 1110;
constexpr int AuditTop = 10800;
constexpr int AuditHeight = 3800;
constexpr int AuditWidth = 15270;
constexpr int RunErrorWidth = 5565;
constexpr int RunErrorHeight = 2370;

}  // namespace

MDIGen::MDIGen(Host& host, ProgramFolders folders, QWidget* parent)
    : QMainWindow(parent),
      Folders(std::move(folders)),
      Ui(host, State.Sounds),
      Desktop(*this),
      Sim(std::make_unique<Simulation>(Ui, Desktop)),
      Area(new QMdiArea(this)) {
    setObjectName("MDIGen");
    setWindowTitle("Quorvane");
    Area->setObjectName("MDIClient");
    setCentralWidget(Area);
    resize(1280, 940);

    RunForm = new Form3(*Sim, Desktop);
    AddChild(RunForm, RunWindowLeft, 0, RunWindowWidth, RunWindowHeight)->hide();
    AuditForm = new Form4;
    AddChild(AuditForm, RunWindowLeft, AuditTop, AuditWidth, AuditHeight)->hide();
    RunErrorForm = new Form10;
    RunErrorChild = AddChild(RunErrorForm, 0, 0, RunErrorWidth, RunErrorHeight);
    RunErrorChild->hide();

    // The toolbox and the three sheets, each sheet bound to its form slot for the whole session
    // and shown while its slot is in use.
    ToolboxForm = new Form1(*Sim, Editing);
    QMdiSubWindow* toolbox = AddChild(ToolboxForm, ToolboxLeft, ToolboxTop, ToolboxWidth, ToolboxHeight);
    // A narrow tool window: with no title-bar buttons and a title type one size smaller, its
    // caption fits the width it is given. The toolbox itself keeps the program's type.
    toolbox->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont titleType = toolbox->font();
    titleType.setPointSizeF(titleType.pointSizeF() - 1);
    toolbox->setFont(titleType);
    ToolboxForm->setFont(font());
    toolbox->hide();
    Desktop.Attach(*ToolboxForm);
    for (int form = 1; form <= 3; ++form) {
        auto* sheet = new Fsim(form, *Sim, Editing);
        const SheetLayout& layout = LayoutOfSheet(form);
        AddChild(sheet, layout.Left, layout.Top, layout.Width, layout.Height)->hide();
        Desktop.Attach(*sheet);
        Sheets[static_cast<std::size_t>(form)] = sheet;
    }

    AddResultWindows();
    AddFileDialogs();
    AddAnalysisWindows();

    connect(RunForm, &Form3::AuditRequested, this, &MDIGen::Audit);
    connect(RunForm, &Form3::PrintRequested, this, &MDIGen::PrintActiveSheet);
    connect(Area, &QMdiArea::subWindowActivated, this, &MDIGen::SubWindowActivated);
    CreateEditWindows();
    ConnectSheets();
    BuildMenus();
}

void MDIGen::ConnectSheets() {
    for (int form = 1; form <= 3; ++form) {
        Fsim* sheet = Sheets[static_cast<std::size_t>(form)];
        connect(sheet, &Fsim::BlockDialogRequested, this, &MDIGen::OpenBlockDialog);
        connect(sheet, &Fsim::FormPropertiesRequested, FormPropertiesForm, &FormProp::Open);
        // Another sheet's turn: the block window no longer edits one of its blocks.
        connect(sheet, &Fsim::SheetActivated, BlockForm, &QWidget::hide);
    }
    auto redraw = [this](int form) { Desktop.RequestRedraw(form); };
    connect(BlockForm, &Form8::BlockEdited, this, redraw);
    connect(InputTerminalForm, &Form7::BlockEdited, this, redraw);
    connect(OutputTerminalForm, &Form9::BlockEdited, this, redraw);
}

void MDIGen::OpenBlockDialog(const BlockDialogRequest& request) {
    // The request's place is in the main window's client area, twips; the dialogs stand above it.
    const QPoint at =
        Area->viewport()->mapToGlobal(QPoint(TwipsToPixels(request.Left), TwipsToPixels(request.Top)));
    switch (request.Dialog) {
    case BlockDialog::InputTerminal:
        InputTerminalForm->move(at);
        InputTerminalForm->Open(request.Form, request.Block);
        break;
    case BlockDialog::OutputTerminal:
        OutputTerminalForm->move(at);
        OutputTerminalForm->Open(request.Form, request.Block);
        break;
    case BlockDialog::Properties:
        BlockForm->move(at);
        BlockForm->Open(request.Form, request.Block);
        break;
    }
}

MDIGen::~MDIGen() {
    // The child windows go after this object; their last activation changes must not reach it.
    disconnect(Area, nullptr, this, nullptr);
}

QMdiSubWindow* MDIGen::AddChild(QWidget* window, int left, int top, int width, int height) {
    QMdiSubWindow* child = Area->addSubWindow(window);
    child->setObjectName(window->objectName() + "Child");
    // Windows that stay open for the whole session are hidden rather than destroyed.
    child->setAttribute(Qt::WA_DeleteOnClose, false);
    SetChildGeometry(window, left, top, width, height);
    return child;
}

void MDIGen::MDIForm_Load(const std::string& commandLine) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StartProgram(*Sim, State, Folders, ProgramVersion);
    QApplication::restoreOverrideCursor();
    if (commandLine.empty()) return;
    ResetEditing(*Sim, Editing);
    LoadNamedSimulation(*Sim, State, CommandLinePath(commandLine));
}

void MDIGen::Recall(QWidget* window) {
    // A title-bar close hides the window inside its frame as well as the frame.
    ShowChildWindow(window);
    if (!Recallable.contains(window)) Recallable.append(window);
}

void MDIGen::ShowToolWindows() {
    Recall(ToolboxForm);
    Recall(RunForm);
    RunForm->Form_Activate();
}

void MDIGen::ShowRunWindow() {
    Recall(RunForm);
    Area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(WindowFrame(RunForm)));
}

void MDIGen::ShowRunError(const RunErrorReport& report) {
    RunErrorForm->Load(report);
    RunErrorSheet = report.Form;
    // The window opens over the failing block's place, as given by the block's own position.
    const Block& block = Sim->Forms[report.Form].Blocks[report.Block];
    RunErrorChild->move(TwipsToPixels(block.Left), TwipsToPixels(block.Top));
    Recall(RunErrorForm);
    KeepInsideClientArea(RunErrorForm);
    Area->setActiveSubWindow(RunErrorChild);
}

void MDIGen::SubWindowActivated(QMdiSubWindow* window) {
    if (ActiveChild == RunErrorChild && window != RunErrorChild && RunErrorSheet > 0) Desktop.HideMarkers(RunErrorSheet);
    if (window == RunForm->parentWidget()) RunForm->Form_Activate();
    ActiveChild = window;
}

void MDIGen::Audit() {
    Recall(AuditForm);
    KeepInsideClientArea(AuditForm);
    AuditForm->Print(AuditReport(*Sim));
    Area->setActiveSubWindow(static_cast<QMdiSubWindow*>(AuditForm->parentWidget()));
}

void MDIGen::MRun_Click() {
    // The run works the run window's boxes: a closed run window comes back to show the run.
    if (!RunForm->isVisible()) Recall(RunForm);
    RunForm->Command1_Click();
}

void MDIGen::PrintActiveSheet() {
    const QString name = "Fsim" + QString::number(Sim->CurrentForm);
    QWidget* sheet = Area->findChild<QWidget*>(name);
    if (!sheet || !sheet->isVisible()) return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = std::min(page.width() / sheet->width(), page.height() / sheet->height());
    painter.scale(scale, scale);
    sheet->render(&painter);
}

void MDIGen::OpenManual(int key, int manual) {
    const char* path = std::getenv("PATH");
    quorvane::OpenManual(Ui, State.HelpFolder, key, manual, path ? path : "", [](const ReaderLaunch& launch) {
        QStringList arguments;
        for (const std::string& argument : launch.Arguments) arguments << QString::fromStdString(argument);
        return QProcess::startDetached(QString::fromStdString(launch.Program), arguments);
    });
}

void MDIGen::SaveChangesThen(std::function<void()> action) {
    switch (AskToSaveChanges(*Sim, State)) {
    case SaveFirst::Go: action(); return;
    case SaveFirst::Stop: return;
    case SaveFirst::ThroughDialog: SaveDialog->OpenThen(std::move(action)); return;
    }
}

void MDIGen::MnewSim_Click() {
    SaveChangesThen([this] {
        ResetEditing(*Sim, Editing);
        StartNewSimulation(*Sim, State);
    });
}

void MDIGen::mexit_Click() { close(); }

void MDIGen::closeEvent(QCloseEvent* event) {
    switch (AskToSaveChanges(*Sim, State)) {
    case SaveFirst::Go: event->accept(); return;
    case SaveFirst::Stop: event->ignore(); return;
    case SaveFirst::ThroughDialog:
        event->ignore();
        emit SaveBeforeExit();
        return;
    }
}

void MDIGen::Mhz_Click() { SetFrequencyInHz(*Sim, true); }

void MDIGen::Mrad_Click() { SetFrequencyInHz(*Sim, false); }

void MDIGen::MsMath_Click() { ToggleMathsSymbols(*Sim); }

void MDIGen::Msnodes_Click() {
    Sim->Run.ShowNodes = !Sim->Run.ShowNodes;
    RefreshOptionTicks();
    RedrawFormSheets(*Sim);
}

void MDIGen::MsoundOn_Click() {
    State.Sounds = !State.Sounds;
    RefreshOptionTicks();
}

void MDIGen::MsWarnS_Click() { Ui.Message("Warning Sounds Always On"); }

void MDIGen::MHelpLoc_Click() { Ui.Message("Help PDF Files Located in: " + State.HelpFolder); }

}  // namespace quorvane
