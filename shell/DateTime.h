#pragma once

#include <cstdint>

// Date-time as a count of days since 30 December 1899; the fraction is the time of day.
using TDateTime = double;

struct DateParts {
    int year = 1899;
    int month = 12;
    int day = 30;
};

struct TimeParts {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

struct DateTimeParts {
    DateParts date;
    TimeParts time;
};

// Both throw std::invalid_argument for a date or time that does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
TDateTime EncodeDateTime(const DateTimeParts& parts);
DateTimeParts DecodeDateTime(TDateTime value);

// Whole days and time of day in milliseconds, after rounding to the nearest millisecond.
std::int64_t DayOf(TDateTime value);
std::int64_t MillisecondsOfDay(TDateTime value);

bool IsValidDate(int year, int month, int day);
