#include "engine/run_error_report.h"

#include <gtest/gtest.h>

#include "engine/engine_support.h"
#include "engine/run_error.h"

namespace quorvane {
namespace {

TEST(RunErrorReport, NamesTheFailingBlockAndTheTimeReached) {
    EngineModel m;
    m.Add(1, "Supply", {}, 1);
    const int divide = m.Add(18, "Ratio");
    m.Sim.Run.TimeUnits = "min";
    m.Sim.Status.CurrentTime = 2.5f;

    const RunErrorReport report = MakeRunErrorReport(m.Sim, 1, divide, DivisionByZeroText);
    EXPECT_EQ(report.TimeReached, "2.5");
    EXPECT_EQ(report.TimeUnits, "min");
    EXPECT_EQ(report.BlockTitle, "Ratio");
    EXPECT_EQ(report.Function, "Op=Ip1/ Ip2");
    EXPECT_EQ(report.Error, "Division by zero");
    EXPECT_EQ(report.Form, 1);
    EXPECT_EQ(report.Block, divide);

    const RunErrorReport outside = MakeRunErrorReport(m.Sim, 1, 0, OverflowText);
    EXPECT_EQ(outside.Block, 0);
    EXPECT_EQ(outside.BlockTitle, "");
    EXPECT_EQ(outside.Function, "");
    EXPECT_EQ(outside.Error, "Overflow");
}

TEST(RunErrorReport, HandOffFaultsNameTheActivityOrTheGraphRange) {
    EngineModel m;
    struct Case {
        const char* Activity;
        float YRange;
        const char* Text;
    };
    const Case cases[] = {
        {"FFT", 5e9f, "Error encountered during FFT - Overflow"},
        {"Printing or Tabulating", 0, "Error encountered during Printing or Tabulating - Overflow"},
        {"Graphical Display", 1e9f, "Error encountered during Graphical Display - Overflow"},
        {"Graphical Display", 2e9f, "Graphical Display Error -Y range: 2E+09  too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        m.Sim.Status.CurrentActivity = c.Activity;
        m.Sim.Graph.YRange = c.YRange;
        EXPECT_EQ(HandOffErrorText(m.Sim, OverflowText), c.Text);
    }
}

}  // namespace
}  // namespace quorvane
