#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/shell/mdigen.h"
#include "engine/simulation.h"
#include "forms/manuals.h"

namespace quorvane {

QMenu* MDIGen::AddMenu(const char* name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* MDIGen::AddItem(QMenu* menu, const char* name, const QString& caption, void (MDIGen::*handler)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    if (handler) connect(item, &QAction::triggered, this, handler);
    return item;
}

QAction* MDIGen::AddTick(QMenu* menu, const char* name, const QString& caption, void (MDIGen::*handler)()) {
    QAction* item = AddItem(menu, name, caption, handler);
    item->setCheckable(true);
    return item;
}

void MDIGen::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu("Mfile", "&File");
    connect(file, &QMenu::aboutToShow, this, &MDIGen::Mfile_Click);
    for (int n = 1; n <= 5; ++n) {
        QAction* recent = AddItem(file, ("mblank" + std::to_string(n)).c_str(), QString::number(n) + ".", nullptr);
        recent->setVisible(false);
        connect(recent, &QAction::triggered, this, [this, n] { mblank_Click(n); });
    }
    AddItem(file, "mload", "File &Load...       ", &MDIGen::mload_Click);
    AddItem(file, "msave", "File &Save...", &MDIGen::msave_Click);
    AddItem(file, "mmaint", "&Maintain Data Files...", &MDIGen::mmaint_Click);
    AddItem(file, "MnewSim", "&New Simulation", &MDIGen::MnewSim_Click);
    AddItem(file, "mexit", "E&xit", &MDIGen::mexit_Click);
    BuildEditMenu();

    QAction* save = bar->addAction("&Save");
    save->setObjectName("Ms1");
    connect(save, &QAction::triggered, this, &MDIGen::Ms1_Click);
    QAction* load = bar->addAction("&Load");
    load->setObjectName("ML1");
    connect(load, &QAction::triggered, this, &MDIGen::mload_Click);
    // Run from whichever window is active, beside the other direct actions; Alt+R is its access key.
    QAction* run = bar->addAction("&Run");
    run->setObjectName("MRun");
    run->setShortcut(Qt::Key_F5);
    run->setShortcutContext(Qt::WindowShortcut);
    run->setStatusTip("Run the simulation (F5)");
    connect(run, &QAction::triggered, this, &MDIGen::MRun_Click);

    QMenu* display = AddMenu("MDa", "&Display");
    AddItem(display, "MLgraph", "Show last &graph", &MDIGen::MLgraph_Click);
    AddItem(display, "MLprint", "Show Last &Print", &MDIGen::MLprint_Click);
    AddItem(display, "mddt", "Data Display &Timing", &MDIGen::mddt_Click);
    AddItem(display, "mPf", "Print &Format", &MDIGen::mPf_Click);
    QMenu* units = display->addMenu("Frequency Display &Units");
    units->setObjectName("Mfdis");
    auto* unitGroup = new QActionGroup(units);
    unitGroup->addAction(AddTick(units, "Mhz", "&Hertz", &MDIGen::Mhz_Click));
    unitGroup->addAction(AddTick(units, "Mrad", "&Radians / sec", &MDIGen::Mrad_Click));
    AddTick(display, "MsMath", "Show &Maths Symbols", &MDIGen::MsMath_Click);
    AddTick(display, "Msnodes", "Show &Nodes", &MDIGen::Msnodes_Click);
    QMenu* annotate = display->addMenu("&Annotate");
    annotate->setObjectName("Manno");
    for (auto [name, caption] : {std::pair{"MTitle", "&Title"}, {"Mfunct", "&Function"}, {"MInCon", "&Initial Condition"},
                                 {"MSat", "&Saturation Limits"}, {"MblkN", "&Block Number"}}) {
        QAction* item = AddTick(annotate, name, caption, nullptr);
        connect(item, &QAction::triggered, this, [this, item] { AnnotateItem_Click(item); });
    }

    QMenu* sounds = AddMenu("Msctrl", "S&ounds");
    AddTick(sounds, "MsoundOn", "&Sounds", &MDIGen::MsoundOn_Click);
    AddItem(sounds, "MsWarnS", "&Window's Warnings On", &MDIGen::MsWarnS_Click);

    QMenu* fft = AddMenu("Mfft", "FF&T / PRBS");
    AddItem(fft, "Mfftchar", "FFT && PRBS &Properties", &MDIGen::Mfftchar_Click);

    QAction* forms = bar->addAction("Sim F&orms");
    forms->setObjectName("msforms");
    connect(forms, &QAction::triggered, this, &MDIGen::msforms_Click);

    QMenu* help = AddMenu("Mhelp1", "&Help");
    connect(AddItem(help, "Muguide", "&User Guide", nullptr), &QAction::triggered, this,
            [this] { OpenManual(0, UserGuideManual); });
    connect(AddItem(help, "MeGuide", "&Function Block Guide", nullptr), &QAction::triggered, this,
            [this] { OpenManual(0, FunctionBlockManual); });
    connect(AddItem(help, "MeAppend", "&Examples", nullptr), &QAction::triggered, this,
            [this] { OpenManual(0, ExamplesManual); });
    AddItem(help, "MHelpLoc", "Help &Location", &MDIGen::MHelpLoc_Click);

    WindowList = AddMenu("mwindow", "&Window");
    connect(WindowList, &QMenu::aboutToShow, this, &MDIGen::FillWindowList);
    // Held by the main window, so the keys work while the menu is closed and survive its refill.
    NextWindow = new QAction("&Next Window", this);
    NextWindow->setObjectName("MNextWindow");
    NextWindow->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    connect(NextWindow, &QAction::triggered, Area, &QMdiArea::activateNextSubWindow);
    PreviousWindow = new QAction("&Previous Window", this);
    PreviousWindow->setObjectName("MPreviousWindow");
    PreviousWindow->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    connect(PreviousWindow, &QAction::triggered, Area, &QMdiArea::activatePreviousSubWindow);
    addAction(NextWindow);
    addAction(PreviousWindow);
    RefreshOptionTicks();
}

void MDIGen::RefreshOptionTicks() {
    const Settings& run = Sim->Run;
    auto tick = [this](const char* name, bool on) { findChild<QAction*>(name)->setChecked(on); };
    tick("Mhz", run.FrequencyInHz);
    tick("Mrad", !run.FrequencyInHz);
    tick("MsMath", run.MathsSymbols);
    tick("Msnodes", run.ShowNodes);
    tick("MTitle", State.AnnotateTitle);
    tick("Mfunct", State.AnnotateFunction);
    tick("MInCon", run.AnnotateIC);
    tick("MSat", run.AnnotateLimits);
    tick("MblkN", run.AnnotateNumbers);
    tick("MsoundOn", State.Sounds);
}

void MDIGen::AnnotateItem_Click(QAction* item) {
    Settings& run = Sim->Run;
    const QString name = item->objectName();
    bool& option = name == "MTitle"    ? State.AnnotateTitle
                   : name == "Mfunct"  ? State.AnnotateFunction
                   : name == "MInCon"  ? run.AnnotateIC
                   : name == "MSat"    ? run.AnnotateLimits
                                       : run.AnnotateNumbers;
    option = !option;
    RefreshOptionTicks();
    RedrawFormSheets(*Sim);
}

void MDIGen::FillWindowList() {
    WindowList->clear();
    WindowList->addAction(NextWindow);
    WindowList->addAction(PreviousWindow);
    WindowList->addSeparator();
    int n = 0;
    for (QMdiSubWindow* child : Area->subWindowList()) {
        QWidget* window = child->widget();
        const bool shown = child->isVisible() && window->isVisible();
        if (!shown && !Recallable.contains(window)) continue;
        ++n;
        QAction* item = WindowList->addAction(QString("&%1 %2").arg(n).arg(window->windowTitle().trimmed()));
        item->setObjectName(window->objectName() + "Item");
        item->setCheckable(true);
        item->setChecked(child == Area->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, child, window] {
            if (!window->isVisible()) Recall(window);
            Area->setActiveSubWindow(child);
        });
    }
}

}  // namespace quorvane
