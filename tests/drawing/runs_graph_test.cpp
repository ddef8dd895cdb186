#include <gtest/gtest.h>

#include "drawing/runs_graph.h"

namespace quorvane {

namespace {

std::vector<RecordedRun> Runs(int count, int series) {
    std::vector<RecordedRun> runs(static_cast<std::size_t>(count));
    for (int r = 0; r < count; ++r) {
        RecordedRun& run = runs[static_cast<std::size_t>(r)];
        run.Values = {{"G.K1", std::to_string(r + 1)}};
        run.Time = {0, 1};
        for (int s = 0; s < series; ++s) run.Series.push_back({"S" + std::to_string(s + 1), "V", {0, 1}});
    }
    return runs;
}

std::vector<std::string> Titles(const std::vector<KeyEntry>& key) {
    std::vector<std::string> titles;
    for (const KeyEntry& entry : key) titles.push_back(entry.Title);
    return titles;
}

}  // namespace

TEST(RunsGraph, KeyNamesRunsThenSeriesWithinTenRows) {
    // A row per finished run in its colour, then a row per series in its style.
    std::vector<RecordedRun> runs = Runs(3, 2);
    runs[1].Failure = "refused";
    std::vector<KeyEntry> key = RunsKey(runs);
    EXPECT_EQ(Titles(key), (std::vector<std::string>{"G.K1=1", "G.K1=3", "S1", "S2"}));
    EXPECT_EQ(key[1].Pen, RunColour(2));
    EXPECT_EQ(key[3].Style, SeriesStyle(1));
    EXPECT_NE(SeriesStyle(0), SeriesStyle(1));

    // Values too long for a row are named by their fields alone.
    runs = Runs(2, 1);
    for (RecordedRun& run : runs) run.Values.push_back({"Second Gain Block.K2", "0.125"});
    EXPECT_EQ(Titles(RunsKey(runs)), (std::vector<std::string>{"K1=1; K2=0.125", "K1=2; K2=0.125", "S1"}));

    // Nine runs and three series: nine rows, and the tenth counts the three left out.
    key = RunsKey(Runs(9, 3));
    ASSERT_EQ(key.size(), 10u);
    EXPECT_EQ(key[8].Title, "G.K1=9");
    EXPECT_EQ(key[9].Title, "+ 3 more not shown");
}

}  // namespace quorvane
