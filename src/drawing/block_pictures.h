#pragma once

#include "model/catalogue.h"

namespace quorvane {

class Canvas;

/// A block's picture covers this square from the block's top-left corner, twips.
inline constexpr int BlockPictureSize = 720;
/// The sheet's type size, which a picture puts back after writing its symbol.
inline constexpr double SheetFontSize = 8.25;

/// Draws the picture of a FunctionCode with its top-left corner at (left, top), on a canvas
/// scaled in twips: a box with the function's symbol, short formula or curve, and a stub
/// reaching out to every terminal where the catalogue places it (inputs with an arrowhead).
/// With `mathsSymbols` the integrator and differentiator (8, 9, 14, 15) show the calculus
/// signs instead of their transfer functions.
void DrawBlockPicture(Canvas& canvas, const Catalogue& catalogue, int functionCode, double left, double top,
                      bool mathsSymbols);

}  // namespace quorvane
