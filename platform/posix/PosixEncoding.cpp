#include "platform/TextEncoding.h"

// 8-bit text files are UTF-8 here.
std::string platform::AnsiToUtf8(const std::string& bytes) { return bytes; }
std::string platform::Utf8ToAnsi(const std::string& utf8) { return utf8; }
