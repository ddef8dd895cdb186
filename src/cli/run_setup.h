#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "forms/block_values.h"

namespace quorvane {

class CliHandOff;
struct RunnerOptions;
struct RunWindow;
struct Simulation;

/// Exit statuses of the runner, and of each run of a sweep.
inline constexpr int ExitFinished = 0;
inline constexpr int ExitRunError = 1;
inline constexpr int ExitUsage = 2;

/// Writes "quorvane-run: TEXT" on `err`; returns ExitUsage.
int Fail(std::ostream& err, const std::string& text);

/// Starts `sim` up, loads the model with its print dump at `dumpPath` and selects the form to
/// run (--form, else the first allocated form). The exit status: ExitFinished, or ExitUsage
/// after saying why on `err`.
int LoadForRun(Simulation& sim, const RunnerOptions& options, const std::string& dumpPath, std::ostream& err);

/// The block of the form to run that `value` names, with the field it asks for; 0, with the
/// reason in `error`, when no block or several blocks hold the title, or the block's
/// properties window has no such field.
int FindValueBlock(const Simulation& sim, const BlockAssignment& value, std::string& error);

/// Types each value into its block's properties window and presses Done. The exit status:
/// ExitFinished, or ExitUsage at the first block not found or value refused (the window's
/// message has gone through sim.Ui).
int ApplyBlockValues(Simulation& sim, std::span<const BlockAssignment> values, std::ostream& err);

/// The run window as the Run button would find it, then --set and the ticks the asked results
/// need. False, after saying why on `err`, for a --set option value that is not 1 or 0.
bool PrepareRunWindow(Simulation& sim, const RunnerOptions& options, RunWindow& window, std::ostream& err);

/// Presses Run. The exit status: ExitFinished after a finished run, ExitRunError after a run
/// error or a run that did not finish, ExitUsage when its results could not be handed on.
int PressRun(Simulation& sim, RunWindow& window, CliHandOff& handOff, std::ostream& err);

}  // namespace quorvane
