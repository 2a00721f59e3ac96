#pragma once

#include <string>

// UTF-16 little-endian bytes (no byte-order mark) to UTF-8 and back. Unpaired surrogates
// become U+FFFD.
std::string Utf16LeToUtf8(const std::string& bytes);
std::string Utf8ToUtf16Le(const std::string& utf8);

// Code points of UTF-8 text; a malformed byte is taken as U+FFFD.
std::u32string DecodeUtf8(const std::string& utf8);
std::string EncodeUtf8(char32_t codePoint);

// Windows-1252 bytes to UTF-8 and back; a character the code page cannot hold becomes "?".
std::string Windows1252ToUtf8(const std::string& bytes);
std::string Utf8ToWindows1252(const std::string& utf8);
// The Windows-1252 byte of the UTF-8 character at `i` (a non-ASCII one), moving `i` past it.
char NextWindows1252Byte(const std::string& utf8, std::size_t& i);
