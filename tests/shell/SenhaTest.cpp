#include <gtest/gtest.h>

#include "shell/Formats.h"
#include "shell/uFuncoesSenhaZelko.h"

namespace {

// Worked out by hand from the derivation with this program's constants.
struct SenhaCase {
    const char* name;
    int year, month, day, hour, minute;
    const char* vorlen;
    const char* dos;
    const char* senha;
};

const SenhaCase kCases[] = {
    {"midnight, one-digit day and month", 2024, 1, 1, 0, 0, "070100", "010105", "0B001B"},
    {"nine o'clock", 2024, 3, 5, 9, 30, "23031B", "143959", "BE329E"},
    {"ten o'clock, one-digit day", 2024, 7, 9, 10, 59, "3F071E", "194765", "EF437F"},
    {"eleven o'clock", 2024, 7, 9, 11, 0, "3F0721", "205171", "1A531A"},
    {"last hour of the year", 2024, 12, 31, 23, 59, "D90C45", "54104143", "5A4D1A"},
};

TEST(Senha, DerivationTable) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const TDateTime moment =
            EncodeDate(c.year, c.month, c.day) + EncodeTime(c.hour, c.minute, 0, 0);
        EXPECT_EQ(SenhaVorlen(moment), c.vorlen);
        EXPECT_EQ(SenhaDos(moment), c.dos);
        EXPECT_EQ(SenhaSupervisor(moment), c.senha);
    }
}

TEST(Senha, SameForTheWholeHourAndEveryYear) {
    const TDateTime start = EncodeDate(2024, 7, 9) + EncodeTime(10, 0, 0, 0);
    const TDateTime end = EncodeDate(2024, 7, 9) + EncodeTime(10, 59, 59, 999);
    const TDateTime nextYear = EncodeDate(2031, 7, 9) + EncodeTime(10, 15, 0, 0);
    EXPECT_EQ(SenhaSupervisor(start), "EF437F");
    EXPECT_EQ(SenhaSupervisor(end), "EF437F");
    EXPECT_EQ(SenhaSupervisor(nextYear), "EF437F");
    EXPECT_EQ(SenhaSupervisor(end + 1.0 / 86400000), "1A531A");
}

TEST(Senha, RegionalTimeFormatDoesNotMatter) {
    FormatSettings& formats = AppFormats();
    const FormatSettings saved = formats;
    formats.LongTimeFormat = "h:nn:ss ampm";  // a one-digit, 12-hour clock
    const TDateTime moment = EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 0, 0);
    EXPECT_EQ(SenhaSupervisor(moment), "5A4D1A");
    formats = saved;
}

TEST(Senha, DerivationSwitchesTheShortDateFormatKeepingTheSeparator) {
    FormatSettings& formats = AppFormats();
    const FormatSettings saved = formats;
    formats.ShortDateFormat = "yyyy-mm-dd";
    formats.DateSeparator = '.';
    SenhaSupervisor(EncodeDate(2024, 3, 5));
    EXPECT_EQ(formats.ShortDateFormat, "dd/mm/yy");
    EXPECT_EQ(DateToStr(EncodeDate(2024, 3, 5)), "05.03.24");
    formats = saved;
}

TEST(Senha, InverteString) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"A", "A"}, {"AB", "BA"}, {"123456", "654321"}, {"5A4D1A", "A1D4A5"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(InverteString(in), out) << in;
}

}  // namespace
