#include "cli/run_setup.h"

#include <ostream>

#include "cli/cli_handoff.h"
#include "cli/options.h"
#include "cli/run_settings.h"
#include "editing/form_slots.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "run/run_driver.h"
#include "run/run_window.h"
#include "storage/data_file_reader.h"

namespace quorvane {

namespace {

// The steps that hand on a finished run's results; a failure in one of them is not a failed run.
bool HandingOnResults(const std::string& activity) {
    for (const char* step : {"Printing or Tabulating", "Graphical Display", "FFT", "Correlation"}) {
        if (activity == step) return true;
    }
    return false;
}

int ChooseForm(Simulation& sim, const RunnerOptions& options, std::ostream& err) {
    const int form = options.Form ? options.Form : FirstAllocatedForm(sim);
    if (options.Form && sim.Forms[form].InUse == 0)
        return Fail(err, "form " + std::to_string(form) + " is not in the model");
    for (int f = 1; f <= FormSlots; ++f) sim.Forms[f].RunSelected = (f == form && form != 0) ? 1 : 0;
    sim.CurrentForm = form;
    return ExitFinished;
}

// "3", "3 and 7", "3, 5 and 7".
std::string BlockList(const std::vector<int>& blocks) {
    std::string list;
    for (std::size_t i = 0; i < blocks.size(); ++i)
        list += (i == 0 ? "" : i + 1 == blocks.size() ? " and " : ", ") + std::to_string(blocks[i]);
    return list;
}

}  // namespace

int Fail(std::ostream& err, const std::string& text) {
    err << "quorvane-run: " << text << "\n";
    return ExitUsage;
}

int LoadForRun(Simulation& sim, const RunnerOptions& options, const std::string& dumpPath, std::ostream& err) {
    StartUp(sim);
    sim.Dump.PrintDumpPath = dumpPath;
    if (!LoadSimulation(sim, options.ModelPath)) return Fail(err, "cannot load " + options.ModelPath);
    return ChooseForm(sim, options, err);
}

int FindValueBlock(const Simulation& sim, const BlockAssignment& value, std::string& error) {
    const int form = sim.CurrentForm;
    const std::vector<int> blocks = BlocksTitled(sim, form, value.Title);
    const std::string where = " on form " + std::to_string(form);
    if (blocks.empty()) {
        error = "no block titled \"" + value.Title + "\"" + where;
        return 0;
    }
    if (blocks.size() > 1) {
        error = "blocks " + BlockList(blocks) + where + (blocks.size() == 2 ? " are both" : " are all") + " titled \"" +
                value.Title + "\"";
        return 0;
    }
    if (!HasBlockField(sim, form, blocks[0], value.Field)) {
        error = "block " + std::to_string(blocks[0]) + " \"" + value.Title + "\" has no " +
                std::string(BlockFieldName(value.Field)) + " in its properties window";
        return 0;
    }
    return blocks[0];
}

int ApplyBlockValues(Simulation& sim, std::span<const BlockAssignment> values, std::ostream& err) {
    for (const BlockAssignment& value : values) {
        std::string error;
        const int block = FindValueBlock(sim, value, error);
        if (block == 0) return Fail(err, error);
        if (SetBlockValue(sim, sim.CurrentForm, block, value.Field, value.Value).Outcome != BlockStoreOutcome::Stored)
            return Fail(err, BlockTargetName(value.Title, value.Field) + "=" + value.Value + " was refused");
    }
    return ExitFinished;
}

bool PrepareRunWindow(Simulation& sim, const RunnerOptions& options, RunWindow& window, std::ostream& err) {
    RefreshRunWindow(sim, window);
    for (const auto& [name, value] : options.Settings) {
        if (!ApplyRunSetting(window, *FindRunSetting(name), value))
            return Fail(err, "--set " + name + " needs 1 or 0, not " + value) == ExitFinished;
    }
    if (options.SpectrumSeries) window.Check4 = true;
    if (options.Correlate != CorrelationOutput::None) {
        window.Check5 = true;
        sim.Prbs.ImpulseResponseMode = options.Correlate == CorrelationOutput::Impulse;
    }
    return true;
}

int PressRun(Simulation& sim, RunWindow& window, CliHandOff& handOff, std::ostream& err) {
    RunSimulation(sim, window, handOff);
    if (handOff.RunFailed) return ExitRunError;
    if (HandingOnResults(sim.Status.CurrentActivity))
        return Fail(err, "the run finished, but its results could not be handed on");
    if (sim.Status.CurrentActivity != "Run Module Exit") {
        err << "quorvane-run: the run did not finish\n";
        return ExitRunError;
    }
    return ExitFinished;
}

}  // namespace quorvane
