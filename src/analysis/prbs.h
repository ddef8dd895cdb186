#pragma once

#include <cstdint>

namespace quorvane {

struct PrbsData;
struct Simulation;

/// Start of every run, before the run settings are processed: scans `form` for a PRBS
/// Generator (PrbsState -1, the last one wins) and a Correlate PRBS block, and generates the
/// sequence. False (after its message) when the generator's bit length has no sequence
/// (outside 2..11, or 8): the run must be refused.
bool DetectPrbs(Simulation& sim, int form);

/// Fills PrbsSequence for sim.Prbs.BitLength (2..11 except 8) and Amplitude: entry 0 =
/// -amplitude, entries 1..L = +-amplitude from the shift register, L+1 and L+2 = 0; clears
/// PrbsRecord 0..2L.
void GeneratePrbsSequence(PrbsData& prbs);

/// Before the first step: StepsPerBit from the bit interval and the time step (1 when the bit
/// interval is shorter, with a message), then PrbsState = 0 and PrbsIndex = 0. Call it for
/// every run, generator or not.
void PrbsInjectionSetUp(Simulation& sim);

/// Before evaluating step `step` (0, 1, ...): at each bit boundary moves the injection on
/// (settling pass, recording pass, finished). The generator outputs PrbsSequence[PrbsIndex].
void AdvancePrbsSchedule(PrbsData& prbs, std::int64_t step);

}  // namespace quorvane
