#include "forms/print_format.h"

#include <string>

#include <gtest/gtest.h>

#include "model/edit_history.h"
#include "model/model.h"

namespace quorvane {

TEST(PrintFormat, DoneClampsDigitCountsAndSetsModes) {
    struct Case {
        const char* Typed;
        int Stored;
    };
    const Case cases[] = {{"-1", 0}, {"0", 0}, {"abc", 0}, {"3", 3}, {"6", 6}, {"6.5", 7}, {"9", 7}, {"12", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Typed);
        Settings settings;
        EditHistory history;
        ApplyPrintFormat(settings, history, {true, false, c.Typed, "2", "5", c.Typed});
        EXPECT_EQ(settings.DataDigitsBefore, c.Stored);
        EXPECT_EQ(settings.DataDigitsAfter, 2);
        EXPECT_EQ(settings.TimeDigitsBefore, 5);
        EXPECT_EQ(settings.TimeDigitsAfter, c.Stored);
        EXPECT_EQ(settings.DataColumnFormatMode, 1);
        EXPECT_EQ(settings.TimeColumnFormatMode, 0);
    }
}

TEST(PrintFormat, ReopeningShowsWhatWasStored) {
    Settings settings;
    EditHistory history;
    ApplyPrintFormat(settings, history, {false, true, "4", "3", "2", "1"});
    const PrintFormatDialog shown = LoadPrintFormat(settings);
    EXPECT_FALSE(shown.DataUseFormat);
    EXPECT_TRUE(shown.TimeUseFormat);
    EXPECT_EQ(shown.Text1 + shown.Text2 + shown.Text3 + shown.Text4, "4321");
}

TEST(PrintFormat, SampleFollowsTheDigitBoxes) {
    struct Case {
        const char* Before;
        const char* After;
        const char* Data;
        const char* Time;
    };
    const Case cases[] = {
        {"6", "2", "+123456.12", "+123456.12"},
        {"5", "1", "+12345.1", "+12345.1"},
        {"0", "3", "+.123", "+.123"},
        {"2", "0", "+12.", "+12."},
        {"-1", "-4", "+.", "+."},
        {"9", "9", "+1234567.1234567", "+123456.123456"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Before) + " / " + c.After);
        EXPECT_EQ(DataFormatSample(c.Before, c.After), c.Data);
        EXPECT_EQ(TimeFormatSample(c.Before, c.After), c.Time);
    }
}

}  // namespace quorvane
