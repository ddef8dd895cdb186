#pragma once

#include <array>
#include <vector>

namespace quorvane {

inline constexpr int PrbsTableLast = 4100;   ///< PrbsSequence and PrbsRecord are indexed 0..4100

/// PRBS generator and correlator state of a run, and the PRBS analysis window's switches.
struct PrbsData {
    int PrbsState = 0;           ///< -1 set-up pending, 0 settling pass, 1 recording pass, 2 finished
    bool CorrelatorPresent = false;
    int BitLength = 10;          ///< n, 2..11
    int Length = 1023;           ///< L = 2^n - 1
    float Amplitude = 0;
    float Duration = 0;          ///< sequence duration
    float BitInterval = 0;       ///< seconds per bit
    std::vector<float> PrbsSequence = std::vector<float>(PrbsTableLast + 1, 0.0f);
    std::vector<float> PrbsRecord = std::vector<float>(PrbsTableLast + 1, 0.0f);
    int PrbsIndex = 0;
    int StepsPerBit = 1;
    std::array<bool, 13> Register{};   ///< shift register bits 0..12; bit 0 is the feedback input

    bool AutomaticDuration = true;     ///< PRBS duration option of the FFT properties
    bool ImpulseResponseMode = true;   ///< Cplot "Impulse Response" / "Frequency Response"
    bool ShowCorrelationPhase = false; ///< Cplot "Display Phase"
    bool LogMagnitude = false;         ///< Cplot "Log Y - Freq. Resp"
    bool LogFrequency = false;         ///< Cplot "Log X - Freq. Resp"
};

}  // namespace quorvane
