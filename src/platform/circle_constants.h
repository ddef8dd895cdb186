#pragma once

namespace quorvane {

// π and 2π are written to different numbers of figures in different computations. The short
// ones are deliberate: results, tables and saved models have always been computed with them, so
// each computation keeps its own, and making one more exact would change what it gives.

/// π and 2π to fifteen figures: the transforms' angles and the curves drawn in block pictures.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717959;

/// Twice π cut to eight figures (2 × 3.1415926), one short of 2π in its last figure: the factor
/// between hertz and radians per time unit for block constants, the sine's working constant and
/// the correlation's frequency column.
inline constexpr double RadiansPerCycle = 6.2831852;

/// 2π cut to six figures: the spectrum's frequency column, a second-order block's period in the
/// time-step sizing and the chirp's recommended span.
inline constexpr double TwoPiSixFigures = 6.28318;

/// 2π cut to four figures: the chirp's check that its top frequency suits the time step.
inline constexpr double TwoPiFourFigures = 6.283;

/// π cut to eight and to six figures: a phase in degrees, the first when the real part is
/// positive, the second when it is negative.
inline constexpr double PiEightFigures = 3.1415926;
inline constexpr double PiSixFigures = 3.14159;

}  // namespace quorvane
