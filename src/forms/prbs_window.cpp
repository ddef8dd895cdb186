#include "forms/prbs_window.h"

#include "analysis/prbs_correlation.h"
#include "drawing/frequency_graph.h"
#include "engine/simulation.h"
#include "platform/text.h"

namespace quorvane {

namespace {

bool Busy(const Simulation& sim) { return sim.Status.WindowsBusy == 1; }

}  // namespace

std::string PrbsCaption(const Simulation& sim) {
    const PrbsData& prbs = sim.Prbs;
    const std::string& units = sim.Run.TimeUnits;
    return "PRBS Analysis                 PRBS Length: " + Str(prbs.Length) + "    Time Step: " +
           Format(prbs.BitInterval, "##0.0#####") + " " + units + "    (" +
           Format(static_cast<double>(prbs.Length) * prbs.BitInterval, "##0.0###") + " " + units + ")";
}

bool SetResponseMode(Simulation& sim, bool impulseResponse) {
    if (Busy(sim)) return false;
    sim.Status.CurrentActivity = impulseResponse ? "Setting Impulse Response" : "Setting Frequency Response";
    sim.Prbs.ImpulseResponseMode = impulseResponse;
    CorrelationAnalysis(sim);
    return true;
}

bool SetCorrelationLogMagnitude(Simulation& sim, bool on) {
    if (Busy(sim)) return false;
    sim.Status.CurrentActivity = "Setting Log Y scales (correlation)";
    sim.Prbs.LogMagnitude = on;
    CorrelationAnalysis(sim);
    return true;
}

bool SetCorrelationLogFrequency(Simulation& sim, bool on) {
    if (Busy(sim)) return false;
    sim.Status.CurrentActivity = "Setting Log x scales (correlation)";
    sim.Prbs.LogFrequency = on;
    CorrelationAnalysis(sim);
    return true;
}

bool ShowCorrelationPhase(Simulation& sim, bool on) {
    if (Busy(sim)) return false;
    sim.Status.CurrentActivity = "Setting Correlation Phase Display";
    sim.Prbs.ShowCorrelationPhase = on;
    return true;
}

int CorrelationCurves(const Simulation& sim) {
    return !sim.Prbs.ImpulseResponseMode && sim.Prbs.ShowCorrelationPhase ? 2 : 1;
}

void DrawPrbsWindow(Simulation& sim, Canvas& canvas, int mode) {
    sim.Fft.FftColumnsUsed = CorrelationCurves(sim);
    FrequencyGraph(sim, canvas, mode);
}

bool PrbsXIsLogarithmic(const Simulation& sim) { return !sim.Prbs.ImpulseResponseMode && sim.Prbs.LogFrequency; }

}  // namespace quorvane
