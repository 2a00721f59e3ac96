// The table's XML data packet: read with pugixml, written byte by byte the way the format's own
// writer does, so that readers of that format read our files.
#include <pugixml.hpp>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "shell/TextCodec.h"
#include "wakeup/ClientDataSet.h"

namespace {

const std::string kUtf8Bom = "\xEF\xBB\xBF";

bool DeclaresUtf8(const std::string& bytes) {
    const std::size_t end = bytes.find("?>");
    if (bytes.compare(0, 5, "<?xml") != 0 || end == std::string::npos) return false;
    std::string declaration = bytes.substr(0, end);
    for (char& c : declaration) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return declaration.find("encoding=\"utf-8\"") != std::string::npos ||
           declaration.find("encoding='utf-8'") != std::string::npos;
}

FieldType TypeOf(const std::string& fieldtype) {
    if (fieldtype == "date") return FieldType::Date;
    if (fieldtype == "time") return FieldType::Time;
    if (fieldtype.size() >= 2 && (fieldtype[0] == 'i' || fieldtype.rfind("ui", 0) == 0) &&
        fieldtype.find_first_not_of("iu1248") == std::string::npos)
        return FieldType::Integer;
    return FieldType::String;
}

const char* TypeName(FieldType type) {
    switch (type) {
        case FieldType::Integer:
            return "i4";
        case FieldType::Date:
            return "date";
        case FieldType::Time:
            return "time";
        case FieldType::String:
            return "string";
    }
    return "string";
}

// Digits known to be there, read as a number.
int Number(const std::string& s, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) value = value * 10 + (s[i] - '0');
    return value;
}

bool AllDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// A value that does not read as its type loads as an empty field.
FieldValue ParseValue(const std::string& text, const FieldDef& def) {
    switch (def.type) {
        case FieldType::String:
            return text;
        case FieldType::Integer: {
            std::int32_t value = 0;
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, value);
            if (error == std::errc() && stop == end) return value;
            return std::monostate{};
        }
        case FieldType::Date: {
            if (text.size() != 8 || !AllDigits(text)) return std::monostate{};
            const int year = Number(text, 0, 4);
            const int month = Number(text, 4, 2);
            const int day = Number(text, 6, 2);
            if (!IsValidDate(year, month, day)) return std::monostate{};
            return EncodeDate(year, month, day);
        }
        case FieldType::Time: {
            // hh:nn:SSmmm, the last five digits being seconds x 1000 + milliseconds.
            if (text.size() < 7 || text[2] != ':' || text[5] != ':') return std::monostate{};
            const std::string hh = text.substr(0, 2), nn = text.substr(3, 2), rest = text.substr(6);
            if (!AllDigits(hh) || !AllDigits(nn) || !AllDigits(rest) || rest.size() > 5)
                return std::monostate{};
            const int ms = Number(rest, 0, rest.size());
            const int hour = Number(hh, 0, 2), minute = Number(nn, 0, 2);
            if (hour > 23 || minute > 59 || ms > 59999) return std::monostate{};
            return EncodeTime(hour, minute, ms / 1000, ms % 1000);
        }
    }
    return std::monostate{};
}

// The nine replacements of the format; nothing for a byte written as it is.
constexpr const char* Replacement(char c) {
    switch (c) {
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '&':
            return "&amp;";
        case '\'':
            return "&apos;";
        case '"':
            return "&quot;";
        case '\r':
            return "&#013;";
        case '\n':
            return "&#010;";
        case '\t':
            return "&#009;";
        case '\\':
            return "&#092;";
        default:
            return nullptr;
    }
}

// Bytes that ASCII text copies as they are.
constexpr auto kPlainAscii = [] {
    std::array<bool, 256> plain{};
    for (int c = 0; c < 0x80; ++c) plain[c] = Replacement(static_cast<char>(c)) == nullptr;
    return plain;
}();

// UTF-8 text as escaped Windows-1252, in one pass: runs of plain ASCII are copied whole.
void AppendText(std::string& out, const std::string& utf8) {
    std::size_t plain = 0;  // start of the run not yet copied
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (kPlainAscii[byte]) {
            ++i;
            continue;
        }
        out.append(utf8, plain, i - plain);
        if (byte < 0x80) {
            out += Replacement(utf8[i++]);
        } else {
            const char converted = NextWindows1252Byte(utf8, i);
            if (const char* replacement = Replacement(converted))
                out += replacement;
            else
                out += converted;
        }
        plain = i;
    }
    out.append(utf8, plain, utf8.size() - plain);
}

// `width` digits of `value` into `text`.
void PutDigits(char* text, int value, int width) {
    for (int k = width - 1; k >= 0; --k, value /= 10) text[k] = static_cast<char>('0' + value % 10);
}

void AppendValue(std::string& out, const FieldValue& value) {
    if (const auto* i = std::get_if<std::int32_t>(&value)) {
        char digits[16];
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, *i);
        out.append(digits, end);
    } else if (const auto* d = std::get_if<TDateTime>(&value)) {
        const DateParts p = DecodeDateTime(*d).date;
        char text[8];  // yyyymmdd
        PutDigits(text, p.year, 4);
        PutDigits(text + 4, p.month, 2);
        PutDigits(text + 6, p.day, 2);
        out.append(text, sizeof text);
    } else if (const auto* s = std::get_if<std::string>(&value)) {
        AppendText(out, *s);
    }
}

void AppendTime(std::string& out, TDateTime value) {
    const std::int64_t ms = MillisecondsOfDay(value);
    char text[11];  // hh:nn:SSmmm
    PutDigits(text, static_cast<int>(ms / 3'600'000), 2);
    text[2] = ':';
    PutDigits(text + 3, static_cast<int>(ms / 60'000 % 60), 2);
    text[5] = ':';
    PutDigits(text + 6, static_cast<int>(ms % 60'000), 5);
    out.append(text, sizeof text);
}

}  // namespace

void TClientDataSet::LoadFromXml(const std::string& bytes, const std::string& sourceName) {
    const auto fail = [&](const std::string& why) {
        throw std::runtime_error("O arquivo " + sourceName +
                                 " não pôde ser lido como pacote de dados: " + why);
    };
    std::string text;
    if (bytes.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0)
        text = bytes.substr(kUtf8Bom.size());
    else if (DeclaresUtf8(bytes))
        text = bytes;
    else
        text = Windows1252ToUtf8(bytes);

    pugi::xml_document document;
    const pugi::xml_parse_result parsed =
        document.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) fail(parsed.description());
    const pugi::xml_node packet = document.child("DATAPACKET");
    if (!packet) fail("falta o elemento DATAPACKET");
    const pugi::xml_node fields = packet.child("METADATA").child("FIELDS");
    if (!fields) fail("falta a lista de campos");

    std::vector<FieldDef> defs;
    for (const pugi::xml_node field : fields.children("FIELD")) {
        FieldDef def;
        def.name = field.attribute("attrname").as_string();
        def.type = TypeOf(field.attribute("fieldtype").as_string());
        def.size = field.attribute("WIDTH").as_int(0);
        if (def.name.empty()) fail("campo sem nome");
        defs.push_back(def);
    }

    std::vector<Row> rows;
    for (const pugi::xml_node row : packet.child("ROWDATA").children("ROW")) {
        Row values(defs.size());
        for (std::size_t i = 0; i < defs.size(); ++i) {
            const pugi::xml_attribute attribute = row.attribute(defs[i].name.c_str());
            if (attribute) values[i] = ParseValue(attribute.value(), defs[i]);
        }
        rows.push_back(std::move(values));
    }

    fieldDefs_ = std::move(defs);
    rows_ = std::move(rows);
    state_ = State::Browse;
    buffer_.clear();
    Reorder();
    First();
}

std::string TClientDataSet::SaveToXml() const {
    std::string out = "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\">";
    out += "<METADATA><FIELDS>";
    for (const FieldDef& def : fieldDefs_) {
        out += "<FIELD attrname=\"" + def.name + "\" fieldtype=\"" + TypeName(def.type) + "\"";
        if (def.type == FieldType::String) out += " WIDTH=\"" + std::to_string(def.size) + "\"";
        out += "/>";
    }
    out += "</FIELDS><PARAMS/></METADATA><ROWDATA>";
    out.reserve(out.size() + rows_.size() * 200);
    // ` name="` of each field, built once.
    std::vector<std::string> prefixes;
    for (const FieldDef& def : fieldDefs_) prefixes.push_back(' ' + def.name + "=\"");
    for (const std::size_t index : order_) {
        const Row& row = rows_[index];
        out += "<ROW";
        for (std::size_t i = 0; i < fieldDefs_.size(); ++i) {
            if (std::holds_alternative<std::monostate>(row[i])) continue;
            out += prefixes[i];
            if (fieldDefs_[i].type == FieldType::Time)
                AppendTime(out, std::get<TDateTime>(row[i]));
            else
                AppendValue(out, row[i]);
            out += '"';
        }
        out += "/>";
    }
    out += "</ROWDATA></DATAPACKET>";
    return out;
}
