#include <gtest/gtest.h>

#include "shell/Formats.h"

namespace {

struct PatternCase {
    const char* pattern;
    const char* expected;
};

TEST(Formats, PatternsPrintTheirParts) {
    FormatSettings f;
    f.DateSeparator = '-';
    f.TimeSeparator = '.';
    const TDateTime value = EncodeDate(2024, 3, 5) + EncodeTime(9, 7, 4, 12);
    const PatternCase cases[] = {
        {"dd/mm/yyyy", "05-03-2024"}, {"d/m/yy", "5-3-24"}, {"dd/mm/yy", "05-03-24"},
        {"hh:nn:ss", "09.07.04"},     {"h:nn", "9.07"},     {"hh:nn:ss.zzz", "09.07.04.012"},
        {"h:nn ampm", "9.07 AM"},     {"'at' hh", "at 09"}, {"yyyy-mm-dd", "2024-03-05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateTime(c.pattern, value, f), c.expected) << c.pattern;
}

TEST(Formats, TwelveHourClockAroundNoonAndMidnight) {
    const FormatSettings f;
    EXPECT_EQ(FormatDateTime("h:nn ampm", EncodeTime(0, 5, 0, 0), f), "12:05 AM");
    EXPECT_EQ(FormatDateTime("h:nn ampm", EncodeTime(12, 5, 0, 0), f), "12:05 PM");
    EXPECT_EQ(FormatDateTime("h:nn ampm", EncodeTime(23, 5, 0, 0), f), "11:05 PM");
}

TEST(Formats, DateTimeTextLeavesTheTimeOutAtExactlyMidnight) {
    const FormatSettings f;  // dd/mm/yyyy hh:nn:ss
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 12, 9) + EncodeTime(14, 30, 5, 0), f),
              "09/12/2024 14:30:05");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 12, 9), f), "09/12/2024");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 12, 9) + EncodeTime(0, 0, 0, 1), f),
              "09/12/2024 00:00:00");
}

}  // namespace
