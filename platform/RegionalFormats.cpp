#include "platform/Platform.h"

namespace platform {

namespace {

char Separator(const std::string& pattern, const char* letters, char fallback) {
    for (const char c : pattern)
        if (std::string(letters).find(c) == std::string::npos) return c;
    return fallback;
}

void Replace(std::string& pattern, char from, char to) {
    for (char& c : pattern)
        if (c == from) c = to;
}

}  // namespace

RegionalFormats RegionalFormatsFrom(std::string shortDate, std::string longTime) {
    RegionalFormats f;
    f.dateSeparator = Separator(shortDate, "dmy", '/');
    f.timeSeparator = Separator(longTime, "hnsampAMP ", ':');
    Replace(shortDate, f.dateSeparator, '/');
    Replace(longTime, f.timeSeparator, ':');
    f.shortDate = std::move(shortDate);
    f.longTime = std::move(longTime);
    return f;
}

}  // namespace platform
