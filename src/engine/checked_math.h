#pragma once

#include <cfloat>
#include <cmath>

#include "engine/run_error.h"

namespace quorvane {

/// Throws the fault of a value that cannot be stored as a 32-bit float: NaN is an invalid
/// operation, anything else (infinite or beyond the float range) an overflow.
[[noreturn]] void ThrowUnstorable(int block, double value);
[[noreturn]] void ThrowFault(int block, const char* description);

/// The value rounded to 32 bits for the tables. One comparison covers NaN, infinity and the
/// float range, so nothing non-finite can be stored.
inline float Stored(double value, int block) {
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) [[unlikely]] {
        ThrowUnstorable(block, value);
    }
    return static_cast<float>(value);
}

inline double Quotient(double numerator, double denominator, int block) {
    if (denominator == 0.0) [[unlikely]] {
        ThrowFault(block, DivisionByZeroText);
    }
    return numerator / denominator;
}

inline double SquareRoot(double value, int block) {
    if (value < 0.0) [[unlikely]] {
        ThrowFault(block, InvalidCallText);
    }
    return std::sqrt(value);
}

inline double NaturalLog(double value, int block) {
    if (!(value > 0.0)) [[unlikely]] {
        ThrowFault(block, InvalidCallText);
    }
    return std::log(value);
}

}  // namespace quorvane
