#pragma once

#include <QColor>

#include "platform/canvas.h"

namespace quorvane {

/// A palette or RGB colour as Qt takes it.
inline QColor ToQColor(Colour colour) { return QColor(colour.Red, colour.Green, colour.Blue); }

}  // namespace quorvane
