#include "engine/checked_math.h"

namespace quorvane {

void ThrowUnstorable(int block, double value) {
    ThrowFault(block, std::isnan(value) ? InvalidCallText : OverflowText);
}

void ThrowFault(int block, const char* description) {
    throw RunError(block, description);
}

}  // namespace quorvane
