#include "wakeup/ClientDataSet.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "shell/Formats.h"

namespace {

int CompareText(const std::string& a, const std::string& b, bool caseInsensitive) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (caseInsensitive) {
            if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
            if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        }
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Empty sorts first.
int CompareValues(const FieldValue& a, const FieldValue& b, bool caseInsensitive) {
    if (a.index() != b.index()) return a.index() < b.index() ? -1 : 1;
    if (const auto* x = std::get_if<std::int32_t>(&a)) {
        const auto y = std::get<std::int32_t>(b);
        return *x == y ? 0 : (*x < y ? -1 : 1);
    }
    if (const auto* x = std::get_if<TDateTime>(&a)) {
        const auto y = std::get<TDateTime>(b);
        return *x == y ? 0 : (*x < y ? -1 : 1);
    }
    if (const auto* x = std::get_if<std::string>(&a))
        return CompareText(*x, std::get<std::string>(b), caseInsensitive);
    return 0;
}

std::string Trim(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Cuts UTF-8 text to `width` characters without splitting one.
std::string CutToWidth(const std::string& text, int width) {
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters++ == width) return text.substr(0, i);
    }
    return text;
}

}  // namespace

// ---- TField ----------------------------------------------------------------------------------

const FieldDef& TField::Def() const {
    return table_.fieldDefs_[index_];
}

const FieldValue& TField::Value() const {
    const bool buffered = table_.state_ == TClientDataSet::State::Insert ||
                          table_.state_ == TClientDataSet::State::Edit;
    if (buffered) return table_.buffer_[index_];
    static const FieldValue kEmpty;
    if (table_.eof_ && table_.order_.empty()) return kEmpty;
    return table_.CurrentRow()[index_];
}

FieldValue& TField::Writable() {
    if (table_.state_ != TClientDataSet::State::Insert &&
        table_.state_ != TClientDataSet::State::Edit)
        throw std::runtime_error("Tabela fora do modo de edição ou inclusão");
    return table_.buffer_[index_];
}

bool TField::IsNull() const {
    return std::holds_alternative<std::monostate>(Value());
}

std::int32_t TField::AsInteger() const {
    const FieldValue& v = Value();
    if (const auto* i = std::get_if<std::int32_t>(&v)) return *i;
    if (const auto* s = std::get_if<std::string>(&v)) {
        try {
            return static_cast<std::int32_t>(std::stol(*s));
        } catch (const std::exception&) {
            throw std::runtime_error("'" + *s + "' não é um valor inteiro válido");
        }
    }
    if (const auto* d = std::get_if<TDateTime>(&v)) return static_cast<std::int32_t>(*d);
    return 0;
}

std::string TField::AsString() const {
    const FieldValue& v = Value();
    if (const auto* s = std::get_if<std::string>(&v)) return *s;
    if (const auto* i = std::get_if<std::int32_t>(&v)) return std::to_string(*i);
    if (const auto* d = std::get_if<TDateTime>(&v)) {
        const FormatSettings& f = AppFormats();
        switch (Def().type) {
            case FieldType::Date:
                return FormatDateTime(f.ShortDateFormat, *d, f);
            case FieldType::Time:
                return FormatDateTime(f.LongTimeFormat, *d, f);
            default:
                return DateTimeToStr(*d, f);
        }
    }
    return {};
}

TDateTime TField::AsDateTime() const {
    const FieldValue& v = Value();
    if (const auto* d = std::get_if<TDateTime>(&v)) return *d;
    if (const auto* i = std::get_if<std::int32_t>(&v)) return *i;
    return 0;
}

void TField::SetAsInteger(std::int32_t value) {
    switch (Def().type) {
        case FieldType::String:
            SetAsString(std::to_string(value));
            return;
        case FieldType::Integer:
            Writable() = value;
            return;
        default:
            Writable() = static_cast<TDateTime>(value);
            return;
    }
}

void TField::SetAsString(const std::string& value) {
    switch (Def().type) {
        case FieldType::String:
            Writable() = CutToWidth(value, Def().size);
            return;
        case FieldType::Integer:
            if (Trim(value).empty()) {
                Writable() = std::monostate{};
                return;
            }
            try {
                Writable() = static_cast<std::int32_t>(std::stol(value));
            } catch (const std::exception&) {
                throw std::runtime_error("'" + value + "' não é um valor inteiro válido");
            }
            return;
        case FieldType::Date:
        case FieldType::Time: {
            if (Trim(value).empty()) {
                Writable() = std::monostate{};
                return;
            }
            const auto parsed = Def().type == FieldType::Date ? TryStrToDate(value, AppFormats())
                                                              : TryStrToTime(value, AppFormats());
            if (!parsed) throw std::runtime_error("'" + value + "' não é uma data ou hora válida");
            SetAsDateTime(*parsed);
            return;
        }
    }
}

void TField::SetAsDateTime(TDateTime value) {
    switch (Def().type) {
        case FieldType::Date:
            Writable() = static_cast<TDateTime>(DayOf(value));
            return;
        case FieldType::Time:
            Writable() = static_cast<TDateTime>(MillisecondsOfDay(value)) / 86'400'000.0;
            return;
        case FieldType::Integer:
            Writable() = static_cast<std::int32_t>(value);
            return;
        case FieldType::String:
            Writable() = CutToWidth(DateTimeToStr(value), Def().size);
            return;
    }
}

void TField::Clear() {
    Writable() = std::monostate{};
}

// ---- TClientDataSet --------------------------------------------------------------------------

void TClientDataSet::Close() {
    rows_.clear();
    order_.clear();
    cursor_ = 0;
    eof_ = true;
    state_ = State::Inactive;
}

void TClientDataSet::CreateDataSet() {
    Close();
    state_ = State::Browse;
}

void TClientDataSet::RequireActive() const {
    if (state_ == State::Inactive) throw std::runtime_error("Tabela fechada");
}

void TClientDataSet::AddIndex(const std::string& name, const std::string& fields,
                              IndexOption options) {
    indexDefs_.push_back({name, fields, options});
}

void TClientDataSet::SetIndexName(const std::string& name) {
    const auto found = std::find_if(indexDefs_.begin(), indexDefs_.end(),
                                    [&](const IndexDef& d) { return d.name == name; });
    if (found == indexDefs_.end()) throw std::runtime_error("Índice '" + name + "' não encontrado");
    indexName_ = name;
    Reorder();
    First();
}

std::vector<std::size_t> TClientDataSet::ActiveKeyFields(bool requireAll) const {
    std::vector<std::size_t> keys;
    for (const IndexDef& d : indexDefs_) {
        if (d.name != indexName_) continue;
        std::size_t start = 0;
        while (start <= d.fields.size()) {
            std::size_t end = d.fields.find(';', start);
            if (end == std::string::npos) end = d.fields.size();
            const std::string name = Trim(d.fields.substr(start, end - start));
            const int index = FieldIndex(name);
            if (index >= 0)
                keys.push_back(static_cast<std::size_t>(index));
            else if (requireAll)
                throw std::runtime_error("Campo '" + name + "' não encontrado");
            start = end + 1;
        }
    }
    return keys;
}

bool TClientDataSet::CaseInsensitiveIndex() const {
    for (const IndexDef& d : indexDefs_)
        if (d.name == indexName_) return d.options == IndexOption::CaseInsensitive;
    return false;
}

bool TClientDataSet::Less(const Row& a, const Row& b) const {
    const bool ci = CaseInsensitiveIndex();
    for (const std::size_t k : ActiveKeyFields()) {
        const int c = CompareValues(a[k], b[k], ci);
        if (c != 0) return c < 0;
    }
    return false;
}

void TClientDataSet::Reorder() {
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), 0);
    if (indexName_.empty()) return;
    // A file without one of the index's fields still loads; the field raises where it is used.
    const std::vector<std::size_t> keys = ActiveKeyFields(false);
    const bool ci = CaseInsensitiveIndex();
    const auto less = [&](std::size_t x, std::size_t y) {
        for (const std::size_t k : keys) {
            const int c = CompareValues(rows_[x][k], rows_[y][k], ci);
            if (c != 0) return c < 0;
        }
        return false;
    };
    // Our own files come in index order already.
    if (std::is_sorted(order_.begin(), order_.end(), less)) return;
    std::stable_sort(order_.begin(), order_.end(), less);
    // Store the rows in index order too, so that walking the table reads memory in sequence.
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (const std::size_t index : order_) sorted.push_back(std::move(rows_[index]));
    rows_ = std::move(sorted);
    std::iota(order_.begin(), order_.end(), 0);
}

std::size_t TClientDataSet::PlaceFor(std::size_t rowIndex) const {
    if (indexName_.empty()) return order_.size();
    const auto place =
        std::upper_bound(order_.begin(), order_.end(), rowIndex,
                         [&](std::size_t x, std::size_t y) { return Less(rows_[x], rows_[y]); });
    return static_cast<std::size_t>(place - order_.begin());
}

const Row& TClientDataSet::CurrentRow() const {
    if (order_.empty()) throw std::runtime_error("Nenhum registro corrente");
    return rows_[order_[std::min(cursor_, order_.size() - 1)]];
}

void TClientDataSet::First() {
    RequireActive();
    cursor_ = 0;
    eof_ = order_.empty();
}

void TClientDataSet::Last() {
    RequireActive();
    cursor_ = order_.empty() ? 0 : order_.size() - 1;
    eof_ = order_.empty();
}

void TClientDataSet::Next() {
    RequireActive();
    if (eof_) return;
    if (cursor_ + 1 >= order_.size()) {
        eof_ = true;
        return;
    }
    ++cursor_;
}

bool TClientDataSet::FindKey(const std::vector<FieldValue>& keyValues) {
    RequireActive();
    const std::vector<std::size_t> keys = ActiveKeyFields();
    const bool ci = CaseInsensitiveIndex();
    for (std::size_t pos = 0; pos < order_.size(); ++pos) {
        const Row& row = rows_[order_[pos]];
        bool match = true;
        for (std::size_t k = 0; k < keys.size() && k < keyValues.size() && match; ++k)
            match = CompareValues(row[keys[k]], keyValues[k], ci) == 0;
        if (match) {
            cursor_ = pos;
            eof_ = false;
            return true;
        }
    }
    return false;
}

bool TClientDataSet::Locate(const std::string& field, const FieldValue& value) {
    RequireActive();
    const int index = FieldIndex(field);
    if (index < 0) throw std::runtime_error("Campo '" + field + "' não encontrado");
    const auto k = static_cast<std::size_t>(index);
    for (std::size_t pos = 0; pos < order_.size(); ++pos) {
        if (CompareValues(rows_[order_[pos]][k], value, false) == 0) {
            cursor_ = pos;
            eof_ = false;
            return true;
        }
    }
    return false;
}

void TClientDataSet::Insert() {
    RequireActive();
    if (state_ != State::Browse) Post();
    buffer_.assign(fieldDefs_.size(), FieldValue{});
    state_ = State::Insert;
}

void TClientDataSet::Edit() {
    RequireActive();
    if (state_ == State::Edit || state_ == State::Insert) return;
    if (order_.empty()) throw std::runtime_error("Nenhum registro para editar");
    buffer_ = CurrentRow();
    state_ = State::Edit;
}

void TClientDataSet::Post() {
    if (state_ == State::Insert) {
        rows_.push_back(buffer_);
        const std::size_t place = PlaceFor(rows_.size() - 1);
        order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(place), rows_.size() - 1);
        cursor_ = place;
    } else if (state_ == State::Edit) {
        const std::size_t position = std::min(cursor_, order_.size() - 1);
        const std::size_t rowIndex = order_[position];
        // A row whose key did not change keeps its place among equal keys.
        const bool sameKey = !Less(rows_[rowIndex], buffer_) && !Less(buffer_, rows_[rowIndex]);
        rows_[rowIndex] = buffer_;
        if (sameKey) {
            cursor_ = position;
        } else {
            order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(position));
            const std::size_t place = PlaceFor(rowIndex);
            order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(place), rowIndex);
            cursor_ = place;
        }
    } else {
        return;
    }
    eof_ = false;
    state_ = State::Browse;
    buffer_.clear();
}

void TClientDataSet::Cancel() {
    if (state_ == State::Insert || state_ == State::Edit) state_ = State::Browse;
    buffer_.clear();
}

void TClientDataSet::Delete() {
    RequireActive();
    if (order_.empty()) throw std::runtime_error("Nenhum registro para excluir");
    Cancel();
    const std::size_t position = std::min(cursor_, order_.size() - 1);
    const std::size_t rowIndex = order_[position];
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(rowIndex));
    order_.erase(order_.begin() + static_cast<std::ptrdiff_t>(position));
    for (std::size_t& r : order_)
        if (r > rowIndex) --r;
    cursor_ = position >= order_.size() && !order_.empty() ? order_.size() - 1 : position;
    eof_ = order_.empty();
}

int TClientDataSet::DeleteWhere(const std::function<bool(const Row&)>& doomed) {
    RequireActive();
    Cancel();
    std::vector<bool> gone(rows_.size(), false);
    int count = 0;
    for (const std::size_t index : order_) {
        if (doomed(rows_[index])) {
            gone[index] = true;
            ++count;
        }
    }
    if (count == 0) return 0;
    std::vector<std::size_t> moved(rows_.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (gone[i]) continue;
        moved[i] = kept;
        if (kept != i) rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
    std::vector<std::size_t> order;
    order.reserve(kept);
    for (const std::size_t index : order_)
        if (!gone[index]) order.push_back(moved[index]);
    order_ = std::move(order);
    First();
    return count;
}

int TClientDataSet::FieldIndex(const std::string& name) const {
    for (std::size_t i = 0; i < fieldDefs_.size(); ++i)
        if (CompareText(fieldDefs_[i].name, name, true) == 0) return static_cast<int>(i);
    return -1;
}

TField TClientDataSet::FieldByName(const std::string& name) {
    const int index = FieldIndex(name);
    if (index < 0) throw std::runtime_error("Campo '" + name + "' não encontrado");
    return TField(*this, static_cast<std::size_t>(index));
}
