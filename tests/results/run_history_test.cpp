#include "results/run_history.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "results/display_buffer.h"

namespace quorvane {

namespace {

/// A finished run of one row per series, each holding `value`.
void Record(DisplayBuffer& display, const std::vector<std::string>& titles, float value) {
    display.ColumnCount = static_cast<int>(titles.size());
    display.RecordedCount = 1;
    for (int c = 1; c <= display.ColumnCount; ++c) {
        display.ColumnTitle[c] = titles[static_cast<std::size_t>(c - 1)];
        display.At(c, 1) = value;
    }
}

}  // namespace

TEST(RunHistory, KeepsFiveRunsBeforeTheLastMostRecentFirst) {
    const auto display = std::make_unique<DisplayBuffer>();
    RunHistory runs;
    for (int run = 1; run <= 7; ++run) {
        Record(*display, {"Out"}, static_cast<float>(run));
        runs.Keep(*display);
    }
    // Run 7 is the last; 6..2 are previous runs 1..5 and run 1 is dropped.
    ASSERT_EQ(runs.Previous().size(), RunHistory::PreviousLimit);
    for (std::size_t i = 0; i < runs.Previous().size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(runs.Previous()[i].Series[0].Values[0], static_cast<float>(6 - i));
    }

    // Clearing keeps the last run, which the next one pushes back; forgetting keeps nothing.
    runs.ClearPrevious();
    EXPECT_TRUE(runs.Previous().empty());
    Record(*display, {"Out"}, 8);
    runs.Keep(*display);
    ASSERT_EQ(runs.Previous().size(), 1u);
    EXPECT_EQ(runs.Previous()[0].Series[0].Values[0], 7);
    runs.Forget();
    runs.Keep(*display);
    EXPECT_TRUE(runs.Previous().empty());
}

TEST(RunHistory, PreviousSeriesAreFoundByTitle) {
    const auto display = std::make_unique<DisplayBuffer>();
    Record(*display, {"Speed", "Lag Output", "Speed", "New"}, 0);
    RecordedRun previous;
    for (const char* title : {"Lag Output", "Old", "Speed", "Speed", "Speed"}) {
        previous.Series.push_back({title, "", {}});
    }
    // The n-th "Speed" shown stands for the n-th recorded; a title no longer shown is not drawn.
    EXPECT_EQ(MatchByTitle(*display, previous), (std::vector<int>{2, 0, 3, -1}));
    EXPECT_EQ(PreviousRunName("Lag Output", 2), "Lag Output (run \xE2\x88\x92" "2)");
}

}  // namespace quorvane
