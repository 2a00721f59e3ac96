#include "watchdog/IniFile.h"

#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/TextEncoding.h"
#include "shell/FileIO.h"
#include "shell/TextCodec.h"

namespace {

const std::string kUtf16Bom = "\xFF\xFE";
const std::string kUtf8Bom = "\xEF\xBB\xBF";
const char* const kBlanks = " \t";

struct Line {
    std::size_t start;  // first byte of the line
    std::size_t end;    // one past its last byte, line ending excluded
    std::size_t next;   // first byte of the following line
    enum Kind { kOther, kSection, kKey } kind = kOther;
    std::string name;        // section or key name
    std::size_t equals = 0;  // position of "=" in a key line
};

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

std::string Trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

std::vector<Line> SplitLines(const std::string& text, std::size_t from) {
    std::vector<Line> lines;
    for (std::size_t pos = from; pos < text.size();) {
        Line line;
        line.start = pos;
        const std::size_t lf = text.find('\n', pos);
        line.next = lf == std::string::npos ? text.size() : lf + 1;
        line.end = lf == std::string::npos ? text.size() : lf;
        if (line.end > line.start && text[line.end - 1] == '\r') --line.end;
        pos = line.next;

        const std::string body = text.substr(line.start, line.end - line.start);
        const std::size_t first = body.find_first_not_of(kBlanks);
        if (first == std::string::npos || body[first] == ';') {
            lines.push_back(line);
            continue;
        }
        const std::size_t close = body.rfind(']');
        if (body[first] == '[' && close != std::string::npos && close > first) {
            line.kind = Line::kSection;
            line.name = body.substr(first + 1, close - first - 1);
        } else if (const std::size_t eq = body.find('='); eq != std::string::npos) {
            line.kind = Line::kKey;
            line.name = Trim(body.substr(0, eq));
            line.equals = line.start + eq;
        } else {  // a key without "=": it has no value, yet it is the key that is found
            line.kind = Line::kKey;
            line.name = Trim(body);
            line.equals = std::string::npos;
        }
        lines.push_back(line);
    }
    return lines;
}

struct Found {
    std::optional<std::size_t> section;  // index of the section line
    std::size_t sectionEnd = 0;          // index one past its last line
    std::optional<std::size_t> key;      // index of the key line
};

Found Find(const std::vector<Line>& lines, const std::string& section, const std::string& key) {
    Found found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == Line::kSection && SameName(lines[i].name, section)) {
            found.section = i;
            break;
        }
    }
    if (!found.section) return found;
    std::size_t i = *found.section + 1;
    for (; i < lines.size() && lines[i].kind != Line::kSection; ++i) {
        if (!found.key && lines[i].kind == Line::kKey && SameName(lines[i].name, key))
            found.key = i;
    }
    found.sectionEnd = i;
    return found;
}

std::size_t BodyStart(const std::string& text) {
    return text.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0 ? kUtf8Bom.size() : 0;
}

std::string LineEnding(const std::string& text) {
    const std::size_t lf = text.find('\n');
    if (lf == std::string::npos) return "\r\n";
    return lf > 0 && text[lf - 1] == '\r' ? "\r\n" : "\n";
}

}  // namespace

std::string ProfileValue(const std::string& text, const std::string& section,
                         const std::string& key) {
    const std::vector<Line> lines = SplitLines(text, BodyStart(text));
    const Found found = Find(lines, section, key);
    if (!found.key) return {};
    const Line& line = lines[*found.key];
    if (line.equals == std::string::npos) return {};
    std::string value = Trim(text.substr(line.equals + 1, line.end - line.equals - 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

std::string WithProfileValue(const std::string& text, const std::string& section,
                             const std::string& key, const std::string& value) {
    const std::vector<Line> lines = SplitLines(text, BodyStart(text));
    const Found found = Find(lines, section, key);
    const std::string eol = LineEnding(text);
    std::string result = text;
    if (found.key) {
        const Line& line = lines[*found.key];
        if (line.equals == std::string::npos) result.insert(line.end, "=" + value);
        else result.replace(line.equals + 1, line.end - line.equals - 1, value);
        return result;
    }
    const std::string keyLine = key + "=" + value;
    if (found.section) {
        std::size_t last = *found.section;
        for (std::size_t i = *found.section + 1; i < found.sectionEnd; ++i)
            if (lines[i].end > lines[i].start &&
                text.substr(lines[i].start, lines[i].end - lines[i].start)
                        .find_first_not_of(kBlanks) != std::string::npos)
                last = i;
        const Line& after = lines[last];
        if (after.next == after.end) {  // the last line of the file has no line ending
            result.insert(after.end, eol + keyLine);
        } else {
            result.insert(after.next, keyLine + eol);
        }
        return result;
    }
    if (!result.empty() && result.back() != '\n') result += eol;
    result += "[" + section + "]" + eol + keyLine + eol;
    return result;
}

std::string ReadIniValue(const std::string& path, const std::string& section,
                              const std::string& key) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return {};
    if (bytes->compare(0, kUtf16Bom.size(), kUtf16Bom) == 0)
        return ProfileValue(Utf16LeToUtf8(bytes->substr(kUtf16Bom.size())), section, key);
    return platform::AnsiToUtf8(ProfileValue(*bytes, section, key));
}

void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
    const std::optional<std::string> stored = ReadFileBytes(path);
    // A file that is there but cannot be read is never replaced by one holding only this key.
    if (!stored && FileExists(path)) throw std::runtime_error("Unable to write to " + path);
    const std::string bytes = stored.value_or(std::string());
    std::string written;
    if (bytes.compare(0, kUtf16Bom.size(), kUtf16Bom) == 0) {
        const std::string text = Utf16LeToUtf8(bytes.substr(kUtf16Bom.size()));
        written = kUtf16Bom + Utf8ToUtf16Le(WithProfileValue(text, section, key, value));
    } else {
        // Names are ASCII, so the 8-bit text is edited as it stands; only the value is converted.
        written = WithProfileValue(bytes, section, key, platform::Utf8ToAnsi(value));
    }
    if (!WriteFileBytes(path, written)) throw std::runtime_error("Unable to write to " + path);
}
