#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/editing/fmanage.h"
#include "app/editing/form7.h"
#include "app/editing/form8.h"
#include "app/editing/form9.h"
#include "app/editing/formprop.h"
#include "app/shell/mdigen.h"

namespace quorvane {

namespace {

// The form manager's place, twips.
constexpr int FormManagerLeft = 50;
constexpr int FormManagerTop = 1000;
constexpr int FormManagerSize = 7000;

}  // namespace

void MDIGen::CreateEditWindows() {
    FormManagerForm = new Fmanage(*Sim);
    AddChild(FormManagerForm, FormManagerLeft, FormManagerTop, FormManagerSize, FormManagerSize)->hide();
    // The dialogs are modeless and stay above the main window.
    FormPropertiesForm = new FormProp(*Sim, this);
    BlockForm = new Form8(*Sim, this);
    InputTerminalForm = new Form7(*Sim, this);
    OutputTerminalForm = new Form9(*Sim, this);
    connect(FormPropertiesForm, &FormProp::HelpRequested, this, &MDIGen::OpenManual);
    connect(BlockForm, &Form8::HelpRequested, this, &MDIGen::OpenManual);
    connect(InputTerminalForm, &Form7::HelpRequested, this, &MDIGen::OpenManual);
    connect(OutputTerminalForm, &Form9::HelpRequested, this, &MDIGen::OpenManual);
}

void MDIGen::msforms_Click() {
    auto* child = static_cast<QMdiSubWindow*>(FormManagerForm->parentWidget());
    FormManagerForm->show();
    child->show();
    Area->setActiveSubWindow(child);
    FormManagerForm->StatUpDate();
}

}  // namespace quorvane
