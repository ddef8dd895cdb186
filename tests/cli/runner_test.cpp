#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "cli/options.h"
#include "cli/runner_support.h"
#include "support/scratch_folder.h"
#include "editing/start_up.h"
#include "engine/simulation.h"
#include "model/catalogue.h"
#include "storage/data_file_writer.h"
#include "support/test_simulation.h"

namespace quorvane {

namespace {

bool IsPng(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char signature[8] = {};
    file.read(signature, 8);
    return file && std::string(signature + 1, 3) == "PNG";
}

/// Impulse response of 1 / (s² + s + 1).
double PlantImpulse(double t) {
    const double wd = std::sqrt(3.0) / 2;
    return std::exp(-t / 2) * std::sin(wd * t) / wd;
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

}  // namespace

TEST(Runner, EveryExampleRunsQuietlyAndDraws) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    for (const auto& entry : std::filesystem::directory_iterator(QUORVANE_EXAMPLES)) {
        if (entry.path().extension() != ".vqe") continue;
        const std::string name = entry.path().stem().string();
        SCOPED_TRACE(name);
        const std::string sheet = folder + "/" + name + " sheet.png";
        const std::string graph = folder + "/" + name + " graph.png";
        const RunnerResult run =
            RunRunner({entry.path().string(), "--sheet", "1", sheet, "--graph", graph, "--csv", "-"}, folder);
        EXPECT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        EXPECT_GT(CsvRows(run.Out).size(), 100u);
        EXPECT_TRUE(IsPng(sheet));
        EXPECT_TRUE(IsPng(graph));
        EXPECT_FALSE(std::filesystem::exists(folder + "/Print Dump.txt"));
    }
}

TEST(Runner, MassSpringDamperMatchesTheSecondOrderStep) {
    const RunnerResult run =
        RunRunner({ExamplePath("Mass Spring Damper.vqe"), "--csv", "-"}, testing::ScratchFolder().Path.string());
    ASSERT_EQ(run.Status, 0) << run.Err;
    // 0.25 y'' + 0.2 y' + y = 0.25: natural frequency 2 rad/s, damping ratio 0.2.
    const double zeta = 0.2;
    const double wn = 2.0;
    const double wd = wn * std::sqrt(1 - zeta * zeta);
    // The fixed-step solution lags the continuous one by about half a step; with steps near a
    // fiftieth of the 3.1 s period that stays within 4 % of the final value.
    constexpr double Tolerance = 0.04 * 0.25;
    const auto rows = CsvRows(run.Out);
    ASSERT_GT(rows.size(), 300u);
    for (const auto& row : rows) {
        const double t = row[0];
        const double exact =
            0.25 * (1 - std::exp(-zeta * wn * t) * (std::cos(wd * t) + zeta / std::sqrt(1 - zeta * zeta) * std::sin(wd * t)));
        SCOPED_TRACE(t);
        EXPECT_NEAR(row[1], exact, Tolerance);
    }
}

TEST(Runner, PrbsCorrelationRecoversThePlantImpulseResponse) {
    const RunnerResult run =
        RunRunner({ExamplePath("PRBS Identification.vqe"), "--correlate", "impulse"}, testing::ScratchFolder().Path.string());
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto rows = CsvRows(run.Out);
    // 7 bits: lags 0..127 (the last repeats lag 0).
    ASSERT_EQ(rows.size(), 128u);
    const double bit = rows[1][0];
    const double amplitude = 1.0;
    const double length = 127.0;
    // c(m) = a² T (L + 1) / 2 h(m T) - a² / 2 for a response that settles within a period.
    const double scale = amplitude * amplitude * bit * (length + 1) / 2;
    double area = 0;
    std::size_t peak = 0;
    for (std::size_t m = 0; m + 1 < rows.size(); ++m) {
        area += (rows[m][1] + amplitude * amplitude / 2) / scale * bit;
        if (rows[m][1] > rows[peak][1]) peak = m;
    }
    EXPECT_NEAR(area, 1.0, 0.05);   // the plant's steady-state gain
    const double peakTime = 2 / std::sqrt(3.0) * std::atan(std::sqrt(3.0));
    EXPECT_NEAR(rows[peak][0], peakTime, bit);
    EXPECT_NEAR(rows[peak][1], scale * PlantImpulse(peakTime) - 0.5, 0.05 * scale * PlantImpulse(peakTime));
    for (std::size_t m = static_cast<std::size_t>(20 / bit); m + 1 < rows.size(); ++m)
        EXPECT_NEAR(rows[m][1], -amplitude * amplitude / 2, 0.1) << rows[m][0];
}

TEST(Runner, SquareWaveSpectrumPeaksAtItsFundamental) {
    const RunnerResult run =
        RunRunner({ExamplePath("Square Wave Spectrum.vqe"), "--spectrum", "2"}, testing::ScratchFolder().Path.string());
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto rows = CsvRows(run.Out);
    ASSERT_GE(rows.size(), 256u);
    std::size_t peak = 1;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (rows[r][1] > rows[peak][1]) peak = r;
    }
    const double binWidth = rows[2][0] - rows[1][0];
    EXPECT_NEAR(rows[peak][0], 0.5, binWidth);                // 3.14159 rad/s
    EXPECT_NEAR(rows[peak][1], 4 / M_PI, 0.05 * 4 / M_PI);   // fundamental of a unit square wave
}

TEST(Runner, TabulatesOnlyWhenAsked) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    const RunnerResult run = RunRunner({ExamplePath("First Order Lag.vqe"), "--tabulate"}, folder);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(std::filesystem::exists(folder + "/Print Dump.txt"));
    EXPECT_NE(run.Out.find("Lag Output"), std::string::npos);
    EXPECT_EQ(run.Out.find('"'), std::string::npos);   // lines shown without their quotes
    // Print interval 0.5 s over 10 s: rows at 0, 0.5, ... 10, the lag at 1 - exp(-t).
    EXPECT_NE(run.Out.find("\n 1                0.6321205        1"), std::string::npos);
    EXPECT_NE(run.Out.find("\n 10               0.9999545        1"), std::string::npos);
    EXPECT_EQ(Occurrences(run.Out, "Lag Output"), 1u);   // the table is printed once
}

TEST(Runner, SettingsAndSaveTakeEffect) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    const RunnerResult run = RunRunner({ExamplePath("First Order Lag.vqe"), "--set", "StopTime=5", "--set",
                                        "TimeUnits=min", "--csv", "-", "--save", folder + "/saved.vqe"},
                                       folder);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(CsvRows(run.Out).size(), 51u);
    EXPECT_EQ(MessageLines(run.Err), std::vector<std::string>{"Simulation Saved: " + folder + "/saved.vqe"});
    std::ifstream saved(folder + "/saved.vqe", std::ios::binary);
    std::string line;
    for (int i = 0; i < 6; ++i) std::getline(saved, line);
    EXPECT_EQ(line, "\"min\"\r");
}

TEST(Runner, RunErrorNamesTheBlockAndExitsOne) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    TestSimulation t(Begin::Started);
    t.Add(1, "One", {}, 1);
    t.Add(1, "Zero");
    t.Add(18, "Ratio");
    t.Add(42, "Display");
    t.Connect({{"One", "Ratio", 1}, {"Zero", "Ratio", 2}, {"Ratio", "Display"}});
    Simulation& sim = t.Sim;
    ASSERT_TRUE(SaveSimulation(sim, folder + "/divide.vqe"));

    const RunnerResult run = RunRunner({folder + "/divide.vqe"}, folder);
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("run error: block 3 \"Ratio\" at time 0 sec: Division by zero"), std::string::npos)
        << run.Err;
}

TEST(Runner, UsageAndLoadErrorsExitTwo) {
    const testing::ScratchFolder scratch;
    const std::string folder = scratch.Path.string();
    const RunnerResult help = RunRunner({"--help"}, folder);
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Out, RunnerUsage());
    const struct {
        std::vector<std::string> Args;
        std::string Err;
    } cases[] = {
        {{}, "quorvane-run: no model file given\nTry quorvane-run --help\n"},
        {{"missing.vqe"}, "quorvane-run: no model file missing.vqe\n"},
        {{ExamplePath("First Order Lag.vqe"), "--form", "2"}, "quorvane-run: form 2 is not in the model\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Err);
        const RunnerResult run = RunRunner(c.Args, folder);
        EXPECT_EQ(run.Status, 2);
        EXPECT_EQ(run.Err, c.Err);
    }
    std::ofstream(folder + "/broken.vqe") << "\"broken.vqe\"\r\n\"x\"\r\nnot a number\r\n";
    const RunnerResult broken = RunRunner({folder + "/broken.vqe"}, folder);
    EXPECT_EQ(broken.Status, 2);
    EXPECT_EQ(MessageLines(broken.Err).size(), 1u) << broken.Err;
}

}  // namespace quorvane
