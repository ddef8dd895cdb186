#pragma once

#include <string>

namespace quorvane {

class Canvas;
struct Simulation;

/// The caption while the PRBS analysis window is active: sequence length, bit interval and the
/// span of one sequence.
std::string PrbsCaption(const Simulation& sim);

/// "Impulse Response" (true) / "Frequency Response" (false): the correlation worked out again in
/// that form. False, and nothing done, while the run fills the windows.
bool SetResponseMode(Simulation& sim, bool impulseResponse);

/// "Log Y - Freq. Resp" / "Log X - Freq. Resp": dB magnitude or logarithmic frequency for the
/// frequency response, worked out again. False, and nothing done, while the run fills the windows.
bool SetCorrelationLogMagnitude(Simulation& sim, bool on);
bool SetCorrelationLogFrequency(Simulation& sim, bool on);

/// "Display Phase": the frequency response's phase drawn beside its magnitude. False, and
/// nothing done, while the run fills the windows.
bool ShowCorrelationPhase(Simulation& sim, bool on);

/// Curves of the correlation graph: the impulse response alone, or the frequency response's
/// magnitude and, when asked for, its phase (an impulse response has no phase to show).
int CorrelationCurves(const Simulation& sim);

/// The correlation drawn on screen (CorrelationOnScreen) or on the printer (CorrelationOnPrinter).
void DrawPrbsWindow(Simulation& sim, Canvas& canvas, int mode);

/// Whether the graph's X axis holds log10 of the frequency, for the click read-out.
bool PrbsXIsLogarithmic(const Simulation& sim);

/// Size of the window when it loads, in twips; its picture and controls are placed as the
/// frequency analysis window's.
inline constexpr int PrbsWindowWidth = 9405;
inline constexpr int PrbsWindowHeight = 6200;

}  // namespace quorvane
