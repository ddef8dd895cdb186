#pragma once

#include <span>

namespace quorvane {

/// In-place radix-2 complex FFT of n complex points (n a power of two) held as interleaved
/// real, imaginary pairs in buffer entries 1..2n (entry 0 unused):
/// X(j) = sum_k x(k) exp(direction * 2 pi i jk / n), unscaled.
void ComplexFft(std::span<float> buffer, int n, int direction);

/// In-place transform of 2n real values in entries 1..2n. Forward (direction +1):
/// X(j) = sum_{k=0}^{2n-1} x(k) exp(+2 pi i jk / 2n), packed as entry 1 = X(0), entry 2 = X(n),
/// entries 2j+1, 2j+2 = Re, Im X(j) for j = 1..n-1. Inverse (-1) undoes it scaled by n.
void RealFft(std::span<float> buffer, int n, int direction);

/// Phase of re + i im in degrees, in [0, 360); PhaseUndefinedMarker when both are zero.
float PhaseDegrees(double im, double re);

}  // namespace quorvane
