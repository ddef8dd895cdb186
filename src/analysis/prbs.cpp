#include "analysis/prbs.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "analysis/nice_interval.h"
#include "engine/simulation.h"
#include "model/block_traits.h"
#include "platform/text.h"

namespace quorvane {

namespace {

// Feedback taps (A, B) by bit length; each gives a maximal-length sequence. 8 has none.
std::pair<int, int> FeedbackTaps(int bitLength) {
    switch (bitLength) {
    case 11: return {11, 9};
    case 10: return {10, 7};
    case 9: return {9, 5};
    case 7: return {7, 6};
    case 6: return {6, 5};
    case 5: return {5, 3};
    case 4: return {4, 3};
    case 3: return {3, 2};
    case 2: return {2, 1};
    default: return {0, 0};
    }
}

// Why a bit length cannot be generated, or empty when it can.
std::string BitLengthRefusal(int bitLength) {
    if (bitLength < 2 || bitLength > 11) return "PRBS bit length must be in the range 2 to 11 - run cancelled";
    if (FeedbackTaps(bitLength).first == 0) return "PRBS bit length cannot be 8 - run cancelled";
    return {};
}

}  // namespace

bool DetectPrbs(Simulation& sim, int form) {
    PrbsData& prbs = sim.Prbs;
    prbs.PrbsState = 0;
    prbs.CorrelatorPresent = false;
    std::fill(prbs.PrbsSequence.begin(), prbs.PrbsSequence.end(), 0.0f);
    std::fill(prbs.PrbsRecord.begin(), prbs.PrbsRecord.end(), 0.0f);

    const SimulationForm& f = sim.Forms[form];
    int generator = 0;
    for (int b = 1; b <= f.BlockCount; ++b) {
        const int code = f.Blocks[b].FunctionCode;
        if (code == CodeNumber(FunctionCode::Prbs)) generator = b;
        if (BaseOf(code) == FunctionCode::CorrelatePrbs) prbs.CorrelatorPresent = true;
    }
    prbs.BitLength = 10;
    if (generator != 0) {
        const Block& block = f.Blocks[generator];
        const int bitLength = RoundToInteger(block.Constant[1]);
        if (const std::string refusal = BitLengthRefusal(bitLength); !refusal.empty()) {
            sim.Ui.Message(refusal);
            return false;
        }
        prbs.PrbsState = -1;
        prbs.BitInterval = 0;
        prbs.BitLength = bitLength;
        prbs.Amplitude = block.Constant[3];
        const double extendedStop = sim.Status.StopExtendFactor.value_or(StopExtendFactor) * sim.Run.StopTime;
        const double start = sim.Run.StartTime;
        if (!prbs.AutomaticDuration)
            prbs.Duration = block.Constant[2];
        else if (prbs.CorrelatorPresent)   // two sequences: settling and recording
            prbs.Duration = static_cast<float>((extendedStop - start) / 2);
        else
            prbs.Duration = static_cast<float>(extendedStop - start);
        GeneratePrbsSequence(prbs);
        prbs.BitInterval = static_cast<float>(static_cast<double>(prbs.Duration) / prbs.Length);
    }
    if (prbs.CorrelatorPresent && prbs.PrbsState == 0)
        sim.Ui.Message("Correllation block found -but no PRBS injection block");
    return true;
}

void GeneratePrbsSequence(PrbsData& prbs) {
    std::array<bool, 13>& bits = prbs.Register;
    bits.fill(false);
    bits[1] = bits[2] = bits[3] = true;
    const int previousEnd = std::min(prbs.Length + 1, PrbsTableLast);
    std::fill(prbs.PrbsSequence.begin(), prbs.PrbsSequence.begin() + previousEnd + 1, 0.0f);

    const int n = prbs.BitLength;
    const auto [tapA, tapB] = FeedbackTaps(n);
    const int length = (1 << n) - 1;
    prbs.Length = length;
    const float high = prbs.Amplitude;
    prbs.PrbsSequence[0] = -high;
    for (int i = 1; i <= length; ++i) {
        for (int k = n; k >= 1; --k) bits[k] = bits[k - 1];
        bits[0] = bits[tapB] != bits[tapA];
        prbs.PrbsSequence[i] = bits[n] ? high : -high;
    }
    prbs.PrbsSequence[length + 1] = 0;
    prbs.PrbsSequence[length + 2] = 0;
    std::fill(prbs.PrbsRecord.begin(), prbs.PrbsRecord.begin() + 2 * length + 1, 0.0f);
}

void PrbsInjectionSetUp(Simulation& sim) {
    PrbsData& prbs = sim.Prbs;
    prbs.StepsPerBit = 1;
    if (prbs.PrbsState == -1) {
        const double timeStep = sim.Run.TimeStep;
        if (prbs.BitInterval < timeStep) {
            sim.Ui.Message(sim.Run.ManualTimeStep
                               ? "The PRBS interval is less than the fixed simulation time step"
                               : "The PRBS interval is less than the simulation time step - Error in program");
        } else {
            const double ratio = prbs.BitInterval / timeStep;
            prbs.StepsPerBit = std::max(1, RoundToInteger(ratio));
            if (std::fabs(ratio - prbs.StepsPerBit) > 0.0999)
                sim.Ui.Message("PRBS sample time not an exact interval of simulation time step (ratio: " +
                               Format(ratio, "###0.0###") + " -- " + Str(prbs.StepsPerBit) + " used)");
        }
    }
    prbs.PrbsState = 0;
    prbs.PrbsIndex = 0;
}

void AdvancePrbsSchedule(PrbsData& prbs, std::int64_t step) {
    if ((step + 1) % prbs.StepsPerBit != 0) return;
    if (prbs.PrbsState == 0 && prbs.PrbsIndex >= prbs.Length) {
        prbs.PrbsState = 1;
        prbs.PrbsIndex = 0;
    }
    if (prbs.PrbsState == 1 && prbs.PrbsIndex > prbs.Length) {
        prbs.PrbsState = 2;
        prbs.PrbsIndex = prbs.Length + 1;
    }
    if (prbs.PrbsState != 2) ++prbs.PrbsIndex;
}

}  // namespace quorvane
