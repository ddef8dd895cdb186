#pragma once

#include <stdexcept>

namespace quorvane {

/// The platform's descriptions of the arithmetic faults a run can meet.
inline constexpr const char* DivisionByZeroText = "Division by zero";
inline constexpr const char* InvalidCallText = "Invalid procedure call or argument";
inline constexpr const char* OverflowText = "Overflow";

/// An arithmetic fault during the preparation or the stepping of a run: the block being
/// evaluated (its number in the run form) and the description. Thrown where the arithmetic
/// happens, before anything non-finite reaches the tables; the run driver reports it.
struct RunError : std::runtime_error {
    RunError(int block, const char* description) : std::runtime_error(description), Block(block) {}

    int Block;
};

}  // namespace quorvane
