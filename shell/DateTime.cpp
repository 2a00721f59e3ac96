#include "shell/DateTime.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Howard Hinnant's days-from-civil, counted from 1970-01-01.
constexpr std::int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DateParts CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return {y, m, d};
}

constexpr std::int64_t kEpochOffset = -DaysFromCivil(1899, 12, 30);

std::int64_t TotalMilliseconds(TDateTime value) {
    return static_cast<std::int64_t>(std::llround(value * kMsPerDay));
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

TDateTime EncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day)) throw std::invalid_argument("Data inválida");
    return static_cast<double>(DaysFromCivil(year, month, day) + kEpochOffset);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        throw std::invalid_argument("Hora inválida");
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / kMsPerDay;
}

TDateTime EncodeDateTime(const DateTimeParts& p) {
    return EncodeDate(p.date.year, p.date.month, p.date.day) +
           EncodeTime(p.time.hour, p.time.minute, p.time.second, p.time.millisecond);
}

std::int64_t DayOf(TDateTime value) {
    const std::int64_t total = TotalMilliseconds(value);
    return total >= 0 ? total / kMsPerDay : -((-total + kMsPerDay - 1) / kMsPerDay);
}

std::int64_t MillisecondsOfDay(TDateTime value) {
    return TotalMilliseconds(value) - DayOf(value) * kMsPerDay;
}

DateTimeParts DecodeDateTime(TDateTime value) {
    DateTimeParts r;
    r.date = CivilFromDays(DayOf(value) - kEpochOffset);
    std::int64_t ms = MillisecondsOfDay(value);
    r.time.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    r.time.second = static_cast<int>(ms % 60);
    ms /= 60;
    r.time.minute = static_cast<int>(ms % 60);
    r.time.hour = static_cast<int>(ms / 60);
    return r;
}
