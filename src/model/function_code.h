#pragma once

namespace quorvane {

/// The kinds of block, as `Block::FunctionCode` holds them and data files store them. Functions
/// come in pairs: the even code faces right (inputs on the left), the next odd code is the same
/// function turned round. The Effective Frequency pair (61, 62) is the one pair that starts odd.
enum class FunctionCode : int {
    Zero = 0,
    Constant = 1,
    Sum = 2,
    SumTurned = 3,
    Invert = 4,
    InvertTurned = 5,
    Gain = 6,
    GainTurned = 7,
    Integrate = 8,
    IntegrateTurned = 9,
    Lag = 10,
    LagTurned = 11,
    Lead = 12,
    LeadTurned = 13,
    Differentiate = 14,
    DifferentiateTurned = 15,
    Multiply = 16,
    MultiplyTurned = 17,
    Divide = 18,
    DivideTurned = 19,
    Saturate = 20,
    SaturateTurned = 21,
    SecondOrderLag = 22,
    SecondOrderLagTurned = 23,
    SecondOrderLead = 24,
    SecondOrderLeadTurned = 25,
    SineWave = 26,
    SineWaveTurned = 27,
    SquareRoot = 28,
    SquareRootTurned = 29,
    Ln = 30,
    LnTurned = 31,
    Exponential = 32,
    ExponentialTurned = 33,
    Switch = 34,
    SwitchTurned = 35,
    Controller = 36,
    ControllerTurned = 37,
    Delay = 38,
    DelayTurned = 39,
    UnitRamp = 40,
    Prbs = 41,
    Display = 42,
    DisplayTurned = 43,
    Delta = 44,
    Unused = 45,
    CorrelatePrbs = 46,
    CorrelatePrbsTurned = 47,
    InputTerminal = 48,
    InputTerminalTurned = 49,
    OutputTerminal = 50,
    OutputTerminalTurned = 51,
    Dac = 52,
    DacTurned = 53,
    Adc = 54,
    AdcTurned = 55,
    Hysteresis = 56,
    HysteresisTurned = 57,
    StickSlip = 58,
    StickSlipTurned = 59,
    Chirp = 60,
    EffectiveFrequency = 61,
    EffectiveFrequencyTurned = 62,
    Label = 63,
};

/// The code a block's table entry holds, as the enum.
constexpr FunctionCode CodeOf(int functionCode) { return static_cast<FunctionCode>(functionCode); }

/// The number a table entry or a data file holds for a code.
constexpr int CodeNumber(FunctionCode code) { return static_cast<int>(code); }

}  // namespace quorvane
