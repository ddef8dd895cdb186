#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/block_values.h"

namespace quorvane {

struct RunnerOptions;

/// The most runs one sweep may make.
inline constexpr std::size_t MaxSweepRuns = 10000;

/// One swept block value: `TITLE.FIELD` and the values it takes in turn, as typed.
struct SweepAxis {
    std::string Title;
    BlockValueField Field = BlockValueField::K1;
    std::vector<std::string> Values;
};

/// Parses `TITLE.FIELD=v1,v2,...` or `TITLE.FIELD=FIRST:LAST:COUNT` (COUNT 2..10000 values
/// evenly spaced from FIRST to LAST, each written as the shortest text of its float). Nothing,
/// with the reason in `error`, for any other text.
std::optional<SweepAxis> ParseSweepAxis(std::string_view text, std::string& error);

/// How many runs the grid of every combination of the axes makes, or 0 when that is more than
/// MaxSweepRuns.
std::size_t SweepRunCount(const std::vector<SweepAxis>& axes);

/// The block values of run `run` (from 0) of the grid: the first axis changes slowest.
std::vector<BlockAssignment> SweepRunValues(const std::vector<SweepAxis>& axes, std::size_t run);

/// A word as bash reads it back unchanged: as it is when it holds only safe characters,
/// otherwise in single quotes (a quote inside written as '\'').
std::string ShellWord(std::string_view word);

/// The CSV file a listed run writes: "run-0001.csv", numbered from 1 with as many digits as
/// the largest number needs, at least four.
std::string RunFileName(std::size_t run, std::size_t runCount);

/// The complete command line of run `run` of the sweep: `program`, the model, --form, every
/// --set, --yes, every --block (the fixed ones, then the run's values) and
/// --csv RunFileName, every word quoted for bash.
std::string RunCommandLineOf(const std::string& program, const RunnerOptions& options, std::size_t run,
                             std::size_t runCount);

}  // namespace quorvane
