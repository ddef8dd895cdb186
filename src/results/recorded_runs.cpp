#include "results/recorded_runs.h"

#include <algorithm>
#include <ostream>

#include "platform/text.h"
#include "results/display_buffer.h"
#include "results/recorded_csv.h"

namespace quorvane {

namespace {

// The fields of one CSV line: quoted fields may hold commas, a doubled quote is one quote.
std::vector<std::string> CsvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

const RecordedRun* FirstFinished(std::span<const RecordedRun> runs) {
    for (const RecordedRun& run : runs) {
        if (run.Failure.empty()) return &run;
    }
    return nullptr;
}

}  // namespace

RecordedRun CaptureRun(const DisplayBuffer& display) {
    RecordedRun run;
    const int rows = display.RecordedCount;
    const float* time = display.Column(0);
    run.Time.assign(time + 1, time + 1 + rows);
    for (int column = 1; column <= display.ColumnCount; ++column) {
        const float* values = display.Column(column);
        run.Series.push_back({display.ColumnTitle[column], display.ColumnUnits[column],
                              std::vector<float>(values + 1, values + 1 + rows)});
    }
    return run;
}

std::string RunLabel(const RecordedRun& run) {
    std::string label;
    for (const RunValue& value : run.Values) label += (label.empty() ? "" : "; ") + value.Name + "=" + value.Text;
    return label;
}

std::string RunSeriesHeading(const std::string& title, const RecordedRun& run) {
    const std::string label = RunLabel(run);
    return label.empty() ? title : title + " [" + label + "]";
}

void WriteRunsCsv(std::span<const RecordedRun> runs, std::ostream& out) {
    const RecordedRun* longest = nullptr;
    out << "Time";
    for (const RecordedRun& run : runs) {
        if (!run.Failure.empty()) continue;
        if (longest == nullptr || run.Time.size() > longest->Time.size()) longest = &run;
        for (const RecordedSeries& series : run.Series) out << "," << CsvField(RunSeriesHeading(series.Title, run));
    }
    out << "\n";
    if (longest == nullptr) return;
    for (std::size_t row = 0; row < longest->Time.size(); ++row) {
        out << CsvNumber(longest->Time[row]);
        for (const RecordedRun& run : runs) {
            if (!run.Failure.empty()) continue;
            for (const RecordedSeries& series : run.Series)
                out << "," << (row < series.Values.size() ? CsvNumber(series.Values[row]) : "");
        }
        out << "\n";
    }
}

bool ReadRecordedCsv(std::string_view text, RecordedRun& run, std::string& error) {
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.empty()) {
        error = "the table is empty";
        return false;
    }
    const std::vector<std::string> titles = CsvFields(lines[0]);
    run.Time.clear();
    run.Series.clear();
    for (std::size_t c = 1; c < titles.size(); ++c) run.Series.push_back({titles[c], "", {}});
    for (std::size_t l = 1; l < lines.size(); ++l) {
        const std::vector<std::string> fields = CsvFields(lines[l]);
        if (fields.size() != titles.size()) {
            error = "line " + std::to_string(l + 1) + " has " + std::to_string(fields.size()) + " fields, not " +
                    std::to_string(titles.size());
            return false;
        }
        for (std::size_t c = 0; c < fields.size(); ++c) {
            float value = 0;
            if (!ParseFloat(fields[c], value)) {
                error = "line " + std::to_string(l + 1) + " holds \"" + fields[c] + "\", which is not a number";
                return false;
            }
            (c == 0 ? run.Time : run.Series[c - 1].Values).push_back(value);
        }
    }
    return true;
}

SeriesSummary SummariseSeries(const RecordedRun& run, std::size_t series) {
    const std::vector<float>& values = run.Series[series].Values;
    const auto maximum = std::max_element(values.begin(), values.end());   // the first of equal maxima
    return {values.back(), *std::min_element(values.begin(), values.end()), *maximum,
            run.Time[static_cast<std::size_t>(maximum - values.begin())]};
}

void WriteRunsSummary(std::span<const RecordedRun> runs, std::ostream& out) {
    if (runs.empty()) return;
    const RecordedRun* finished = FirstFinished(runs);
    const std::size_t seriesCount = finished ? finished->Series.size() : 0;
    for (const RunValue& value : runs.front().Values) out << CsvField(value.Name) << ",";
    for (std::size_t s = 0; s < seriesCount; ++s) {
        const std::string& title = finished->Series[s].Title;
        for (const char* figure : {" final", " minimum", " maximum", " time of maximum"})
            out << CsvField(title + figure) << ",";
    }
    out << "Failure\n";
    for (const RecordedRun& run : runs) {
        for (const RunValue& value : run.Values) out << CsvField(value.Text) << ",";
        const bool figures = run.Failure.empty() && !run.Time.empty() && run.Series.size() == seriesCount;
        for (std::size_t s = 0; s < seriesCount; ++s) {
            if (!figures) {
                out << ",,,,";
                continue;
            }
            const SeriesSummary summary = SummariseSeries(run, s);
            for (float figure : {summary.Final, summary.Minimum, summary.Maximum, summary.TimeOfMaximum})
                out << CsvNumber(figure) << ",";
        }
        out << CsvField(run.Failure) << "\n";
    }
}

}  // namespace quorvane
