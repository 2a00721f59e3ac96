#include "shell/uFuncoesSenhaZelko.h"

#include <cstdio>
#include <string>

#include "shell/Formats.h"

namespace {

constexpr int cDayMultiplier = 7;
constexpr int cHourMultiplier = 3;
constexpr int cFirstHourMultiplier = 4;
constexpr int cSecondHourMultiplier = 6;
constexpr int cDosAddend = 5;

struct Moment {
    int day;
    int month;
    int hour;
};

// Day, month and 24-hour hour come from the value itself, so no regional time format can make
// the derivation fail or pick a 12-hour clock.
Moment ReadMoment(TDateTime pDataHora) {
    AppFormats().ShortDateFormat = "dd/mm/yy";
    const DateTimeParts p = DecodeDateTime(pDataHora);
    return {p.date.day, p.date.month, p.time.hour};
}

std::string Hex2(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02X", v);
    return buf;
}

std::string Dec2(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

// Character n counting from 1; nothing when the text is shorter.
std::string Char(const std::string& s, std::size_t n) {
    return n >= 1 && n <= s.size() ? std::string(1, s[n - 1]) : std::string();
}

std::string VorlenOf(const Moment& p) {
    return Hex2(p.day * cDayMultiplier) + Hex2(p.month) + Hex2(p.hour * cHourMultiplier);
}

std::string SenhaVorlen2(TDateTime pDataHora) {
    const std::string a = SenhaVorlen(pDataHora);
    const std::string b = InverteString(SenhaDos(pDataHora));
    const int n = std::stoi(Char(b, 3) + Char(b, 5));
    return Char(a, 1) + Hex2(n) + Char(a, 2) + Char(b, 4) + Char(a, 6);
}

}  // namespace

std::string SenhaVorlen(TDateTime pDataHora) {
    return VorlenOf(ReadMoment(pDataHora));
}

std::string SenhaDos(TDateTime pDataHora) {
    const Moment p = ReadMoment(pDataHora);
    const int a = p.hour + p.day;
    const int b = p.hour * cFirstHourMultiplier + p.month;
    const int c = p.hour * cSecondHourMultiplier + cDosAddend;
    return Dec2(a) + Dec2(b) + Dec2(c);
}

std::string InverteString(const std::string& pStr) {
    return std::string(pStr.rbegin(), pStr.rend());
}

std::string SenhaSupervisor(TDateTime pDataHora) {
    const std::string p = VorlenOf(ReadMoment(pDataHora));
    const std::string q = InverteString(SenhaVorlen2(pDataHora));
    const std::string r = InverteString(SenhaDos(pDataHora));
    return Char(p, 6) + Char(q, 4) + Char(q, 2) + Char(q, 6) + Char(r, 3) + Char(q, 4);
}
