#include "shell/TextCodec.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::string& out, char16_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

}  // namespace

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point at `i` of UTF-8 text, moving `i` past it; U+FFFD for a malformed byte.
char32_t NextCodePoint(const std::string& s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b < 0x80         ? 0
                      : (b >> 5) == 6  ? 1
                      : (b >> 4) == 14 ? 2
                      : (b >> 3) == 30 ? 3
                                       : -1;
    if (extra < 0 || (extra > 0 && i + extra >= s.size())) {
        ++i;
        return kReplacement;
    }
    char32_t c = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto cont = static_cast<unsigned char>(s[i + k]);
        if ((cont & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        c = (c << 6) | (cont & 0x3F);
    }
    i += extra + 1;
    return c;
}

}  // namespace

std::string EncodeUtf8(char32_t c) {
    std::string out;
    AppendUtf8(out, c);
    return out;
}

std::u32string DecodeUtf8(const std::string& s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) out += NextCodePoint(s, i);
    return out;
}

std::string Utf16LeToUtf8(const std::string& bytes) {
    std::string out;
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, u >= 0xD800 && u <= 0xDFFF ? kReplacement : u);
    }
    return out;
}

std::string Utf8ToUtf16Le(const std::string& utf8) {
    std::string out;
    for (const char32_t c : DecodeUtf8(utf8)) {
        if (c >= 0x10000) {
            AppendUtf16(out, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            AppendUtf16(out, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            AppendUtf16(out, static_cast<char16_t>(c));
        }
    }
    return out;
}

namespace {

// 0x80 to 0x9F; the five bytes the code page leaves undefined keep their C1 code points.
constexpr char16_t kHigh1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string Windows1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t ascii = i;  // copy runs of plain ASCII whole
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
        out.append(bytes, i, ascii - i);
        if (ascii == bytes.size()) break;
        const auto b = static_cast<unsigned char>(bytes[ascii]);
        AppendUtf8(out, b < 0xA0 ? kHigh1252[b - 0x80] : b);
        i = ascii + 1;
    }
    return out;
}

std::string Utf8ToWindows1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {  // the common case, byte for byte
            out += utf8[i++];
            continue;
        }
        out += NextWindows1252Byte(utf8, i);
    }
    return out;
}

char NextWindows1252Byte(const std::string& utf8, std::size_t& i) {
    const char32_t c = NextCodePoint(utf8, i);
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int k = 0; k < 32; ++k)
        if (kHigh1252[k] == c) return static_cast<char>(0x80 + k);
    return '?';
}
