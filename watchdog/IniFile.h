#pragma once

#include <string>

// INI files read and written the way the Windows profile-string functions do: section and key
// names match whatever their letter case, the first matching section (and in it the first
// matching key) wins, the value loses surrounding blanks and one enclosing pair of quotes, and
// ";" lines are comments; a line without "=" is a key without a value. Unlike Windows, a value is returned whole, whatever its length.

// The value, or the empty string for a missing section or key.
std::string ProfileValue(const std::string& text, const std::string& section,
                         const std::string& key);

// `text` with the value written: in place when the key exists, otherwise after the last line
// of its section, or in a new section at the end. Every other byte stays as it was.
std::string WithProfileValue(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value);

// File versions: a missing or unreadable file reads as empty; a file that begins with a
// UTF-16 LE byte-order mark is read and written as UTF-16 LE, any other as 8-bit text.
std::string ReadIniValue(const std::string& path, const std::string& section,
                              const std::string& key);
// Throws std::runtime_error("Unable to write to <path>") when the file cannot be written.
void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);
