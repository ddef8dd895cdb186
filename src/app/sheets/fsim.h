#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <array>
#include <optional>

#include "forms/diagram_sheet.h"
#include "forms/sheet_pointer.h"
#include "render/qt_canvas.h"

class QLabel;
class QKeyEvent;
class QPainter;
class QListWidget;

namespace quorvane {

struct EditingState;
struct Simulation;

/// A diagram sheet: the window of form slot 1, 2 or 3, where blocks are placed, wired, moved,
/// turned and deleted with the mouse and the keyboard. The keys drive a pointer of their own:
/// arrows move it (Ctrl: finely), Tab takes it from block to block, 1 to 3 onto an input of the
/// block under it, O onto its outputs in turn; Space clicks (Shift+Space adds to the selection),
/// Ctrl+Space presses and holds until Space, so that blocks, joints and selection boxes can be
/// dragged; Enter, Menu or Shift+F10 open what is under it as a right press does, T turns a
/// block. It shows a backing image that the sheet redraw, the connection being drawn and the
/// rubber bands draw on, so what is drawn stays between repaints; the blocks are pictures on it,
/// found by the model's hit tests.
class Fsim : public QWidget {
    Q_OBJECT
public:
    Fsim(int form, Simulation& sim, EditingState& editing, QWidget* parent = nullptr);

    int Form() const { return FormIndex; }

    /// Where the sheet stands in the main window, twips; block dialogs open relative to it.
    QPoint SheetPlace() const { return Place; }
    void SetSheetPlace(QPoint twips) { Place = twips; }
    /// Moved and sized to the place its form keeps (when the form keeps one).
    void PlaceFromModel();
    /// What frames the sheet: its sub-window in the main window, or the sheet itself.
    QWidget* Frame();

    /// The sheet drawn afresh from the model, with the selected connection marked.
    void Redraw();
    /// The selection marker shown at the selected block, or hidden.
    void ShowSelection();
    /// Parameter marker 0..9 shown just above a block / all hidden.
    void ShowMarker(int marker, int block);
    void HideMarkers();
    /// Selection and parameter markers hidden, as when the form's blocks are cleared.
    void ClearImages();
    /// The canvas drawing on the sheet's backing image, in twips.
    Canvas& SheetCanvas() { return Surface; }
    /// Where the last click on free area was, twips, unless forgotten since: pastes go there.
    std::optional<QPoint> PastePoint() const { return ClickedAt; }
    void ForgetPastePoint() { ClickedAt.reset(); }

signals:
    /// A right press on a block: the dialog to open and where.
    void BlockDialogRequested(const quorvane::BlockDialogRequest& request);
    /// A right press on free area: the form properties dialog for this sheet.
    void FormPropertiesRequested(int form);
    /// This sheet became the active one, after another had been.
    void SheetActivated(int form);
    /// The sheet was redrawn or its selection changed: what the Edit menu offers may differ.
    void EditingChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activate();
    /// The sheet's place follows its sub-window when the user moves it.
    void TrackPlace();
    /// The backing image grown to hold the window, its drawing kept.
    void FitImage(QSize size);
    void PressOnFreeArea(Qt::MouseButton button, QPoint twips);
    void PressOnBlockImage(Qt::MouseButton button, int block, QPoint twips);
    /// What a press, a move and a release at a sheet point (twips) do, from the mouse or the keys.
    void PressWith(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    void MoveWith(QPoint at, bool leftHeld, bool beyondDragDistance);
    void ReleaseWith(QPoint at);
    /// Tables edited while a press was held (a block deleted, an undo) may have moved what it
    /// holds: then it is let go of, doing nothing, and true is returned.
    bool LetGoIfEdited();
    /// A double click: the block at `at` turned; false on free area.
    bool TurnBlockAt(QPoint at);
    /// The keys that move the keyboard's pointer and press, click and release with it; false for
    /// any other key.
    bool PointerKey(QKeyEvent* event);
    /// The pointer put at `p`: a block pressed with the keys is carried along, anything else
    /// follows it as it follows the mouse; what lies under it is told to readers.
    void PointTo(SheetPointer p);
    /// The pointer on the next (or previous) block with Tab; false past the last one.
    bool PointerToNextBlock(bool backwards);
    /// Ends a press held with the keys: released where the pointer is, a carried block dropped
    /// there, or with `drop` false put back where it was.
    void EndKeyPress(bool drop);
    QPoint PointerPoint() const { return {Pointer.X, Pointer.Y}; }
    /// The pointer, and the place a carried block will take, over the sheet's picture.
    void PaintPointer(QPainter& painter);
    void DragPressedBlock();
    /// The sheet redraw was asked for while a handler ran, or the picture changed: show it.
    void Refresh();

    const int FormIndex;
    Simulation& Sim;
    EditingState& Editing;
    QPoint Place;
    QImage Backing;
    PainterCanvas Surface;
    QLabel* Image2 = nullptr;
    std::array<QLabel*, 10> Image3{};
    QListWidget* List1 = nullptr;

    /// The last press: where (twips), the block pressed for a drag (0 on free area or none),
    /// the pixel position it started at, and whether it was on free area with the left button.
    QPoint PressAt;
    int PressedBlock = 0;
    QPoint PressPixels;
    bool PressedFree = false;
    long long PressState = 0;   ///< the state of the tables the last press left
    std::optional<QPoint> ClickedAt;

    /// The keyboard's pointer; shown once a key has moved it. A press held with the keys, and
    /// whether it carries a block.
    SheetPointer Pointer;
    bool PointerShown = false;
    bool KeyHeld = false;
    bool Carrying = false;
};

}  // namespace quorvane
