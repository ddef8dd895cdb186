#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "app/sheets/fsim.h"
#include "app/shell/mdigen.h"
#include "editing/block_selection.h"
#include "engine/simulation.h"
#include "forms/edit_commands.h"
#include "storage/clipboard_text.h"

namespace quorvane {

namespace {

const QString BlocksMime = QString::fromLatin1(BlocksMimeType.data(), static_cast<qsizetype>(BlocksMimeType.size()));

std::optional<std::string> ClipboardBlocks() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr || !mime->hasFormat(BlocksMime)) return std::nullopt;
    return mime->data(BlocksMime).toStdString();
}

}  // namespace

void MDIGen::BuildEditMenu() {
    QMenu* edit = AddMenu("Medit", "&Edit");
    auto item = [&](const char* name, const QString& caption, void (MDIGen::*handler)(), QList<QKeySequence> keys) {
        QAction* action = AddItem(edit, name, caption, handler);
        action->setShortcuts(keys);
        return action;
    };
    item("MUndo", "&Undo", &MDIGen::MUndo_Click, {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    item("MRedo", "&Redo", &MDIGen::MRedo_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    item("MCut", "Cu&t", &MDIGen::MCut_Click, {QKeySequence(Qt::CTRL | Qt::Key_X)});
    item("MCopy", "&Copy", &MDIGen::MCopy_Click, {QKeySequence(Qt::CTRL | Qt::Key_C)});
    item("MPaste", "&Paste", &MDIGen::MPaste_Click, {QKeySequence(Qt::CTRL | Qt::Key_V)});
    item("MDuplicate", "&Duplicate", &MDIGen::MDuplicate_Click, {QKeySequence(Qt::CTRL | Qt::Key_D)});
    edit->addSeparator();
    item("MSelectAll", "Select &All", &MDIGen::MSelectAll_Click, {QKeySequence(Qt::CTRL | Qt::Key_A)});
    connect(edit, &QMenu::aboutToShow, this, &MDIGen::UpdateEditMenu);
    // Whatever another program puts on the clipboard starts the paste places afresh.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        PasteRepeat = 0;
        UpdateEditMenu();
    });
    for (int form = 1; form <= FormSlots; ++form) connect(&Sheet(form), &Fsim::EditingChanged, this, &MDIGen::UpdateEditMenu);
    UpdateEditMenu();
}

void MDIGen::UpdateEditMenu() {
    const EditMenuItems items = EditMenuState(*Sim, Editing, ClipboardBlocks().has_value());
    auto enable = [this](const char* name, bool on) { findChild<QAction*>(name)->setEnabled(on); };
    enable("MUndo", items.Undo);
    enable("MRedo", items.Redo);
    enable("MCut", items.Cut);
    enable("MCopy", items.Copy);
    enable("MPaste", items.Paste);
    enable("MDuplicate", items.Duplicate);
    enable("MSelectAll", items.SelectAll);
}

void MDIGen::EditDone(int form) {
    if (form >= 1 && form <= FormSlots) Sheet(form).Redraw();
    UpdateEditMenu();
}

void MDIGen::MUndo_Click() {
    UndoEdit(*Sim, Editing);
    UpdateEditMenu();
}

void MDIGen::MRedo_Click() {
    RedoEdit(*Sim, Editing);
    UpdateEditMenu();
}

void MDIGen::PutOnClipboard(const std::string& text) {
    auto* mime = new QMimeData;
    mime->setData(BlocksMime, QByteArray::fromStdString(text));
    QGuiApplication::clipboard()->setMimeData(mime);
    for (int form = 1; form <= FormSlots; ++form) Sheet(form).ForgetPastePoint();
    PasteRepeat = 0;
    LastPastePoint.reset();
}

void MDIGen::MCut_Click() {
    const int form = SheetToEdit(*Sim);
    if (const std::optional<std::string> text = CutSelection(*Sim, Editing, form)) PutOnClipboard(*text);
    EditDone(form);
}

void MDIGen::MCopy_Click() {
    const int form = SheetToEdit(*Sim);
    if (const std::optional<std::string> text = CopySelection(*Sim, Editing, form)) PutOnClipboard(*text);
    EditDone(form);
}

void MDIGen::MPaste_Click() {
    const int form = SheetToEdit(*Sim);
    const std::optional<std::string> text = ClipboardBlocks();
    if (form == 0 || !text) return;
    const std::optional<QPoint> point = Sheet(form).PastePoint();
    if (point != LastPastePoint) PasteRepeat = 0;
    LastPastePoint = point;
    PastePlace place;
    if (point) {
        place.AtPoint = true;
        place.X = point->x();
        place.Y = point->y();
    }
    place.Repeat = ++PasteRepeat;
    PasteText(*Sim, Editing, form, *text, place);
    EditDone(form);
}

void MDIGen::MDuplicate_Click() {
    const int form = SheetToEdit(*Sim);
    DuplicateSelection(*Sim, Editing, form);
    EditDone(form);
}

void MDIGen::MSelectAll_Click() {
    const int form = SheetToEdit(*Sim);
    if (form == 0) return;
    SelectAllBlocks(*Sim, Editing, form);
    EditDone(form);
}

}  // namespace quorvane
