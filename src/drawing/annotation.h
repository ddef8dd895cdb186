#pragma once

#include <string>

#include "platform/canvas.h"

namespace quorvane {

struct Simulation;

/// Annotation text: line height and the colours of the normal text, the block's anchor point
/// and the label blocks' titles.
inline constexpr int AnnotationLineHeight = 175;
inline constexpr Palette AnnotationTextColour = Palette::Blue;
inline constexpr Palette AnnotationPointColour = Palette::Green;
inline constexpr Palette LabelTitleColour = Palette::LightBlue;

/// x as text with as many decimals as its magnitude leaves room for ("0.25", "12.3", "1235",
/// "2.5e+6"); 0 gives "0.0".
std::string FormatValue(double x);

/// Writes every block's annotation onto the sheet of `form` (twips): with AnnotateBlocks its
/// title and main parameters above it (and, as the options ask, its initial condition and
/// limits), with AnnotateNumbers its number below it, with ShowOutputs its output value beside
/// its output terminal.
void AnnotateSheet(const Simulation& sim, int form, Canvas& canvas);

}  // namespace quorvane
