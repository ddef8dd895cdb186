#include "app/sheets/form1.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <utility>
#include <vector>

#include "app/controls/twips.h"
#include "app/sheets/block_drag.h"
#include "editing/block_edit.h"
#include "engine/simulation.h"
#include "forms/diagram_sheet.h"

namespace quorvane {

namespace {

constexpr int ScrollLeft = 150;
constexpr int ScrollTop = 60;
constexpr int ScrollWidth = 1500;
constexpr int ScrollHeight = 240;
constexpr int LabelTop = 330;
constexpr int LabelHeight = 240;

QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, int left, int width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(TwipsRect(left, LabelTop, width, LabelHeight));
    return label;
}

}  // namespace

Form1::Form1(Simulation& sim, EditingState& editing, QWidget* parent)
    : QWidget(parent), Sim(sim), Editing(editing), Pages(BuildToolboxPages(StandardToolboxDesign())) {
    setObjectName("Form1");
    setWindowTitle("  Simulation Toolbox");
    setAccessibleName(windowTitle().trimmed());
    resize(TwipsToPixels(ToolboxWidth), TwipsToPixels(ToolboxHeight));
    setAcceptDrops(true);

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setAccessibleName("Page");
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar takes its arrow keys the other way round; the right arrow turns to page 2.
    HScroll1->setInvertedControls(false);
    HScroll1->setRange(1, ToolboxPageCount);
    HScroll1->setPageStep(1);
    HScroll1->setGeometry(TwipsRect(ScrollLeft, ScrollTop, ScrollWidth, ScrollHeight));
    Caption(this, "Label1", "Page", ScrollLeft, 480);
    Label2 = Caption(this, "Label2", "1", ScrollLeft + 540, 150);
    Caption(this, "Label3", " of 2", ScrollLeft + 690, 500);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);

    const ToolboxDesign& design = StandardToolboxDesign();
    for (int p = 1; p <= ToolboxPageCount; ++p) {
        const ToolboxRect& frame = design.Frames[static_cast<std::size_t>(p)];
        auto* shape = new QFrame(this);
        shape->setObjectName("Shape1");
        shape->setProperty("Index", p - 1);
        shape->setFrameShape(QFrame::Box);
        shape->setFrameShadow(QFrame::Sunken);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        shape->setGeometry(TwipsRect(0, frame.Top, frame.Width, frame.Height));
        Shape1[static_cast<std::size_t>(p)] = shape;
    }
    for (int code = 0; code < ToolboxImageCount; ++code) {
        auto* image = new QLabel(this);
        image->setObjectName("Image1");
        image->setProperty("Index", code);
        const ToolboxRect& place = design.Images[static_cast<std::size_t>(code)];
        image->setGeometry(TwipsRect(place.Left, place.Top, place.Width, place.Height));
        image->installEventFilter(this);
        image->setFocusPolicy(Qt::TabFocus);
        image->setAccessibleDescription("Enter places the block on the current sheet");
        image->hide();
        image->setEnabled(false);
        Images[static_cast<std::size_t>(code)] = image;
    }
    // Both pages take the first page's area.
    for (int p = 1; p <= ToolboxPageCount; ++p) {
        for (const ToolboxImagePlace& place : Pages[static_cast<std::size_t>(p)]) {
            Image1(place.Code)->move(TwipsToPixels(place.Left), TwipsToPixels(place.Top));
        }
        HidePage(p);
    }
    // The keyboard visits the scroll bar, then the images row by row as they stand.
    QWidget* previous = HScroll1;
    for (int p = 1; p <= ToolboxPageCount; ++p) {
        std::vector<ToolboxImagePlace> order = Pages[static_cast<std::size_t>(p)];
        std::ranges::sort(order, {}, [](const ToolboxImagePlace& place) { return std::pair(place.Top, place.Left); });
        for (const ToolboxImagePlace& place : order) {
            setTabOrder(previous, Image1(place.Code));
            previous = Image1(place.Code);
        }
    }
    RefreshImages();
    ShowPage(1);
}

void Form1::RefreshImages() {
    for (int code = 0; code < ToolboxImageCount; ++code) {
        const QImage picture = BlockPicture(Sim.Functions, code, Sim.Run.MathsSymbols);
        const QSize size(TwipsToPixels(ToolboxImageSize), TwipsToPixels(ToolboxImageSize));
        QLabel* image = Image1(code);
        image->setPixmap(QPixmap::fromImage(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        const QString formula = QString::fromStdString(Sim.Functions[code].Formula);
        image->setToolTip(formula);
        image->setAccessibleName(formula);
    }
}

void Form1::ShowPage(int page) {
    if (page < 1 || page > ToolboxPageCount) return;
    Shape1[static_cast<std::size_t>(page)]->show();
    for (const ToolboxImagePlace& place : Pages[static_cast<std::size_t>(page)]) {
        Image1(place.Code)->setEnabled(true);
        Image1(place.Code)->show();
    }
    Page = page;
}

void Form1::HidePage(int page) {
    if (page < 1 || page > ToolboxPageCount) return;
    Shape1[static_cast<std::size_t>(page)]->hide();
    for (const ToolboxImagePlace& place : Pages[static_cast<std::size_t>(page)]) {
        Image1(place.Code)->hide();
        Image1(place.Code)->setEnabled(false);
    }
}

void Form1::HScroll1_Change(int value) {
    Label2->setText(QString::number(value));
    HidePage(Page);
    ShowPage(value);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QVariant index = watched->property("Index");
    if (watched->objectName() == "Image1" && index.isValid()) return ImageEvent(index.toInt(), event);
    return QWidget::eventFilter(watched, event);
}

bool Form1::ImageEvent(int code, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        const QPoint at = mouse->position().toPoint();
        BeginNewBlockDrag(Editing, code, GrabOnBlock(PixelsToTwips(at.x())), GrabOnBlock(PixelsToTwips(at.y())));
        PressPixels = at;
        PressedCode = code;
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (PressedCode != code || !(mouse->buttons() & Qt::LeftButton) ||
            (mouse->position().toPoint() - PressPixels).manhattanLength() < QApplication::startDragDistance()) {
            return false;
        }
        PressedCode = -1;
        const QImage picture = BlockPicture(Sim.Functions, code, Sim.Run.MathsSymbols);
        // Dropped nowhere, or back on the toolbox: no block is placed.
        if (!DragBlockPicture(this, picture, TwipsToPixels(Editing.GrabX), TwipsToPixels(Editing.GrabY))) AbandonDrag(Editing);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // A frame shows which image Enter takes.
        Image1(code)->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
        return false;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) return false;
        // Without a pointer the block goes where the current sheet has room.
        PlaceOnFreeArea(Sim, Editing, code);
        return true;
    }
    case QEvent::MouseButtonRelease:
        // Released without dragging: the drag ends here.
        if (PressedCode == code) AbandonDrag(Editing);
        PressedCode = -1;
        return true;
    default:
        return false;
    }
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (IsBlockDrag(event->mimeData())) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    if (!IsBlockDrag(event->mimeData())) return;
    AbandonDrag(Editing);
    event->acceptProposedAction();
}

}  // namespace quorvane
