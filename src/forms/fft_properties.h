#pragma once

#include <array>
#include <string>

namespace quorvane {

struct Simulation;

/// The FFT properties dialog (FFTProp): the FFT target size, the PRBS sequence duration mode
/// and the phase minimum level in percent, as shown and typed.
struct FftPropertiesDialog {
    int List1 = 1;               ///< "FFT Target Size" row: 0..4 for 512..8192
    bool Manual = false;         ///< Option2 "Manual", else Option1 "Automatic"
    std::string Text1;           ///< "FFT Phase Min. Level", percent
};

/// The sizes the target size list offers, 2^9..2^13.
inline constexpr std::array<int, 5> FftTargetSizes{512, 1024, 2048, 4096, 8192};
inline constexpr int FftTargetFirstExponent = 9;

/// The dialog showing the current settings: the row of the current target size, the duration
/// mode and the level formatted "#0.00".
FftPropertiesDialog LoadFftProperties(const Simulation& sim);

/// "Done": the target size (exponent = row + 9, half size = size / 2) and the duration mode are
/// taken and the current sheet redrawn (its PRBS blocks show the mode). Then the level: below 0
/// "FFT Phase min. level must not be negative", 99 or more "FFT Phase min. level must not be
/// 100% or greater", and the level stays as it was; otherwise it becomes the value / 100.
/// False when the level was refused.
bool ApplyFftProperties(Simulation& sim, const FftPropertiesDialog& dialog);

}  // namespace quorvane
