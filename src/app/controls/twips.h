#pragma once

#include <cmath>

namespace quorvane {

/// The model keeps places in twips: 1440 to the inch, 15 to a logical pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }
inline int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

}  // namespace quorvane
