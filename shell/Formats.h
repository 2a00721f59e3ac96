#pragma once

#include <optional>
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

// Reads a date written in the short date format (day, month and year in its order; a two-digit
// year is taken as 20yy; a missing year is this one of `reference`). Nothing for an invalid text.
std::optional<TDateTime> TryStrToDate(const std::string& text, const FormatSettings& f,
                                      TDateTime reference = 0);
// Reads "h:n" or "h:n:s", with an optional AM/PM. Nothing for an invalid text.
std::optional<TDateTime> TryStrToTime(const std::string& text, const FormatSettings& f);
