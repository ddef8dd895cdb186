#include "run/run_driver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "analysis/fft_sizing.h"
#include "analysis/nice_interval.h"
#include "analysis/prbs.h"
#include "analysis/prbs_correlation.h"
#include "analysis/prbs_timing.h"
#include "engine/checked_math.h"
#include "engine/ordering.h"
#include "engine/preparation.h"
#include "engine/run_error.h"
#include "engine/run_error_report.h"
#include "engine/simulation.h"
#include "engine/stepping.h"
#include "model/block_traits.h"
#include "model/form_queries.h"
#include "model/terminal_links.h"
#include "platform/text.h"
#include "results/print_dump.h"
#include "results/recording.h"
#include "run/result_handoff.h"
#include "run/run_window.h"

namespace quorvane {

bool IsEffectiveFrequency(int functionCode) { return BaseOf(functionCode) == FunctionCode::EffectiveFrequency; }

std::string EffectiveFrequencyUnits(const Settings& run) {
    const bool seconds = run.TimeUnits == "secs" || run.TimeUnits == "sec";
    if (run.FrequencyInHz) return seconds ? "Hz" : "Cycles /" + run.TimeUnits;
    return seconds ? "rad/s" : "radians /" + run.TimeUnits;
}

std::vector<std::string> SeriesTitles(const Simulation& sim) {
    std::vector<std::string> titles{"Time"};
    for (int c = 1; c <= sim.Display.ColumnCount; ++c) titles.push_back(sim.Display.ColumnTitle[c]);
    return titles;
}

namespace {

constexpr double TimeSumScale = 5.1;          // the shadow time sum runs at this scale
constexpr double FirstPromptSeconds = 10;
constexpr double PromptRepeatSeconds = 60;
constexpr double RoundingErrorLimit = 0.001;
constexpr Sound EndOfRunSound = Sound::BestFit;

void LabelEffectiveFrequencies(Simulation& sim) {
    const std::string units = EffectiveFrequencyUnits(sim.Run);
    for (int f = 1; f <= FormSlots; ++f) {
        SimulationForm& form = sim.Forms[f];
        if (form.InUse <= 0) continue;
        for (int b = 1; b <= form.BlockCount; ++b) {
            if (IsEffectiveFrequency(form.Blocks[b].FunctionCode)) form.Blocks[b].Units = units;
        }
    }
}

/// The boxes a run reads as numbers, each with the name its messages give it.
struct NumberBoxName {
    std::string RunWindow::*Box;
    const char* Name;
};
constexpr NumberBoxName RunNumberBoxes[] = {
    {&RunWindow::Text1, "Start Time"},          {&RunWindow::Text2, "Stop Time"},
    {&RunWindow::Text8, "Print data Interval"}, {&RunWindow::Text7, "Graph data Interval"},
    {&RunWindow::Text3, "Time Step"},
};

/// A box whose text is no number would be read as 0 and refused with a message about another
/// box, or run with a value the user never typed.
bool BoxesHoldNumbers(Host& ui, const RunWindow& window) {
    for (const NumberBoxName& box : RunNumberBoxes) {
        double value = 0;
        if (!ParseNumber(window.*box.Box, value)) {
            ui.Message(std::string(box.Name) + " must be a number");
            return false;
        }
    }
    return true;
}

void ShowLamp(RunWindow& window, ResultHandOff& handOff, Colour colour) {
    window.Lamp = colour;
    handOff.ShowRunStatus(window);
}

/// The checks made before the block tables are touched. Returns the form to run, 0 when a
/// check has refused the run.
int StartChecks(Simulation& sim, RunWindow& window, ResultHandOff& handOff) {
    Settings& run = sim.Run;
    sim.Status.ErrorTrapOn = true;
    sim.Status.CurrentActivity = "Block Execution";
    // Whatever the window's change events have stored, as the boxes stand now.
    StoreRunWindow(sim, window);
    sim.RunForm = ChooseRunForm(sim);
    if (sim.RunForm == 0) {
        sim.Ui.Message("No Simulation to run");
        return 0;
    }
    ShowLamp(window, handOff, PaletteColour(Palette::LightCyan));
    if (!BoxesHoldNumbers(sim.Ui, window)) return 0;
    run.StartTime = SingleFromText(window.Text1);
    run.StopTime = SingleFromText(window.Text2);
    if (!(run.StartTime < run.StopTime)) {
        sim.Ui.Message("Stop Time must be greater than Start Time");
        return 0;
    }
    sim.Status.StopTimeEntered = run.StopTime;
    sim.Status.StopExtendFactor = quorvane::StopExtendFactor;
    const int form = sim.RunForm = ChooseRunForm(sim);
    if (!DetectPrbs(sim, form)) return 0;
    const float printInterval = SingleFromText(window.Text8);
    const float graphInterval = SingleFromText(window.Text7);
    if (!DisplayIntervalsValid(sim.Ui, printInterval, graphInterval)) return 0;
    // The step limit judges the step as typed; the run's own step is chosen later.
    const float keptStep = run.TimeStep;
    run.TimeStep = SingleFromText(window.Text3);
    const bool stepAllowed = TimeStepWithinLimit(sim);
    const float typedStep = run.TimeStep;
    run.TimeStep = keptStep;
    if (!stepAllowed) return 0;
    // One step past the whole interval would tabulate a time beyond the stop time.
    if (run.ManualTimeStep && typedStep > static_cast<double>(run.StopTime) - run.StartTime) {
        sim.Ui.Message("Time step is too large compared to time interval");
        return 0;
    }
    run.PrintInterval = printInterval;
    run.GraphInterval = graphInterval;
    sim.Fft.HalfSize = sim.Fft.TargetSize / 2;
    LabelEffectiveFrequencies(sim);
    return form;
}

/// The settings the time-step sizing may change and the run window shows. The sizing only
/// computes; the boxes that show a changed setting are written here.
struct ShownSettings {
    explicit ShownSettings(const Settings& run)
        : GraphInterval(run.GraphInterval), PrintInterval(run.PrintInterval), FftEnabled(run.FftEnabled) {}

    void ShowChanges(const Settings& run, RunWindow& window) const {
        if (run.GraphInterval != GraphInterval) window.Text7 = NumberText(run.GraphInterval);
        if (run.PrintInterval != PrintInterval) window.Text8 = NumberText(run.PrintInterval);
        if (FftEnabled && !run.FftEnabled) window.Check4 = false;
    }

    float GraphInterval;
    float PrintInterval;
    bool FftEnabled;
};

bool ManualTimeStep(Simulation& sim, RunWindow& window) {
    Settings& run = sim.Run;
    run.TimeStep = SingleFromText(window.Text3);
    if (run.TimeStep > run.GraphInterval || run.TimeStep > run.PrintInterval) {
        sim.Ui.Message("Changing display times to align with 'Time Step'");
        RaiseDisplayIntervals(run, run.TimeStep);
        // Both boxes show the intervals now in force, as plain number text.
        window.Text7 = NumberText(run.GraphInterval);
        window.Text8 = NumberText(run.PrintInterval);
    }
    sim.Status.MinDisplayInterval = std::min(run.GraphInterval, run.PrintInterval);
    const ShownSettings shown(run);
    const bool timed = sim.Prbs.PrbsState != -1 || PrbsTimingSetUp(sim);
    if (timed && run.FftEnabled) AlignFftToManualStep(sim);
    shown.ShowChanges(run, window);
    return timed;
}

bool AutomaticStep(Simulation& sim, RunWindow& window, int form) {
    Settings& run = sim.Run;
    const ShownSettings shown(run);
    const bool sized = AutomaticTimeStep(sim, form);
    shown.ShowChanges(run, window);
    if (!sized) return false;
    const PrbsData& prbs = sim.Prbs;
    if (prbs.PrbsState == -1 &&
        static_cast<double>(run.StartTime) + static_cast<double>(prbs.BitInterval) * prbs.Length > run.StopTime) {
        // Halving the step does not move the sequence's end, so the warning always follows.
        run.TimeStep /= 2;
        sim.Ui.Message("PRBS - cannot inject a full sequence - adjust simulation stop time");
    }
    window.Text3 = NumberText(run.TimeStep);
    return true;
}

/// Orders, resets, links and validates the blocks, chooses the time step and prepares the
/// blocks. False when the run is refused (the message has been shown).
bool PrepareModel(Simulation& sim, RunWindow& window, int form) {
    Settings& run = sim.Run;
    sim.Status.RunInProgress = true;
    if (sim.Forms[form].BlockCount >= 1) {
        BuildExecutionOrder(sim, form);
        ResetOutputs(sim, form);
        ResolveTerminalLinks(sim, sim.Ui);
        if (ValidateParameters(sim, form) > 0) return false;
    } else {
        // An empty form has empty sections; nothing of an earlier run's order applies to it.
        sim.Order = ExecutionList{};
    }
    // Times near the float range would stretch or subtract to an infinity: that is an overflow.
    if (sim.Prbs.PrbsState == -1) run.StopTime = Stored(run.StopTime * *sim.Status.StopExtendFactor, 0);
    run.TimeStep = Stored((static_cast<double>(run.StopTime) - run.StartTime) / 10, 0);
    if (!(run.ManualTimeStep ? ManualTimeStep(sim, window) : AutomaticStep(sim, window, form))) return false;
    if (PrepareBlocks(sim, form) != 0) {
        sim.Ui.Message("Run Terminated");
        return false;
    }
    return true;
}

/// Times the stepping on the host's elapsed-time clock: differences of the time of day go
/// wrong whenever that clock is corrected or passes midnight.
struct SteppingClock {
    double Start = 0;
    double NextPrompt = FirstPromptSeconds;
    double Elapsed(Host& ui) const { return ui.ElapsedSeconds() - Start; }
};

/// After a sample, once the prompt time has passed: offers to end the run.
void OfferToStop(Simulation& sim, RunWindow& window, ResultHandOff& handOff, SteppingClock& clock) {
    const double elapsed = clock.Elapsed(sim.Ui);
    if (elapsed <= clock.NextPrompt) return;
    const Settings& run = sim.Run;
    window.Text6 = Format(elapsed, "##0.000");
    handOff.ShowRunStatus(window);
    const float done = (sim.Status.CurrentTime - run.StartTime) * 100.0f / (run.StopTime - run.StartTime);
    if (sim.Ui.Ask("only " + Str(done) + "% completion - Terminate ?",
                   "Time Elapsed " + Format(elapsed, "##.# ") + run.TimeUnits)) {
        sim.Status.RunInProgress = false;
    }
    clock.NextPrompt = clock.Elapsed(sim.Ui) + PromptRepeatSeconds;
}

/// Steps from the start to the stop time, recording every StepsPerSample steps. Returns the
/// shadow sum of the time steps (scaled), the real time taken and the steps made.
struct SteppingResult {
    float ScaledTimeSum = 0;
    double Seconds = 0;
    std::int64_t Steps = 0;
};

SteppingResult StepToStop(Simulation& sim, RunWindow& window, ResultHandOff& handOff, int form) {
    Settings& run = sim.Run;
    RunState& status = sim.Status;
    ShowLamp(window, handOff, Rgb(255, 0, 0));

    status.CurrentTime = run.StartTime;
    InitialEvaluation(sim, form);
    sim.Display.RecordedCount = 0;
    BuildDisplayList(sim, sim.Display, sim.Ui, form);
    RecordSample(sim.Display, sim.Forms[form], status.CurrentTime);

    PrbsInjectionSetUp(sim);
    // The clock starts with the stepping: time spent answering the messages above is not the run's.
    SteppingClock clock;
    clock.Start = sim.Ui.ElapsedSeconds();
    std::int64_t step = 0;
    // Times beyond the float range end the run as an overflow rather than reach the buffer.
    float scaledSum = Stored(run.StartTime * TimeSumScale, 0);
    // A record interval below half a step would round to no steps at all.
    status.StepsPerSample = std::max(1, RoundToInteger(static_cast<double>(status.MinDisplayInterval) / run.TimeStep));
    do {
        AdvancePrbsSchedule(sim.Prbs, step);
        StepModel(sim, form);
        scaledSum = Stored(scaledSum + run.TimeStep * TimeSumScale, 0);
        ++step;
        // Recomputed from the step count so that no rounding error accumulates in the time.
        status.CurrentTime = Stored(static_cast<double>(run.TimeStep) * static_cast<double>(step) + run.StartTime, 0);
        if (step % status.StepsPerSample == 0) {
            RefreshAlgebraic(sim, form);
            RecordSample(sim.Display, sim.Forms[form], status.CurrentTime);
            OfferToStop(sim, window, handOff, clock);
        }
    } while (status.CurrentTime < run.StopTime && status.RunInProgress);
    return {scaledSum, clock.Elapsed(sim.Ui), step};
}

void FinishStepping(Simulation& sim, RunWindow& window, ResultHandOff& handOff, const SteppingResult& stepped) {
    window.Text6 = Format(stepped.Seconds, "##0.00");
    const bool noStateBlocks = sim.Order.StatesEnd == sim.Order.AlgebraicEnd;
    if (noStateBlocks && sim.Fft.DerivativeClass == 0) {
        window.Text4 = "Not Relevant";
    } else {
        // What adding up the steps would have lost against the time computed from the count.
        const double error = std::fabs(sim.Status.CurrentTime - stepped.ScaledTimeSum / TimeSumScale);
        window.Text4 = Format(error, "0.####");
        window.Text4Colour = PaletteColour(error > RoundingErrorLimit ? Palette::LightRed : Palette::Blue);
    }
    sim.Ui.PlaySound(EndOfRunSound);
    ShowLamp(window, handOff, PaletteColour(Palette::Yellow));
}

void HandOnResults(Simulation& sim, RunWindow& window, ResultHandOff& handOff, int form, std::int64_t steps) {
    Settings& run = sim.Run;
    RunState& status = sim.Status;

    status.CurrentActivity = "Printing or Tabulating";
    sim.Dump.Reader.close();
    if (run.TabulationOutput) {
        PrepareTabulation(sim.Dump, run);
        WritePrintDump(sim, sim.Display, sim.Dump, status.MinDisplayInterval, sim.Ui);
        handOff.ShowTabulation(sim);
    } else {
        handOff.HideTabulation(sim);
    }

    status.CurrentActivity = "Graphical Display";
    status.WindowsBusy = 1;
    if (run.GraphicalOutput) {
        // The series list is refilled with "Time" selected, so the graph is drawn against time.
        sim.Graph.XColumn = 0;
        handOff.ShowGraph(sim, SeriesTitles(sim));
    } else {
        handOff.HideGraph(sim);
    }

    status.CurrentActivity = "FFT";
    if (run.FftEnabled && sim.Display.ColumnCount >= 1) {
        std::vector<std::string> series = SeriesTitles(sim);
        series.push_back("Unallocated");
        status.FrequencyWindowOpenedByRun = true;
        handOff.ShowFrequencyAnalysis(sim, series);
    } else if (status.FrequencyWindowOpenedByRun) {
        handOff.HideFrequencyAnalysis(sim);
        status.FrequencyWindowOpenedByRun = false;
    }

    status.CurrentActivity = "Correlation";
    if (run.CorrelationEnabled && sim.Prbs.CorrelatorPresent) {
        CorrelationAnalysis(sim);
        handOff.ShowPrbsAnalysis(sim);
    } else {
        handOff.HidePrbsAnalysis(sim);
    }

    status.CurrentActivity = "Run Module Exit";
    ShowLamp(window, handOff, Rgb(128, 128, 128));
    // Counted from the steps made: the start row and one every StepsPerSample steps. An estimate
    // from the stop time would miss the last row of a run that ends exactly one row too long.
    const std::int64_t rowsDue = 1 + steps / status.StepsPerSample;
    if (rowsDue > DisplayRowLast) sim.Ui.Message("Display buffer exceeded - some results not shown");
    status.RunInProgress = false;
    status.WindowsBusy = 0;
    if (run.TabulationOutput) handOff.ShowTabulation(sim);
    handOff.RedrawSheet(sim, form);
    handOff.ShowRunWindow(sim);
}

/// The stop time typed in comes back after a run that stretched it.
void RestoreStopTime(Simulation& sim) { sim.Run.StopTime = sim.Status.StopTimeEntered; }

void ReportRunError(Simulation& sim, ResultHandOff& handOff, int form, int block, const char* description) {
    const RunErrorReport report = MakeRunErrorReport(sim, form, block, description);
    handOff.ShowRunError(sim, report);
    handOff.RedrawSheet(sim, form);
    if (report.Block > 0) sim.Windows.ShowMarker(form, 0, report.Block);
}

}  // namespace

void RunSimulation(Simulation& sim, RunWindow& window, ResultHandOff& handOff) {
    const int form = StartChecks(sim, window, handOff);
    if (form == 0) return;

    SteppingResult stepped;
    try {
        const bool prepared = PrepareModel(sim, window, form);
        if (!prepared) {
            RestoreStopTime(sim);
            return;
        }
        stepped = StepToStop(sim, window, handOff, form);
        FinishStepping(sim, window, handOff, stepped);
    } catch (const RunError& error) {
        RestoreStopTime(sim);
        ReportRunError(sim, handOff, form, error.Block, error.what());
        return;
    } catch (const std::exception& error) {
        RestoreStopTime(sim);
        ReportRunError(sim, handOff, form, 0, error.what());
        return;
    }

    try {
        HandOnResults(sim, window, handOff, form, stepped.Steps);
    } catch (const std::exception& error) {
        sim.Ui.Message(HandOffErrorText(sim, error.what()));
        RestoreStopTime(sim);
        // Left busy, the result windows would ignore their lists for good.
        sim.Status.WindowsBusy = 0;
        return;
    }

    const bool stretched = sim.Prbs.PrbsState != 0 && sim.Run.StopTime != sim.Status.StopTimeEntered;
    window.Label14 = stretched ? "( " + std::string(" adjusted to ") + Str(sim.Run.StopTime) + " )" : "";
    RestoreStopTime(sim);
}

}  // namespace quorvane
