#pragma once

#include <string>

#include "shell/DateTime.h"

// Patterns use d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss, zzz and ampm; "/" and ":" stand for
// the separators; text in single or double quotes is copied as it is.
struct FormatSettings {
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongTimeFormat = "hh:nn:ss";
    char DateSeparator = '/';
    char TimeSeparator = ':';
};

// The one set of formats the whole program prints and reads dates with.
FormatSettings& AppFormats();

std::string FormatDateTime(const std::string& pattern, TDateTime value, const FormatSettings& f);
std::string FormatDateTime(const std::string& pattern, TDateTime value);

// Short date, a blank and the long time; the time is left out at exactly midnight.
std::string DateTimeToStr(TDateTime value, const FormatSettings& f);
std::string DateTimeToStr(TDateTime value);
std::string DateToStr(TDateTime value);
