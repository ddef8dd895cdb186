#pragma once

#include <string>

#include "engine/ordering.h"
#include "engine/preparation.h"
#include "engine/simulation.h"
#include "engine/stepping.h"
#include "model/model.h"

namespace quorvane {

inline int PlaceBenchBlock(SimulationForm& sheet, int code, float k1 = 0.0f, float k2 = 0.0f, float k3 = 0.0f) {
    const int b = ++sheet.BlockCount;
    Block& blk = sheet.Blocks[b];
    blk.FunctionCode = code;
    blk.Constant[1] = k1;
    blk.Constant[2] = k2;
    blk.Constant[3] = k3;
    return b;
}

/// Seven loops of ten blocks: a sine demand, a PID controller with wind-up limits, a
/// saturation, gains, lags, a sum and a second-order lag as the plant, and a tail that holds
/// the delay line, the hysteresis or another sum. Every value stays bounded, so a run of two
/// million steps ends without a fault.
inline void BuildSeventyBlocks(SimulationForm& sheet) {
    for (int loop = 0; loop < 7; ++loop) {
        const int sine = PlaceBenchBlock(sheet, 26, 0.3f + 0.1f * static_cast<float>(loop), 1.0f);
        const int pid = PlaceBenchBlock(sheet, 36, 1.5f, 1.0f, 0.02f);
        sheet.Blocks[pid].SatHigh = 10.0f;
        sheet.Blocks[pid].SatLow = -10.0f;
        const int saturate = PlaceBenchBlock(sheet, 20);
        sheet.Blocks[saturate].SatHigh = 5.0f;
        sheet.Blocks[saturate].SatLow = -5.0f;
        const int gain = PlaceBenchBlock(sheet, 6, 0.8f);
        const int lag = PlaceBenchBlock(sheet, 10, 0.4f);
        const int sum = PlaceBenchBlock(sheet, 2);
        const int plant = PlaceBenchBlock(sheet, 22, 0.2f, 0.6f);
        const int gain2 = PlaceBenchBlock(sheet, 6, 2.0f);
        const int lag2 = PlaceBenchBlock(sheet, 10, 1.0f);
        const int tail = loop == 0 ? PlaceBenchBlock(sheet, 38, 0.5f) : loop == 1 ? PlaceBenchBlock(sheet, 56, 10.0f, 20.0f) : PlaceBenchBlock(sheet, 2);
        sheet.Blocks[pid].Input[1] = plant;
        sheet.Blocks[pid].Input[2] = sine;
        sheet.Blocks[saturate].Input[1] = pid;
        sheet.Blocks[gain].Input[1] = saturate;
        sheet.Blocks[lag].Input[1] = gain;
        sheet.Blocks[sum].Input[1] = lag;
        sheet.Blocks[sum].Input[2] = sine;
        sheet.Blocks[plant].Input[1] = sum;
        sheet.Blocks[gain2].Input[1] = plant;
        sheet.Blocks[lag2].Input[1] = gain2;
        sheet.Blocks[tail].Input[1] = loop < 2 ? lag2 : gain2;
        sheet.Blocks[tail].Input[2] = loop < 2 ? 0 : lag2;
    }
}

namespace seventy {

inline constexpr int Form = 1;
inline constexpr int Loops = 7;
inline constexpr long StepsPerRun = 2'000'000;
inline constexpr int StepsPerSample = 10;

/// The ten blocks of each loop in the order BuildSeventyBlocks places them.
inline constexpr const char* LoopParts[] = {"sine", "pid", "saturate", "gain", "lag", "sum", "plant", "gain2", "lag2", "tail"};

/// The model built, its blocks titled "<part> <loop>" so that they can be found after ordering,
/// ordered, prepared for a time step of 0.001 from 0 and evaluated at the start.
inline void StartSeventyBlocks(Simulation& sim) {
    SimulationForm& sheet = sim.Forms[Form];
    sheet.InUse = 1;
    if (sheet.BlockCount == 0) {
        BuildSeventyBlocks(sheet);
        for (int b = 1; b <= sheet.BlockCount; ++b) {
            sheet.Blocks[b].Title = std::string(LoopParts[(b - 1) % 10]) + " " + std::to_string((b - 1) / 10);
        }
        sim.Run.StartTime = 0.0f;
        sim.Run.TimeStep = 0.001f;
        BuildExecutionOrder(sim, Form);
    }
    ResetOutputs(sim, Form);
    PrepareBlocks(sim, Form);
    sim.Status.CurrentTime = sim.Run.StartTime;
    InitialEvaluation(sim, Form);
}

/// Steps first..last as the run driver makes them: StepModel, the time from the step count,
/// and at every sample step the refresh of the memoryless blocks.
inline void StepSeventyBlocks(Simulation& sim, long first, long last) {
    for (long n = first; n <= last; ++n) {
        StepModel(sim, Form);
        sim.Status.CurrentTime = static_cast<float>(static_cast<double>(sim.Run.TimeStep) * n + sim.Run.StartTime);
        if (n % StepsPerSample == 0) {
            RefreshAlgebraic(sim, Form);
        }
    }
}

}  // namespace seventy
}  // namespace quorvane
