#pragma once

#include <utility>

#include "engine/checked_math.h"

namespace quorvane {

/// The bounds that keep a controller's integral term W1 H1 within its saturation limits. A
/// negative proportional gain turns them round, so a reverse-acting controller is held inside
/// the limits too; a gain of 0 has none (a division by zero).
struct IntegralBounds {
    double Upper = 0;
    double Lower = 0;
};

inline IntegralBounds BoundsOfIntegral(float high, float low, float gain, int block) {
    IntegralBounds bounds{Quotient(high, gain, block), Quotient(low, gain, block)};
    if (gain < 0.0f) {
        std::swap(bounds.Upper, bounds.Lower);
    }
    return bounds;
}

}  // namespace quorvane
