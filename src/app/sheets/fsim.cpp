#include "app/sheets/fsim.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QToolTip>

#include <algorithm>

#include "app/controls/twips.h"
#include "app/sheets/block_drag.h"
#include "drawing/block_pictures.h"
#include "drawing/sheet_redraw.h"
#include "editing/block_edit.h"
#include "editing/block_selection.h"
#include "editing/connection_edit.h"
#include "engine/simulation.h"
#include "forms/edit_commands.h"
#include "forms/form_manager.h"
#include "render/qt_colour.h"

namespace quorvane {

namespace {

/// A parameter marker stands this far above its block, twips.
constexpr int MarkerRise = 100;
constexpr int MarkerPixels = 12;

/// The sheet point under a pointer position, twips.
QPoint TwipsAt(QPointF pixels) {
    const QPoint pixel = pixels.toPoint();
    return {PixelsToTwips(pixel.x()), PixelsToTwips(pixel.y())};
}

QColor SheetBack() { return ToQColor(PaletteColour(SheetBackColour)); }

/// The selection marker: a dashed frame round a block picture with a handle at each corner, in
/// dark grey so that it is not taken for a selected connection's marks.
QPixmap SelectionPicture() {
    const int size = TwipsToPixels(BlockPictureSize);
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QColor colour = ToQColor(PaletteColour(Palette::DarkGrey));
    painter.setPen(QPen(colour, 1, Qt::DashLine));
    painter.drawRect(0, 0, size - 1, size - 1);
    constexpr int Handle = 5;
    for (QPoint corner : {QPoint(0, 0), QPoint(size - Handle, 0), QPoint(0, size - Handle),
                          QPoint(size - Handle, size - Handle)}) {
        painter.fillRect(QRect(corner, QSize(Handle, Handle)), colour);
    }
    return picture;
}

/// A parameter marker: a small red disc with a white bar, as a warning sign.
QPixmap MarkerPicture() {
    QPixmap picture(MarkerPixels, MarkerPixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 0, 0));
    painter.drawEllipse(0, 0, MarkerPixels, MarkerPixels);
    painter.fillRect(QRect(MarkerPixels / 2 - 1, 2, 2, 5), Qt::white);
    painter.fillRect(QRect(MarkerPixels / 2 - 1, 8, 2, 2), Qt::white);
    return picture;
}

}  // namespace

Fsim::Fsim(int form, Simulation& sim, EditingState& editing, QWidget* parent)
    : QWidget(parent), FormIndex(form), Sim(sim), Editing(editing) {
    const SheetLayout& layout = LayoutOfSheet(form);
    setObjectName(QStringLiteral("Fsim%1").arg(form));
    setWindowTitle(QString::fromStdString(layout.Caption));
    setAccessibleName(windowTitle());
    Place = QPoint(layout.Left, layout.Top);
    resize(TwipsToPixels(layout.Width), TwipsToPixels(layout.Height));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setAccessibleName("Selected block");
    Image2->setPixmap(SelectionPicture());
    Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image2->adjustSize();
    Image2->hide();
    Image2->setEnabled(false);
    const QPixmap marker = MarkerPicture();
    for (std::size_t i = 0; i < Image3.size(); ++i) {
        auto* image = new QLabel(this);
        image->setObjectName("Image3");
        image->setProperty("Index", static_cast<int>(i));
        image->setToolTip("Time Constant Not Set");
        image->setAccessibleName(image->toolTip());
        image->setPixmap(marker);
        image->adjustSize();
        image->hide();
        image->setEnabled(false);
        Image3[i] = image;
    }
    // Kept hidden and disabled: blocks are reached on the sheet itself.
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->hide();
    List1->setEnabled(false);

    FitImage(size());
    Redraw();
}

QWidget* Fsim::Frame() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub != nullptr ? static_cast<QWidget*>(sub) : this;
}

void Fsim::PlaceFromModel() {
    const WindowPlace& place = Sim.Forms[FormIndex].Window;
    if (!place.Left || !place.Top || !place.Width || !place.Height) return;
    Place = QPoint(static_cast<int>(*place.Left), static_cast<int>(*place.Top));
    Frame()->setGeometry(TwipsToPixels(Place.x()), TwipsToPixels(Place.y()), TwipsToPixels(*place.Width),
                         TwipsToPixels(*place.Height));
}

void Fsim::Redraw() {
    RedrawSheet(Sim, FormIndex, Surface);
    DrawConnectionSelection(Sim, Editing, FormIndex, Surface);
    DrawPendingConnection(Sim, Editing, FormIndex, Surface);
    Refresh();
}

void Fsim::Refresh() {
    ShowSelection();
    update();
    emit EditingChanged();
}

void Fsim::ShowSelection() {
    const int block = Editing.SelectedBlock;
    const SimulationForm& sheet = Sim.Forms[FormIndex];
    if (block < 1 || block > sheet.BlockCount || Editing.SelectedBlockForm != FormIndex) {
        Image2->hide();
        Image2->setEnabled(false);
        return;
    }
    Image2->move(TwipsToPixels(sheet.Blocks[block].Left), TwipsToPixels(sheet.Blocks[block].Top));
    Image2->setEnabled(true);
    Image2->show();
    Image2->raise();
}

void Fsim::ShowMarker(int marker, int block) {
    if (marker < 0 || marker >= static_cast<int>(Image3.size())) return;
    const Block& b = Sim.Forms[FormIndex].Blocks[block];
    QLabel* image = Image3[static_cast<std::size_t>(marker)];
    image->move(TwipsToPixels(b.Left), TwipsToPixels(b.Top - MarkerRise));
    image->setEnabled(true);
    image->show();
    image->raise();
}

void Fsim::HideMarkers() {
    for (QLabel* image : Image3) {
        image->hide();
        image->setEnabled(false);
    }
}

void Fsim::ClearImages() {
    HideMarkers();
    Image2->hide();
    Image2->setEnabled(false);
}

void Fsim::FitImage(QSize size) {
    if (!Backing.isNull() && Backing.width() >= size.width() && Backing.height() >= size.height()) return;
    // The image only grows, and keeps what was drawn, so a connection being drawn survives a
    // resize of the window.
    QImage grown(std::max(size.width(), Backing.width()), std::max(size.height(), Backing.height()),
                 QImage::Format_RGB32);
    grown.fill(SheetBack());
    Surface.End();
    if (!Backing.isNull()) {
        QPainter copy(&grown);
        copy.drawImage(0, 0, Backing);
    }
    Backing.swap(grown);
    Surface.Begin(Backing, SheetBack());
    Surface.SetScale(0, 0, PixelsToTwips(Backing.width()), PixelsToTwips(Backing.height()));
}

void Fsim::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), Backing, event->rect());
    // The other blocks of a selection of several carry the selection frame too.
    const SimulationForm& sheet = Sim.Forms[FormIndex];
    for (int b : SelectedBlocks(Editing, FormIndex)) {
        if (b == Editing.SelectedBlock || b > sheet.BlockCount) continue;
        painter.drawPixmap(TwipsToPixels(sheet.Blocks[b].Left), TwipsToPixels(sheet.Blocks[b].Top), Image2->pixmap());
    }
    PaintPointer(painter);
}

void Fsim::resizeEvent(QResizeEvent* event) {
    FitImage(event->size());
    QWidget::resizeEvent(event);
}

void Fsim::Activate() {
    if (Sim.CurrentForm == FormIndex) return;
    Sim.CurrentForm = FormIndex;
    emit SheetActivated(FormIndex);
}

void Fsim::mousePressEvent(QMouseEvent* event) {
    // The mouse takes over from a press held with the keys; a block they carried stays put.
    if (Carrying) AbandonDrag(Editing);
    KeyHeld = false;
    Carrying = false;
    PressPixels = event->position().toPoint();
    const QPoint at = TwipsAt(event->position());
    // The keyboard's pointer goes where the mouse pressed, so either may go on from there.
    Pointer = {at.x(), at.y()};
    PressWith(event->button(), event->modifiers(), at);
}

void Fsim::PressWith(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    Activate();
    setFocus(Qt::MouseFocusReason);
    PressAt = at;
    PressedBlock = 0;
    PressedFree = false;
    const int block = BlockAt(Sim, FormIndex, at.x(), at.y());
    if (block != 0 && button == Qt::LeftButton && (modifiers & Qt::ShiftModifier)) {
        // Shift+press picks blocks for the selection one at a time and starts no drag.
        ToggleSelected(Editing, FormIndex, block);
    } else if (block != 0) {
        const BlockGroup before = Editing.Group;
        PressOnBlockImage(button, block, at);
        KeepGroupForDrag(Editing, before);
    } else {
        PressOnFreeArea(button, at);
    }
    PressState = Sim.History.CurrentState();
    Refresh();
}

void Fsim::PressOnBlockImage(Qt::MouseButton button, int block, QPoint twips) {
    const Block& b = Sim.Forms[FormIndex].Blocks[block];
    if (button == Qt::LeftButton) {
        PressOnBlock(Sim, Editing, FormIndex, block, twips.x() - b.Left, twips.y() - b.Top, Surface);
        if (Editing.Moving && Editing.MovingForm == FormIndex && Editing.MovingBlock == block) PressedBlock = block;
    } else if (button == Qt::RightButton) {
        if (Editing.SelectedConnection != 0) ClearConnectionSelection(Sim, Editing, Editing.SelectedConnectionForm);
        SelectBlock(Editing, FormIndex, block);
        Refresh();
        emit BlockDialogRequested(BlockDialogFor(Sim, FormIndex, block, Place.x(), Place.y()));
    }
}

void Fsim::PressOnFreeArea(Qt::MouseButton button, QPoint twips) {
    if (button == Qt::LeftButton) {
        PressOnSheet(Sim, Editing, FormIndex, twips.x(), twips.y(), Surface);
        PressedFree = true;
        // A drag that neither draws, reshapes nor picks a connection draws a selection box.
        if (Sim.PendingLineCount == 0 && Editing.Joint.Now == JointDrag::None && Editing.SelectedConnection == 0) {
            SelectionBoxStart(Editing, FormIndex, twips.x(), twips.y());
        }
    } else if (button == Qt::RightButton) {
        emit FormPropertiesRequested(FormIndex);
    }
}

void Fsim::mouseMoveEvent(QMouseEvent* event) {
    const bool leftHeld = (event->buttons() & Qt::LeftButton) != 0;
    const bool far =
        (event->position().toPoint() - PressPixels).manhattanLength() >= QApplication::startDragDistance();
    if (PressedBlock != 0 && leftHeld && far) {
        DragPressedBlock();
        return;
    }
    MoveWith(TwipsAt(event->position()), leftHeld, far);
}

void Fsim::MoveWith(QPoint at, bool leftHeld, bool beyondDragDistance) {
    const SelectionBox& box = Editing.Box;
    if (PressedFree && box.Now != SelectionBox::None && box.Form == FormIndex && leftHeld) {
        if (box.Now == SelectionBox::Drawn || beyondDragDistance) {
            SelectionBoxMove(Editing, Surface, at.x(), at.y());
            update();
        }
        return;
    }
    if (Sim.CurrentForm != FormIndex) return;
    MoveOnSheet(Sim, Editing, FormIndex, at.x(), at.y(), Surface);
    if (Editing.Joint.Now != JointDrag::None || Sim.PendingLineCount != 0) update();
}

void Fsim::DragPressedBlock() {
    const int block = PressedBlock;
    PressedBlock = 0;
    const QImage picture = BlockPicture(Sim.Functions, Sim.Forms[FormIndex].Blocks[block].FunctionCode,
                                        Sim.Run.MathsSymbols);
    // Dropped outside every sheet, the block stays where it was.
    if (!DragBlockPicture(this, picture, TwipsToPixels(Editing.GrabX), TwipsToPixels(Editing.GrabY))) AbandonDrag(Editing);
    Refresh();
}

void Fsim::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ReleaseWith(TwipsAt(event->position()));
}

bool Fsim::LetGoIfEdited() {
    if (Sim.History.CurrentState() == PressState) return false;
    if (Editing.Moving) AbandonDrag(Editing);
    Carrying = false;
    PressedBlock = 0;
    PressedFree = false;
    Editing.Box = SelectionBox{};
    Editing.Joint = JointDrag{};
    Redraw();
    return true;
}

void Fsim::ReleaseWith(QPoint at) {
    if (LetGoIfEdited()) return;
    if (PressedBlock != 0) {
        // A click on a block that did not move is its drop on itself, where it was grabbed.
        const int block = PressedBlock;
        PressedBlock = 0;
        DropOnBlock(Sim, Editing, FormIndex, block, Editing.GrabX, Editing.GrabY);
    } else if (PressedFree) {
        PressedFree = false;
        // A joint dragged is no click: the connection it reshaped stays selected.
        if (Editing.Joint.Now != JointDrag::None) {
            JointDragEnd(Sim, Editing, FormIndex, Surface);
        } else if (Editing.Box.Now == SelectionBox::Drawn) {
            SelectionBoxEnd(Sim, Editing, Surface);
        } else {
            Editing.Box = SelectionBox{};
            ClickedAt = PressAt;
            ClickOnSheet(Sim, Editing, FormIndex, PressAt.x(), PressAt.y(), Surface);
        }
    } else if (BlockAt(Sim, FormIndex, at.x(), at.y()) != 0) {
        ReleaseOnBlock(Sim, Editing, FormIndex);
    }
    Refresh();
}

void Fsim::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint at = TwipsAt(event->position());
    if (event->button() == Qt::LeftButton && TurnBlockAt(at)) return;
    // A quick second press on free area is a press like any other: no bend point is lost.
    mousePressEvent(event);
}

bool Fsim::TurnBlockAt(QPoint at) {
    const int block = BlockAt(Sim, FormIndex, at.x(), at.y());
    if (block == 0) return false;
    TurnBlock(Sim, FormIndex, block);
    Refresh();
    return true;
}

void Fsim::keyPressEvent(QKeyEvent* event) {
    if (PointerKey(event)) return;
    switch (event->key()) {
    case Qt::Key_Escape:
        EndKeyPress(false);
        CancelConnection(Sim, Editing, FormIndex, Surface);
        break;
    case Qt::Key_Delete:
        DeleteSelection(Sim, Editing, FormIndex);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    Refresh();
}

void Fsim::focusInEvent(QFocusEvent* event) {
    Activate();
    QWidget::focusInEvent(event);
}

void Fsim::focusOutEvent(QFocusEvent* event) {
    // A message box or another program taking the focus leaves the editing as it was; only
    // moving to another window of the program does.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        EndKeyPress(false);
        SheetLostFocus(Sim, Editing, FormIndex);
        Refresh();
    }
    QWidget::focusOutEvent(event);
}

void Fsim::dragEnterEvent(QDragEnterEvent* event) {
    if (IsBlockDrag(event->mimeData())) event->acceptProposedAction();
}

void Fsim::dragMoveEvent(QDragMoveEvent* event) {
    if (IsBlockDrag(event->mimeData())) event->acceptProposedAction();
}

void Fsim::dropEvent(QDropEvent* event) {
    if (!IsBlockDrag(event->mimeData())) return;
    const QPoint at = TwipsAt(event->position());
    DropGroupOnSheet(Sim, Editing, FormIndex, at.x(), at.y());
    event->acceptProposedAction();
    Refresh();
}

void Fsim::closeEvent(QCloseEvent* event) {
    // The window is kept for its slot's next use: closing it frees the slot, which hides it,
    // once a sheet holding blocks is given up.
    event->ignore();
    UnloadForm(Sim, FormIndex);
}

void Fsim::TrackPlace() {
    const QPoint at = Frame()->pos();
    // Twips are finer than pixels: a place still shown at the same pixel keeps its twips.
    if (TwipsToPixels(Place.x()) != at.x()) Place.setX(PixelsToTwips(at.x()));
    if (TwipsToPixels(Place.y()) != at.y()) Place.setY(PixelsToTwips(at.y()));
}

bool Fsim::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Move) TrackPlace();
    return QWidget::eventFilter(watched, event);
}

bool Fsim::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Tab goes from block to block, and on past the last to the next control.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            PointerToNextBlock(key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier))) {
            return true;
        }
    }
    // In the main window the sheet's place is its sub-window's.
    if (event->type() == QEvent::ParentChange && qobject_cast<QMdiSubWindow*>(parentWidget()) != nullptr) {
        parentWidget()->installEventFilter(this);
    }
    if (event->type() == QEvent::ToolTip) {
        // A block's tool tip is the formula its toolbox image shows.
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint at = TwipsAt(help->pos());
        const int block = BlockAt(Sim, FormIndex, at.x(), at.y());
        if (block == 0) {
            QToolTip::hideText();
        } else {
            const int code = Sim.Forms[FormIndex].Blocks[block].FunctionCode;
            QToolTip::showText(help->globalPos(), QString::fromStdString(Sim.Functions[code].Formula), this);
        }
        return true;
    }
    return QWidget::event(event);
}

}  // namespace quorvane
