#include "app/sheets/sheet_desktop.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/sheets/form1.h"
#include "app/sheets/fsim.h"

namespace quorvane {

void SheetDesktop::Attach(Fsim& sheet) { Sheets[static_cast<std::size_t>(sheet.Form())] = &sheet; }

Fsim* SheetDesktop::Sheet(int form) const {
    return form >= 1 && form <= 3 ? Sheets[static_cast<std::size_t>(form)] : nullptr;
}

void SheetDesktop::ShowSheet(int form, const std::string& caption) {
    Fsim* sheet = Sheet(form);
    if (sheet == nullptr) return;
    sheet->setWindowTitle(QString::fromStdString(caption));
    sheet->setAccessibleName(sheet->windowTitle());
    sheet->Redraw();
    sheet->show();
    sheet->Frame()->show();
}

void SheetDesktop::CloseSheet(int form) {
    if (Fsim* sheet = Sheet(form)) sheet->Frame()->hide();
}

void SheetDesktop::ClearSheetImages(int form) {
    if (Fsim* sheet = Sheet(form)) sheet->ClearImages();
}

// A sheet paints every block's picture from the model whenever it redraws, so there is no image
// of its own to place, renumber or hide.
void SheetDesktop::PlaceBlockImage(int, int) {}
void SheetDesktop::MoveBlockImage(int, int, int) {}
void SheetDesktop::HideBlockImage(int, int) {}

void SheetDesktop::ShowMarker(int form, int marker, int block) {
    if (Fsim* sheet = Sheet(form)) sheet->ShowMarker(marker, block);
}

void SheetDesktop::HideMarkers(int form) {
    if (Fsim* sheet = Sheet(form)) sheet->HideMarkers();
}

Canvas* SheetDesktop::SheetCanvas(int form) {
    Fsim* sheet = Sheet(form);
    return sheet != nullptr ? &sheet->SheetCanvas() : nullptr;
}

void SheetDesktop::RequestRedraw(int form) {
    if (Fsim* sheet = Sheet(form)) sheet->Redraw();
}

void SheetDesktop::RefreshOptions() {
    if (Toolbox != nullptr) Toolbox->RefreshImages();
    // The calculus pictures on the sheets follow the toolbox's.
    for (int form = 1; form <= 3; ++form) RequestRedraw(form);
}

void SheetDesktop::PlaceSheet(int form) {
    if (Fsim* sheet = Sheet(form)) sheet->PlaceFromModel();
}

void SheetDesktop::ActivateSheet(int form) {
    Fsim* sheet = Sheet(form);
    if (sheet == nullptr) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(sheet->parentWidget())) sub->mdiArea()->setActiveSubWindow(sub);
    sheet->setFocus(Qt::OtherFocusReason);
}

}  // namespace quorvane
