#include "app/sheets/block_drag.h"

#include <QDrag>
#include <QWidget>
#include <QMimeData>
#include <QPixmap>

#include "app/controls/twips.h"
#include "drawing/block_pictures.h"
#include "model/editing_state.h"
#include "platform/canvas.h"
#include "render/qt_canvas.h"
#include "render/qt_colour.h"

namespace quorvane {

bool IsBlockDrag(const QMimeData* mime) { return mime != nullptr && mime->hasFormat(BlockMimeType); }

QImage BlockPicture(const Catalogue& catalogue, int functionCode, bool mathsSymbols) {
    const int size = TwipsToPixels(BlockPictureSize);
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    PainterCanvas canvas(picture, ToQColor(PaletteColour(SheetBackColour)));
    canvas.Clear();
    canvas.SetScale(0, 0, BlockPictureSize, BlockPictureSize);
    canvas.SetFontSize(SheetFontSize);
    DrawBlockPicture(canvas, catalogue, functionCode, 0, 0, mathsSymbols);
    canvas.End();
    return picture;
}

bool DragBlockPicture(QWidget* source, const QImage& picture, int grabX, int grabY) {
    auto* drag = new QDrag(source);
    auto* mime = new QMimeData;
    mime->setData(BlockMimeType, QByteArray());
    drag->setMimeData(mime);
    drag->setPixmap(QPixmap::fromImage(picture));
    drag->setHotSpot(QPoint(grabX, grabY));
    return drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction) != Qt::IgnoreAction;
}

}  // namespace quorvane
