#pragma once

namespace quorvane {

struct Simulation;
struct Settings;

/// Automatic time step and FFT sizing for the form being run, with the time step preset to
/// (stop - start) / 10 and the print and graph intervals read. Sets the time step, the FFT
/// sample interval and half size, MinDisplayInterval and DerivativeClass; may raise the
/// display intervals, clear the FFT request, and runs the PRBS timing when a PRBS generator was detected. False (after its message) when the run
/// must be refused because the time step came out too small for the run's span.
bool AutomaticTimeStep(Simulation& sim, int form);

/// FFT sample interval, display intervals and length check for a time step typed in; called
/// only when the FFT is requested.
void AlignFftToManualStep(Simulation& sim);

/// Raises the graph and print intervals that are below `interval` to it. True when either was
/// raised.
bool RaiseDisplayIntervals(Settings& run, float interval);

/// The run's limit of two million steps: shows "Time step is too small compared to time
/// interval" and returns false when (stop - start) * 5e-7, in single precision as the step is
/// held, exceeds the time step.
bool TimeStepWithinLimit(Simulation& sim);

}  // namespace quorvane
