#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

struct DisplayBuffer;

/// One display series of a run, kept after the run's buffer is reused.
struct RecordedSeries {
    std::string Title;
    std::string Units;
    std::vector<float> Values;   ///< one per recorded row
};

/// A value a run was made with: `Gain.K1` = "2".
struct RunValue {
    std::string Name;
    std::string Text;
};

/// The recorded series of one run of several compared: what the run was made with, whether it
/// finished, and its time column and display series.
struct RecordedRun {
    std::vector<RunValue> Values;
    std::string Failure;   ///< empty for a run that finished; otherwise why it did not
    std::string TimeUnits;
    std::vector<float> Time;
    std::vector<RecordedSeries> Series;
};

/// The recorded rows of a buffer: time, then every display series with its title and units.
RecordedRun CaptureRun(const DisplayBuffer& display);

/// What a run was made with as one text: "Gain.K1=2; Lag.K1=0.5" (empty without values).
std::string RunLabel(const RecordedRun& run);

/// A series title followed by its run's values: "Lag Output [Gain.K1=2]" (the bare title for a
/// run without values).
std::string RunSeriesHeading(const std::string& title, const RecordedRun& run);

/// The finished runs as one CSV table: time, then each display series of each run in run
/// order, headed by RunSeriesHeading. Times come from the run with the most rows; a run with
/// fewer rows leaves its fields empty below its last row.
void WriteRunsCsv(std::span<const RecordedRun> runs, std::ostream& out);

/// Reads one run's table as the recorded CSV writes it (a header of titles, time first, then
/// rows of numbers) into `run`'s time and series; units are not in the table and stay empty.
/// False, with the reason in `error`, for a table of any other shape.
bool ReadRecordedCsv(std::string_view text, RecordedRun& run, std::string& error);

/// The figures of one recorded series: last value, extremes, and the time of the first maximum.
struct SeriesSummary {
    float Final = 0;
    float Minimum = 0;
    float Maximum = 0;
    float TimeOfMaximum = 0;
};

/// The figures of series `series` of a run with at least one row.
SeriesSummary SummariseSeries(const RecordedRun& run, std::size_t series);

/// One CSV row per run: its values (a column per value name of the first run), then final value,
/// minimum, maximum and time of maximum of each display series of the first finished run
/// (fields left empty for a run that did not finish), and last the failure, empty when the run
/// finished.
void WriteRunsSummary(std::span<const RecordedRun> runs, std::ostream& out);

}  // namespace quorvane
