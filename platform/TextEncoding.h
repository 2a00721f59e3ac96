#pragma once

#include <string>

namespace platform {

// The machine's 8-bit code page for text files (the ANSI code page on Windows, UTF-8
// elsewhere) to UTF-8 and back.
std::string AnsiToUtf8(const std::string& bytes);
std::string Utf8ToAnsi(const std::string& utf8);

}  // namespace platform
