#include <gtest/gtest.h>

#include "shell/DateTime.h"

namespace {

struct DateCase {
    int year, month, day;
    double serial;
};

TEST(DateTime, EncodeDateMatchesKnownDayCounts) {
    const DateCase cases[] = {
        {1899, 12, 30, 0},    {1900, 1, 1, 2},      {2000, 1, 1, 36526},
        {2023, 4, 19, 45035}, {2024, 2, 29, 45351}, {1899, 12, 29, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.serial);
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
        const DateTimeParts back = DecodeDateTime(c.serial);
        EXPECT_EQ(back.date.year, c.year);
        EXPECT_EQ(back.date.month, c.month);
        EXPECT_EQ(back.date.day, c.day);
    }
}

TEST(DateTime, TimeRoundTripsToTheMillisecond) {
    const TimeParts cases[] = {{0, 0, 0, 0}, {9, 53, 48, 0}, {23, 59, 59, 999}, {12, 0, 0, 1}};
    for (const auto& t : cases) {
        const TDateTime value =
            EncodeDate(2026, 12, 11) + EncodeTime(t.hour, t.minute, t.second, t.millisecond);
        const DateTimeParts back = DecodeDateTime(value);
        EXPECT_EQ(back.date.day, 11);
        EXPECT_EQ(back.time.hour, t.hour);
        EXPECT_EQ(back.time.minute, t.minute);
        EXPECT_EQ(back.time.second, t.second);
        EXPECT_EQ(back.time.millisecond, t.millisecond);
    }
}

TEST(DateTime, InvalidPartsAreRefused) {
    EXPECT_THROW(EncodeDate(2023, 2, 29), std::invalid_argument);
    EXPECT_THROW(EncodeDate(2024, 13, 1), std::invalid_argument);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), std::invalid_argument);
    EXPECT_THROW(EncodeTime(10, 60, 0, 0), std::invalid_argument);
}

TEST(DateTime, AValueAHairBeforeMidnightRoundsIntoTheNextDay) {
    const TDateTime almost = EncodeDate(2024, 12, 31) + 0.99999999999;
    const DateTimeParts p = DecodeDateTime(almost);
    EXPECT_EQ(p.date.year, 2025);
    EXPECT_EQ(p.time.hour, 0);
}

}  // namespace
