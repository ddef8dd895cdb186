#include "cli/options.h"

#include <charconv>
#include <filesystem>
#include <set>
#include <sstream>

#include "cli/run_settings.h"

namespace quorvane {

namespace {

constexpr int MaxJobs = 1024;

bool ParseWhole(const std::string& text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

// A path made absolute and normal, its existing part with symbolic links resolved.
std::filesystem::path Resolved(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) return std::filesystem::path(path).lexically_normal();
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : resolved;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) || Resolved(a) == Resolved(b);
}

// Outputs that are written from a run's results cannot be asked for without one.
bool CheckNoRun(const RunnerOptions& options, std::string& error) {
    if (!options.NoRun) return true;
    const std::pair<const char*, bool> needRun[] = {
        {"--csv", !options.CsvPath.empty()}, {"--graph", !options.GraphPath.empty()},
        {"--spectrum", options.SpectrumSeries != 0}, {"--correlate", options.Correlate != CorrelationOutput::None},
        {"--tabulate", options.Tabulate}, {"--summary", !options.SummaryPath.empty()}};
    for (const auto& [option, asked] : needRun) {
        if (asked) {
            error = std::string(option) + " writes the results of a run, which --no-run leaves out";
            return false;
        }
    }
    return true;
}

bool Refuse(std::string& error, const std::string& text) {
    error = text;
    return false;
}

// A sweep writes one table, graph and summary of all its runs; the options of one run's other
// results, and the sweep's own options without a sweep, are refused rather than ignored.
bool CheckSweep(const RunnerOptions& options, std::string& error) {
    const bool sweep = !options.Sweeps.empty();
    const std::pair<const char*, bool> sweepOnly[] = {
        {"--jobs", options.Jobs != 0}, {"--list-runs", options.ListRuns}, {"--merge", !options.MergeFolder.empty()}};
    for (const auto& [option, given] : sweepOnly) {
        if (given && !sweep) return Refuse(error, std::string(option) + " needs --sweep");
    }
    if (!sweep) return true;
    const std::pair<const char*, bool> singleRun[] = {
        {"--tabulate", options.Tabulate}, {"--spectrum", options.SpectrumSeries != 0},
        {"--correlate", options.Correlate != CorrelationOutput::None}, {"--audit", options.Audit},
        {"--save", !options.SavePath.empty()}, {"--sheet", options.SheetForm != 0}, {"--no-run", options.NoRun}};
    for (const auto& [option, given] : singleRun) {
        if (given) return Refuse(error, std::string(option) + " cannot be combined with --sweep");
    }
    if (SweepRunCount(options.Sweeps) == 0)
        return Refuse(error, "the sweep makes more than " + std::to_string(MaxSweepRuns) + " runs");
    const bool outputs = !options.CsvPath.empty() || !options.GraphPath.empty() || !options.SummaryPath.empty();
    if (options.ListRuns && (outputs || !options.MergeFolder.empty() || options.Jobs != 0))
        return Refuse(error, "--list-runs only prints the runs' commands; each of them writes its own --csv");
    if (!options.MergeFolder.empty() && !options.GraphPath.empty())
        return Refuse(error, "--merge reads the runs' tables, from which --graph cannot be drawn");
    if (!options.MergeFolder.empty() && !outputs) return Refuse(error, "--merge needs --csv or --summary");
    return true;
}

// Each block value is given once: a second one would silently take the place of the first.
bool CheckBlockTargets(const RunnerOptions& options, std::string& error) {
    std::set<std::string> targets;
    std::vector<std::string> names;
    for (const BlockAssignment& value : options.Blocks) names.push_back(BlockTargetName(value.Title, value.Field));
    for (const SweepAxis& axis : options.Sweeps) names.push_back(BlockTargetName(axis.Title, axis.Field));
    for (const std::string& name : names) {
        if (!targets.insert(name).second) return Refuse(error, name + " is given more than once");
    }
    return true;
}

// The --set entry of the help: what it does and the names of the table, wrapped to 80 columns
// under the descriptions of the other options.
std::string SetOptionHelp() {
    std::vector<std::string> words;
    std::istringstream what("set a run setting before the run, as if typed into the run window; repeatable. NAME is "
                            "one of");
    for (std::string word; what >> word;) words.push_back(word);
    const auto settings = RunSettings();
    for (std::size_t i = 0; i < settings.size(); ++i)
        words.push_back(settings[i].Name + std::string(i + 1 < settings.size() ? "," : ""));
    for (const char* word : {"(the", "last", "three", "take", "1/0,", "true/false", "or", "yes/no)"})
        words.push_back(word);

    constexpr std::size_t Width = 80;
    constexpr std::size_t Indent = 24;   // each word comes with the space before it
    std::string help = "  --set NAME=VALUE      ";
    std::size_t column = Indent;
    for (const std::string& word : words) {
        if (column + 1 + word.size() > Width) {
            help += "\n" + std::string(Indent, ' ');
            column = Indent;
        }
        help += " " + word;
        column += 1 + word.size();
    }
    return help + "\n";
}

}  // namespace

const char* RunnerUsage() {
    static const std::string usage =
        "Usage: quorvane-run MODEL.vqe [options]\n"
        "Loads a model, runs it as the Run button would (run settings from the file, the\n"
        "first allocated form) and writes what is asked.\n"
        "\n"
        "Options:\n"
        "  --form N               run form N (1..3)\n" +
        SetOptionHelp() +
        "  --block \"TITLE\".FIELD=VALUE\n"
        "                         type VALUE into FIELD (K1, K2, K3, IC, Low or High;\n"
        "                         none for no limit) of the properties window of the\n"
        "                         block titled TITLE on the form run and press Done;\n"
        "                         repeatable\n"
        "  --sweep \"TITLE\".FIELD=v1,v2,...  or  \"TITLE\".FIELD=FIRST:LAST:COUNT\n"
        "                         one run per value, of every combination when repeated\n"
        "                         (at most 10000 runs); --csv, --graph and --summary then\n"
        "                         hold every run, headed by its values\n"
        "  --jobs N               runs of a sweep made side by side (default: one per\n"
        "                         processor core)\n"
        "  --list-runs            print one command per run of the sweep instead of\n"
        "                         running it; each writes its table to run-NNNN.csv\n"
        "  --merge FOLDER         take the runs' tables from the run-NNNN.csv files in\n"
        "                         FOLDER instead of running them\n"
        "  --summary PATH         one CSV row per run: final value, minimum, maximum and\n"
        "                         time of the maximum of each display series\n"
        "  --tabulate             print the print dump table on standard output (also\n"
        "                         writes \"Print Dump.txt\" in the current directory)\n"
        "  --csv PATH             every recorded row as CSV: time, then the display series,\n"
        "                         9 significant digits; PATH - is standard output\n"
        "  --graph PATH           the time graph as PNG, SVG or PDF (by extension)\n"
        "  --sheet N PATH         sheet N drawn as PNG, SVG or PDF (by extension)\n"
        "  --spectrum N           after the run, the spectrum of display series N as CSV on\n"
        "                         standard output: frequency, magnitude, phase (an undefined\n"
        "                         phase is an empty field); the FFT is enabled for the run\n"
        "  --correlate impulse    after the run, the PRBS impulse response (lag, value)\n"
        "  --correlate frequency  after the run, the PRBS frequency response (frequency,\n"
        "                         magnitude, phase)\n"
        "  --audit                the audit report on standard output\n"
        "  --save PATH            save the model after the run\n"
        "  --no-run               only load (and save, with --save)\n"
        "  --yes                  answer Yes to questions (the default answer is No)\n"
        "  --help                 show this text\n"
        "  --version              show the version\n"
        "\n"
        "Messages go to standard error, one line each, as \"message: TEXT\"; questions as\n"
        "\"question: TEXT -> Yes|No\". Exit status: 0 after a finished run, 1 after a run\n"
        "error, 2 for a usage or load error, a refused block value or an output that could\n"
        "not be written; after a sweep, the status of its worst run.\n";
    return usage.c_str();
}

std::optional<RunnerOptions> ParseRunnerOptions(const std::vector<std::string>& args, std::string& error) {
    RunnerOptions options;
    std::set<std::string> given;
    auto needs = [&](std::size_t i, std::size_t count, const std::string& option) {
        if (i + count < args.size()) return true;
        error = option + " needs " + (count == 1 ? "a value" : std::to_string(count) + " values");
        return false;
    };
    // An empty name would write nothing and say nothing of it.
    auto fileName = [&](std::size_t i, const std::string& option, std::string& path) {
        if (!args[i].empty()) {
            path = args[i];
            return true;
        }
        error = option + " needs a file name, not an empty text";
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A second value would silently take the place of the first.
        const bool takesValue = arg == "--form" || arg == "--csv" || arg == "--graph" || arg == "--sheet" ||
                                arg == "--spectrum" || arg == "--correlate" || arg == "--save" ||
                                arg == "--summary" || arg == "--jobs" || arg == "--merge";
        if (takesValue && !given.insert(arg).second) {
            error = arg + " may be given only once";
            return std::nullopt;
        }
        if (arg == "--help") {
            options.Help = true;
        } else if (arg == "--version") {
            options.Version = true;
        } else if (arg == "--form") {
            if (!needs(i, 1, arg)) return std::nullopt;
            if (!ParseWhole(args[++i], 1, 3, options.Form)) {
                error = "--form needs a form number 1..3, not \"" + args[i] + "\"";
                return std::nullopt;
            }
        } else if (arg == "--set") {
            if (!needs(i, 1, arg)) return std::nullopt;
            const std::string& assignment = args[++i];
            const auto equals = assignment.find('=');
            const std::string name = assignment.substr(0, equals);
            if (equals == std::string::npos || FindRunSetting(name) == nullptr) {
                error = "--set needs NAME=VALUE with a known run setting, not \"" + assignment + "\"";
                return std::nullopt;
            }
            options.Settings.emplace_back(name, assignment.substr(equals + 1));
        } else if (arg == "--block") {
            if (!needs(i, 1, arg)) return std::nullopt;
            const auto value = ParseBlockAssignment(args[++i]);
            if (!value) {
                error = "--block needs \"TITLE\".FIELD=VALUE with FIELD one of " + BlockFieldNames() + ", not \"" +
                        args[i] + "\"";
                return std::nullopt;
            }
            options.Blocks.push_back(*value);
        } else if (arg == "--sweep") {
            if (!needs(i, 1, arg)) return std::nullopt;
            const auto axis = ParseSweepAxis(args[++i], error);
            if (!axis) return std::nullopt;
            options.Sweeps.push_back(*axis);
        } else if (arg == "--jobs") {
            if (!needs(i, 1, arg)) return std::nullopt;
            if (!ParseWhole(args[++i], 1, MaxJobs, options.Jobs)) {
                error = "--jobs needs a number of runs 1.." + std::to_string(MaxJobs) + ", not \"" + args[i] + "\"";
                return std::nullopt;
            }
        } else if (arg == "--list-runs") {
            options.ListRuns = true;
        } else if (arg == "--merge") {
            if (!needs(i, 1, arg) || !fileName(++i, arg, options.MergeFolder)) return std::nullopt;
        } else if (arg == "--summary") {
            if (!needs(i, 1, arg) || !fileName(++i, arg, options.SummaryPath)) return std::nullopt;
        } else if (arg == "--tabulate") {
            options.Tabulate = true;
        } else if (arg == "--csv") {
            if (!needs(i, 1, arg) || !fileName(++i, arg, options.CsvPath)) return std::nullopt;
        } else if (arg == "--graph") {
            if (!needs(i, 1, arg) || !fileName(++i, arg, options.GraphPath)) return std::nullopt;
        } else if (arg == "--sheet") {
            if (!needs(i, 2, arg)) return std::nullopt;
            if (!ParseWhole(args[++i], 1, 3, options.SheetForm)) {
                error = "--sheet needs a sheet number 1..3, not \"" + args[i] + "\"";
                return std::nullopt;
            }
            if (!fileName(++i, arg, options.SheetPath)) return std::nullopt;
        } else if (arg == "--spectrum") {
            if (!needs(i, 1, arg)) return std::nullopt;
            if (!ParseWhole(args[++i], 1, 10, options.SpectrumSeries)) {
                error = "--spectrum needs a display series number 1..10, not \"" + args[i] + "\"";
                return std::nullopt;
            }
        } else if (arg == "--correlate") {
            if (!needs(i, 1, arg)) return std::nullopt;
            const std::string& mode = args[++i];
            if (mode == "impulse") {
                options.Correlate = CorrelationOutput::Impulse;
            } else if (mode == "frequency") {
                options.Correlate = CorrelationOutput::Frequency;
            } else {
                error = "--correlate needs impulse or frequency, not \"" + mode + "\"";
                return std::nullopt;
            }
        } else if (arg == "--audit") {
            options.Audit = true;
        } else if (arg == "--save") {
            if (!needs(i, 1, arg) || !fileName(++i, arg, options.SavePath)) return std::nullopt;
        } else if (arg == "--no-run") {
            options.NoRun = true;
        } else if (arg == "--yes") {
            options.Yes = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = "unknown option " + arg;
            return std::nullopt;
        } else if (options.ModelPath.empty()) {
            options.ModelPath = arg;
        } else {
            error = "only one model file may be given (also got \"" + arg + "\")";
            return std::nullopt;
        }
    }
    if (options.ModelPath.empty() && !options.Help && !options.Version) {
        error = "no model file given";
        return std::nullopt;
    }
    if (!CheckNoRun(options, error) || !CheckSweep(options, error) || !CheckBlockTargets(options, error))
        return std::nullopt;
    return options;
}

bool CheckOutputFiles(const RunnerOptions& options, std::string& error) {
    if (options.CsvPath == "-" && options.SummaryPath == "-")
        return Refuse(error, "--csv and --summary cannot both go to standard output");
    std::vector<std::pair<std::string, std::string>> files;
    if (!options.CsvPath.empty() && options.CsvPath != "-") files.emplace_back("--csv", options.CsvPath);
    if (!options.GraphPath.empty()) files.emplace_back("--graph", options.GraphPath);
    if (!options.SummaryPath.empty() && options.SummaryPath != "-") files.emplace_back("--summary", options.SummaryPath);
    if (!options.SheetPath.empty()) files.emplace_back("--sheet", options.SheetPath);
    for (const auto& [option, path] : files) {
        if (SameFile(path, options.ModelPath)) {
            error = option + " would overwrite the model file " + options.ModelPath;
            return false;
        }
    }
    if (!options.SavePath.empty()) files.emplace_back("--save", options.SavePath);
    for (std::size_t a = 0; a < files.size(); ++a) {
        for (std::size_t b = a + 1; b < files.size(); ++b) {
            if (SameFile(files[a].second, files[b].second)) {
                error = files[a].first + " and " + files[b].first + " name the same file " + files[b].second;
                return false;
            }
        }
    }
    return true;
}

}  // namespace quorvane
