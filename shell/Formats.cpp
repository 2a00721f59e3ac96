#include "shell/Formats.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace {

std::string Digits(int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

bool StartsWith(const std::string& text, std::size_t pos, const char* prefix) {
    for (std::size_t i = 0; prefix[i]; ++i) {
        if (pos + i >= text.size() ||
            std::tolower(static_cast<unsigned char>(text[pos + i])) != prefix[i])
            return false;
    }
    return true;
}

std::size_t RunLength(const std::string& text, std::size_t pos) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[pos])));
    std::size_t n = 0;
    while (pos + n < text.size() && std::tolower(static_cast<unsigned char>(text[pos + n])) == c)
        ++n;
    return n;
}

}  // namespace

FormatSettings& AppFormats() {
    static FormatSettings formats;
    return formats;
}

std::string FormatDateTime(const std::string& pattern, TDateTime value, const FormatSettings& f) {
    const DateTimeParts p = DecodeDateTime(value);
    const bool twelveHour = pattern.find("ampm") != std::string::npos ||
                            pattern.find("AMPM") != std::string::npos ||
                            pattern.find("am/pm") != std::string::npos;
    std::string r;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        const char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '\'' || c == '"') {
            const std::size_t end = pattern.find(c, i + 1);
            const std::size_t upTo = end == std::string::npos ? pattern.size() : end;
            r += pattern.substr(i + 1, upTo - i - 1);
            i = upTo + 1;
            continue;
        }
        if (StartsWith(pattern, i, "am/pm")) {
            r += p.time.hour < 12 ? "am" : "pm";
            i += 5;
            continue;
        }
        if (StartsWith(pattern, i, "ampm")) {
            r += p.time.hour < 12 ? "AM" : "PM";
            i += 4;
            continue;
        }
        if (c == '/') {
            r += f.DateSeparator;
            ++i;
            continue;
        }
        if (c == ':') {
            r += f.TimeSeparator;
            ++i;
            continue;
        }
        const std::size_t n =
            std::string("dmyhnsz").find(lc) != std::string::npos ? RunLength(pattern, i) : 0;
        switch (lc) {
            case 'd':
                r += Digits(p.date.day, n >= 2 ? 2 : 1);
                break;
            case 'm':
                r += Digits(p.date.month, n >= 2 ? 2 : 1);
                break;
            case 'y':
                r += n >= 3 ? Digits(p.date.year, 4) : Digits(p.date.year % 100, 2);
                break;
            case 'h': {
                int h = p.time.hour;
                if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
                r += Digits(h, n >= 2 ? 2 : 1);
                break;
            }
            case 'n':
                r += Digits(p.time.minute, n >= 2 ? 2 : 1);
                break;
            case 's':
                r += Digits(p.time.second, n >= 2 ? 2 : 1);
                break;
            case 'z':
                r += Digits(p.time.millisecond, n >= 3 ? 3 : 1);
                break;
            default:
                r += c;
                i += 1;
                continue;
        }
        i += n;
    }
    return r;
}

std::string FormatDateTime(const std::string& pattern, TDateTime value) {
    return FormatDateTime(pattern, value, AppFormats());
}

std::string DateTimeToStr(TDateTime value, const FormatSettings& f) {
    std::string r = FormatDateTime(f.ShortDateFormat, value, f);
    if (MillisecondsOfDay(value) != 0) r += ' ' + FormatDateTime(f.LongTimeFormat, value, f);
    return r;
}

std::string DateTimeToStr(TDateTime value) {
    return DateTimeToStr(value, AppFormats());
}

std::string DateToStr(TDateTime value) {
    return FormatDateTime(AppFormats().ShortDateFormat, value);
}

namespace {

// The runs of digits of `text`, and whether anything but blanks and `separator` stood between.
bool Numbers(const std::string& text, char separator, std::vector<int>& numbers,
             std::string& rest) {
    std::string digits;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
            if (digits.size() > 4) return false;
            continue;
        }
        if (!digits.empty()) numbers.push_back(std::stoi(digits));
        digits.clear();
        if (c == separator || c == ' ') continue;
        rest += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (!digits.empty()) numbers.push_back(std::stoi(digits));
    return true;
}

}  // namespace

std::optional<TDateTime> TryStrToDate(const std::string& text, const FormatSettings& f,
                                      TDateTime reference) {
    std::vector<int> numbers;
    std::string rest;
    if (!Numbers(text, f.DateSeparator, numbers, rest) || !rest.empty()) return std::nullopt;
    std::string order;
    for (const char c : f.ShortDateFormat) {
        const char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if ((l == 'd' || l == 'm' || l == 'y') && order.find(l) == std::string::npos) order += l;
    }
    if (order.size() != 3) order = "dmy";
    if (numbers.size() == 2) {
        order.erase(order.find('y'), 1);
        numbers.push_back(DecodeDateTime(reference).date.year);
        order += 'y';
    }
    if (numbers.size() != 3) return std::nullopt;
    int day = 0, month = 0, year = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (order[i] == 'd') day = numbers[i];
        if (order[i] == 'm') month = numbers[i];
        if (order[i] == 'y') year = numbers[i];
    }
    if (year < 100) year += 2000;
    if (!IsValidDate(year, month, day)) return std::nullopt;
    return EncodeDate(year, month, day);
}

std::optional<TDateTime> TryStrToTime(const std::string& text, const FormatSettings& f) {
    std::vector<int> numbers;
    std::string rest;
    if (!Numbers(text, f.TimeSeparator, numbers, rest)) return std::nullopt;
    if (numbers.size() < 2 || numbers.size() > 3) return std::nullopt;
    int hour = numbers[0];
    if (rest == "PM" || rest == "AM") {
        if (hour < 1 || hour > 12) return std::nullopt;
        hour = hour % 12 + (rest == "PM" ? 12 : 0);
    } else if (!rest.empty()) {
        return std::nullopt;
    }
    const int second = numbers.size() == 3 ? numbers[2] : 0;
    if (hour > 23 || numbers[1] > 59 || second > 59) return std::nullopt;
    return EncodeTime(hour, numbers[1], second, 0);
}
