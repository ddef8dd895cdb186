#include "cli/sweep_grid.h"

#include <charconv>

#include "cli/options.h"
#include "platform/text.h"

namespace quorvane {

namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const auto end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// FIRST:LAST:COUNT, the values written as the float each one is stored as.
bool RangeValues(const std::vector<std::string>& parts, std::vector<std::string>& values) {
    double first = 0;
    double last = 0;
    std::size_t count = 0;
    const std::string& countText = parts[2];
    const auto [end, ec] = std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (!ParseNumber(parts[0], first) || !ParseNumber(parts[1], last) || ec != std::errc() ||
        end != countText.data() + countText.size() || count < 2 || count > MaxSweepRuns)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        // The last value is LAST itself, not a sum that rounding could leave short of it.
        const double v = i + 1 == count ? last : first + (last - first) * static_cast<double>(i) / (count - 1);
        values.push_back(FloatText(static_cast<float>(v)));
    }
    return true;
}

}  // namespace

std::optional<SweepAxis> ParseSweepAxis(std::string_view text, std::string& error) {
    const auto target = ParseBlockAssignment(text);
    if (!target) {
        error = "--sweep needs \"TITLE\".FIELD=VALUES with FIELD one of " + BlockFieldNames() + ", not \"" +
                std::string(text) + "\"";
        return std::nullopt;
    }
    SweepAxis axis{target->Title, target->Field, {}};
    const std::vector<std::string> range = Split(target->Value, ':');
    if (range.size() == 3) {
        if (RangeValues(range, axis.Values)) return axis;
        error = "--sweep needs FIRST:LAST:COUNT with two numbers and a count 2.." + std::to_string(MaxSweepRuns) +
                ", not \"" + target->Value + "\"";
        return std::nullopt;
    }
    axis.Values = Split(target->Value, ',');
    for (const std::string& value : axis.Values) {
        if (value.empty()) {
            error = "--sweep needs values v1,v2,... none of them empty, not \"" + target->Value + "\"";
            return std::nullopt;
        }
    }
    return axis;
}

std::size_t SweepRunCount(const std::vector<SweepAxis>& axes) {
    std::size_t count = 1;
    for (const SweepAxis& axis : axes) {
        // Each factor is at most MaxSweepRuns, so the product cannot overflow before the test.
        if (axis.Values.size() > MaxSweepRuns) return 0;
        count *= axis.Values.size();
        if (count > MaxSweepRuns) return 0;
    }
    return count;
}

std::vector<BlockAssignment> SweepRunValues(const std::vector<SweepAxis>& axes, std::size_t run) {
    std::vector<BlockAssignment> values(axes.size());
    for (std::size_t a = axes.size(); a-- > 0;) {
        const std::size_t size = axes[a].Values.size();
        values[a] = {axes[a].Title, axes[a].Field, axes[a].Values[run % size]};
        run /= size;
    }
    return values;
}

std::string ShellWord(std::string_view word) {
    constexpr std::string_view Safe = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-+./:=,@%";
    if (!word.empty() && word.find_first_not_of(Safe) == std::string_view::npos) return std::string(word);
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string RunFileName(std::size_t run, std::size_t runCount) {
    const std::size_t width = std::max<std::size_t>(4, std::to_string(runCount).size());
    std::string number = std::to_string(run + 1);
    return "run-" + std::string(width - number.size(), '0') + number + ".csv";
}

std::string RunCommandLineOf(const std::string& program, const RunnerOptions& options, std::size_t run,
                             std::size_t runCount) {
    std::string line = ShellWord(program) + " " + ShellWord(options.ModelPath);
    if (options.Form) line += " --form " + std::to_string(options.Form);
    for (const auto& [name, value] : options.Settings) line += " --set " + ShellWord(name + "=" + value);
    if (options.Yes) line += " --yes";
    std::vector<BlockAssignment> values = options.Blocks;
    for (const BlockAssignment& value : SweepRunValues(options.Sweeps, run)) values.push_back(value);
    for (const BlockAssignment& value : values) {
        line += " --block " + ShellWord(value.Title) + "." + std::string(BlockFieldName(value.Field)) + "=" +
                ShellWord(value.Value);
    }
    return line + " --csv " + ShellWord(RunFileName(run, runCount));
}

}  // namespace quorvane
