#include <windows.h>

#include "platform/TextEncoding.h"

namespace {

std::string Convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return {};
    const int wide = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0);
    std::wstring buffer(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), buffer.data(), wide);
    const int n = WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(to, 0, buffer.data(), wide, out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

std::string platform::AnsiToUtf8(const std::string& bytes) { return Convert(bytes, CP_ACP, CP_UTF8); }
std::string platform::Utf8ToAnsi(const std::string& utf8) { return Convert(utf8, CP_UTF8, CP_ACP); }
