#pragma once

#include <string>

namespace quorvane {

class Canvas;
struct Simulation;

/// Annotation text: line height and the colours of the normal text, the block's anchor point
/// and the label blocks' titles (palette numbers).
inline constexpr int AnnotationLineHeight = 175;
inline constexpr int AnnotationTextColour = 1;
inline constexpr int AnnotationPointColour = 2;
inline constexpr int LabelTitleColour = 9;

/// x as text with as many decimals as its magnitude leaves room for ("0.25", "12.3", "1235",
/// "2.5e+6"); 0 gives "0.0".
std::string FormatValue(double x);

/// Writes every block's annotation onto the sheet of `form` (twips): with AnnotateBlocks its
/// title and main parameters above it (and, as the options ask, its initial condition and
/// limits), with AnnotateNumbers its number below it, with ShowOutputs its output value beside
/// its output terminal.
void AnnotateSheet(const Simulation& sim, int form, Canvas& canvas);

}  // namespace quorvane
