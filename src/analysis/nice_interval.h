#pragma once

namespace quorvane {

struct Simulation;

/// Rounds a positive interval up to the next entry of the 1, 1.125, 1.25 ... 10 decade table
/// after scaling it by 0.92, so the result lies between 0.92 x and about 1.035 x. With
/// derivativeClass 1 and the power-of-two option, a result below 1 drops to the largest
/// 1/2^k (k = 1..11) not above it. Always returns a finite positive value.
double RoundToNiceInterval(double x, int derivativeClass = 0, bool powerOfTwo = false);

/// The same, with the derivative class of the last sizing and the model's power-of-two option.
double RoundToNiceInterval(const Simulation& sim, double x);

/// Nearest integer, ties to even, clamped to the int range.
int RoundToInteger(double x);

}  // namespace quorvane
