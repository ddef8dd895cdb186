#include <gtest/gtest.h>

#include <sstream>

#include "results/recorded_runs.h"

namespace quorvane {

namespace {

RecordedRun Finished(std::vector<RunValue> values, std::vector<float> time, std::vector<RecordedSeries> series) {
    return {std::move(values), "", "sec", std::move(time), std::move(series)};
}

}  // namespace

TEST(RecordedRuns, SummaryGivesEachSeriesFiguresAndEachFailure) {
    // Worked by hand: final 2, minimum -1, maximum 3 first reached at 0.5 (again at 1.5).
    const std::vector<RecordedRun> runs{
        Finished({{"Gain.K1", "2"}}, {0, 0.5f, 1, 1.5f, 2}, {{"Out, filtered", "V", {0, 3, -1, 3, 2}}}),
        {{{"Gain.K1", "0"}}, "Gain Value cannot be negative or zero", "", {}, {}},
    };
    std::ostringstream out;
    WriteRunsSummary(runs, out);
    EXPECT_EQ(out.str(),
              "Gain.K1,\"Out, filtered final\",\"Out, filtered minimum\",\"Out, filtered maximum\","
              "\"Out, filtered time of maximum\",Failure\n"
              "2,2,-1,3,0.5,\n"
              "0,,,,,Gain Value cannot be negative or zero\n");
}

TEST(RecordedRuns, TableHoldsEveryFinishedRunAndReadsBack) {
    const std::vector<RecordedRun> runs{
        Finished({{"Lag.K1", "1"}}, {0, 0.1f, 0.2f}, {{"Out", "V", {0, 0.25f, 0.5f}}}),
        {{{"Lag.K1", "0"}}, "refused", "", {}, {}},
        // Ended early: its fields stay empty below its last row.
        Finished({{"Lag.K1", "2"}}, {0, 0.1f}, {{"Out", "V", {1, 1e-7f}}}),
    };
    std::ostringstream out;
    WriteRunsCsv(runs, out);
    EXPECT_EQ(out.str(),
              "Time,Out [Lag.K1=1],Out [Lag.K1=2]\n"
              "0,0,1\n"
              "0.100000001,0.25,1.00000001e-07\n"
              "0.200000003,0.5,\n");

    // One run's table, a quoted title among its headings, reads back float for float.
    RecordedRun read;
    std::string error;
    ASSERT_TRUE(ReadRecordedCsv("Time,\"Out, \"\"raw\"\"\",B\r\n0,1.5,-2\r\n0.100000001,1.00000001e-07,3\r\n", read, error))
        << error;
    ASSERT_EQ(read.Series.size(), 2u);
    EXPECT_EQ(read.Series[0].Title, "Out, \"raw\"");
    EXPECT_EQ(read.Time, (std::vector<float>{0, 0.1f}));
    EXPECT_EQ(read.Series[0].Values, (std::vector<float>{1.5f, 1e-7f}));
    EXPECT_EQ(read.Series[1].Values, (std::vector<float>{-2, 3}));

    const struct {
        const char* Text;
        const char* Error;
    } bad[] = {
        {"", "the table is empty"},
        {"Time,A\n0,1,2\n", "line 2 has 3 fields, not 2"},
        {"Time,A\n0,x\n", "line 2 holds \"x\", which is not a number"},
    };
    for (const auto& c : bad) {
        SCOPED_TRACE(c.Text);
        EXPECT_FALSE(ReadRecordedCsv(c.Text, read, error));
        EXPECT_EQ(error, c.Error);
    }
}

}  // namespace quorvane
