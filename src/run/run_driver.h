#pragma once

#include <string>
#include <vector>

namespace quorvane {

class ResultHandOff;
struct RunWindow;
struct Settings;
struct Simulation;

/// The "Effective Freq." blocks (both orientations).
bool IsEffectiveFrequency(int functionCode);

/// Their units: hertz or radians per the model's time unit, as FrequencyInHz chooses.
std::string EffectiveFrequencyUnits(const Settings& run);

/// The graph's X-axis choices after a run: "Time", then the title of every display series.
std::vector<std::string> SeriesTitles(const Simulation& sim);

/// The "Run" button: reads and checks the run window, prepares the form to run, steps it from
/// the start to the stop time sampling its displays, then hands the results on (tabulation,
/// graph, frequency analysis, correlation, sheet redraw). Every refusal is a message through
/// sim.Ui; an arithmetic fault while preparing or stepping opens the run error report.
void RunSimulation(Simulation& sim, RunWindow& window, ResultHandOff& handOff);

}  // namespace quorvane
