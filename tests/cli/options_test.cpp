#include <gtest/gtest.h>

#include "cli/options.h"
#include "cli/run_settings.h"

namespace quorvane {

TEST(RunnerOptions, RefusesBadArguments) {
    const struct {
        std::vector<std::string> Args;
        std::string Error;
    } cases[] = {
        {{}, "no model file given"},
        {{"m.vqe", "--form", "4"}, "--form needs a form number 1..3, not \"4\""},
        {{"m.vqe", "--form", "1x"}, "--form needs a form number 1..3, not \"1x\""},
        {{"m.vqe", "--form"}, "--form needs a value"},
        {{"m.vqe", "--sheet", "1"}, "--sheet needs 2 values"},
        {{"m.vqe", "--set", "Colour=red"}, "--set needs NAME=VALUE with a known run setting, not \"Colour=red\""},
        {{"m.vqe", "--set", "StopTime"}, "--set needs NAME=VALUE with a known run setting, not \"StopTime\""},
        {{"m.vqe", "--correlate", "both"}, "--correlate needs impulse or frequency, not \"both\""},
        {{"m.vqe", "--spectrum", "11"}, "--spectrum needs a display series number 1..10, not \"11\""},
        {{"m.vqe", "--frobnicate"}, "unknown option --frobnicate"},
        {{"a.vqe", "b.vqe"}, "only one model file may be given (also got \"b.vqe\")"},
        // Asked for, but nothing would be written.
        {{"m.vqe", "--csv", ""}, "--csv needs a file name, not an empty text"},
        {{"m.vqe", "--graph", ""}, "--graph needs a file name, not an empty text"},
        {{"m.vqe", "--sheet", "1", ""}, "--sheet needs a file name, not an empty text"},
        {{"m.vqe", "--save", ""}, "--save needs a file name, not an empty text"},
        {{"m.vqe", "--csv", "a.csv", "--csv", "b.csv"}, "--csv may be given only once"},
        {{"m.vqe", "--form", "1", "--form", "2"}, "--form may be given only once"},
        {{"m.vqe", "--no-run", "--csv", "-"}, "--csv writes the results of a run, which --no-run leaves out"},
        {{"m.vqe", "--graph", "g.png", "--no-run"}, "--graph writes the results of a run, which --no-run leaves out"},
        {{"m.vqe", "--no-run", "--spectrum", "1"}, "--spectrum writes the results of a run, which --no-run leaves out"},
        {{"m.vqe", "--no-run", "--correlate", "impulse"},
         "--correlate writes the results of a run, which --no-run leaves out"},
        {{"m.vqe", "--no-run", "--tabulate"}, "--tabulate writes the results of a run, which --no-run leaves out"},
        // Block values and sweeps.
        {{"m.vqe", "--block", "Gain=2"},
         "--block needs \"TITLE\".FIELD=VALUE with FIELD one of K1, K2, K3, IC, Low, High, not \"Gain=2\""},
        {{"m.vqe", "--block", "Gain.K1=2", "--sweep", "Gain.K1=1,2"}, "Gain.K1 is given more than once"},
        {{"m.vqe", "--sweep", "Gain.K1=1,,2"}, "--sweep needs values v1,v2,... none of them empty, not \"1,,2\""},
        {{"m.vqe", "--sweep", "Gain.K1=1:2:1"},
         "--sweep needs FIRST:LAST:COUNT with two numbers and a count 2..10000, not \"1:2:1\""},
        {{"m.vqe", "--sweep", "Gain.K1=1:2:200", "--sweep", "Lag.K1=1:2:51"}, "the sweep makes more than 10000 runs"},
        {{"m.vqe", "--jobs", "2"}, "--jobs needs --sweep"},
        {{"m.vqe", "--sweep", "Gain.K1=1,2", "--save", "s.vqe"}, "--save cannot be combined with --sweep"},
        {{"m.vqe", "--sweep", "Gain.K1=1,2", "--list-runs", "--csv", "a.csv"},
         "--list-runs only prints the runs' commands; each of them writes its own --csv"},
        {{"m.vqe", "--sweep", "Gain.K1=1,2", "--merge", "runs", "--graph", "g.png"},
         "--merge reads the runs' tables, from which --graph cannot be drawn"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Error);
        std::string error;
        EXPECT_FALSE(ParseRunnerOptions(c.Args, error));
        EXPECT_EQ(error, c.Error);
    }
}

TEST(RunnerOptions, HelpNamesEveryOption) {
    const std::string usage = RunnerUsage();
    for (const char* option : {"--form", "--set", "--tabulate", "--csv", "--graph", "--sheet", "--spectrum",
                               "--correlate", "--audit", "--save", "--no-run", "--yes", "--help", "--version", "--block",
                               "--sweep", "--jobs", "--list-runs", "--merge", "--summary"}) {
        SCOPED_TRACE(option);
        EXPECT_NE(usage.find(option), std::string::npos);
    }
    // Every setting --set takes is named.
    for (const RunSetting& setting : RunSettings()) EXPECT_NE(usage.find(setting.Name), std::string::npos);
}

TEST(RunSettings, EachNameReachesItsBoxOrOption) {
    // The print and graph intervals sit in boxes 8 and 7, the other way round from the screen.
    const struct {
        const char* Name;
        const char* Value;
        std::string RunWindow::*Box;
        bool RunWindow::*Option;
        bool Accepted;
    } cases[] = {
        {"StartTime", "1.5", &RunWindow::Text1, nullptr, true},
        {"StopTime", "20", &RunWindow::Text2, nullptr, true},
        {"TimeStep", "0.01", &RunWindow::Text3, nullptr, true},
        {"TimeUnits", "min", &RunWindow::Text5, nullptr, true},
        {"PrintInterval", "2", &RunWindow::Text8, nullptr, true},
        {"GraphInterval", "0.5", &RunWindow::Text7, nullptr, true},
        {"ManualTimeStep", "yes", nullptr, &RunWindow::Check1, true},
        {"FftEnabled", "True", nullptr, &RunWindow::Check4, true},
        {"CorrelationEnabled", "1", nullptr, &RunWindow::Check5, true},
        {"FftEnabled", "on", nullptr, &RunWindow::Check4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Name) + "=" + c.Value);
        const RunSetting* setting = FindRunSetting(c.Name);
        ASSERT_NE(setting, nullptr);
        RunWindow window;
        EXPECT_EQ(ApplyRunSetting(window, *setting, c.Value), c.Accepted);
        if (c.Box) { EXPECT_EQ(window.*c.Box, c.Value); }
        if (c.Option) { EXPECT_EQ(window.*c.Option, c.Accepted); }
    }
    EXPECT_EQ(FindRunSetting("Colour"), nullptr);
}

}  // namespace quorvane
