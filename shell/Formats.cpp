#include "shell/Formats.h"

#include <cctype>
#include <cstdio>

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
    while (pos + n < text.size() &&
           std::tolower(static_cast<unsigned char>(text[pos + n])) == c)
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
        const std::size_t n = std::string("dmyhnsz").find(lc) != std::string::npos
                                  ? RunLength(pattern, i)
                                  : 0;
        switch (lc) {
            case 'd': r += Digits(p.date.day, n >= 2 ? 2 : 1); break;
            case 'm': r += Digits(p.date.month, n >= 2 ? 2 : 1); break;
            case 'y':
                r += n >= 3 ? Digits(p.date.year, 4) : Digits(p.date.year % 100, 2);
                break;
            case 'h': {
                int h = p.time.hour;
                if (twelveHour) h = h % 12 == 0 ? 12 : h % 12;
                r += Digits(h, n >= 2 ? 2 : 1);
                break;
            }
            case 'n': r += Digits(p.time.minute, n >= 2 ? 2 : 1); break;
            case 's': r += Digits(p.time.second, n >= 2 ? 2 : 1); break;
            case 'z': r += Digits(p.time.millisecond, n >= 3 ? 3 : 1); break;
            default: r += c; i += 1; continue;
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

std::string DateTimeToStr(TDateTime value) { return DateTimeToStr(value, AppFormats()); }

std::string DateToStr(TDateTime value) {
    return FormatDateTime(AppFormats().ShortDateFormat, value);
}
