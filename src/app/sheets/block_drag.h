#pragma once

#include <QImage>
#include <QString>

#include "model/catalogue.h"

class QMimeData;
class QWidget;

namespace quorvane {

/// Blocks travel between the toolbox and the sheets under a MIME type of our own; what is being
/// dragged (a new block's FunctionCode or a block being moved) is kept in the editing state.
inline const QString BlockMimeType = QStringLiteral("application/x-quorvane-block");

bool IsBlockDrag(const QMimeData* mime);

/// The picture of a FunctionCode at full block size on the sheet's background.
QImage BlockPicture(const Catalogue& catalogue, int functionCode, bool mathsSymbols);

/// Drags a block picture from `source`, the pointer `grabX`, `grabY` pixels into it. True when
/// something took the drop.
bool DragBlockPicture(QWidget* source, const QImage& picture, int grabX, int grabY);

}  // namespace quorvane
