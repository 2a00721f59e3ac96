#include <gtest/gtest.h>

#include "wakeup/HoraCheck.h"

namespace {

struct HoraCase {
    const char* name;
    const char* sHoraBefore;
    const char* text;  // as the field shows it, blanks for unfilled positions
    const char* sHoraAfter;
    bool ok;
};

TEST(VerHoraOk, CompletionAndRange) {
    const HoraCase cases[] = {
        {"all blank", "09:53:48", "  :  ", "09:53:48", true},
        {"first hour and first minute digits", "09:53:48", "1 :3 ", "19:33:48", true},
        {"complete", "09:53:48", "23:59", "23:59:48", true},
        {"hour 24", "09:53:48", "24:00", "24:00:48", false},
        {"minute 60", "09:53:48", "12:60", "12:60:48", false},
        {"corrected after minute 60", "12:60:48", "12:59", "12:59:48", true},
        {"midnight", "09:53:48", "00:00", "00:00:48", true},
        {"blanks take the invalid donor", "24:00:48", "  :15", "24:15:48", false},
        {"short text", "09:53:48", "1", "19:53:48", true},
        {"empty text", "07:15:00", "", "07:15:00", true},
        {"letters count as blanks", "09:53:48", "ab:cd", "09:53:48", true},
        {"carried seconds out of range", "10:00:75", "10:00", "10:00:75", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string sHora = c.sHoraBefore;
        const HoraCompletada r = VerHoraOk(c.text, sHora);
        EXPECT_EQ(sHora, c.sHoraAfter);
        EXPECT_EQ(r.sa, c.sHoraAfter);
        EXPECT_EQ(r.ok, c.ok);
    }
}

}  // namespace
