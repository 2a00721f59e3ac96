#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "shell/DateTime.h"

// The in-memory table the wake-up calls live in: typed fields, named indexes, a cursor that
// walks the active index, and an insert/edit buffer. Loads and saves its XML data packet.

enum class FieldType { Integer, Date, Time, String };

struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    int size = 0;  // width of a text field
    bool required = false;
};

enum class IndexOption { None, CaseInsensitive };

struct IndexDef {
    std::string name;
    std::string fields;  // names separated by ";"
    IndexOption options = IndexOption::None;
};

// Empty, an integer, a date-time (days since 1899-12-30), or text.
using FieldValue = std::variant<std::monostate, std::int32_t, TDateTime, std::string>;
using Row = std::vector<FieldValue>;

class TClientDataSet;

// A field of the current record (or of the row being inserted or edited).
class TField {
public:
    TField(TClientDataSet& table, std::size_t index) : table_(table), index_(index) {}

    bool IsNull() const;
    std::int32_t AsInteger() const;  // 0 when empty
    std::string AsString() const;    // "" when empty; a date in the short date format
    TDateTime AsDateTime() const;    // 0 when empty
    void SetAsInteger(std::int32_t value);
    void SetAsString(const std::string& value);  // cut to the width; parses dates and times
    void SetAsDateTime(TDateTime value);
    void Clear();

private:
    const FieldValue& Value() const;
    FieldValue& Writable();
    const FieldDef& Def() const;

    TClientDataSet& table_;
    std::size_t index_;
};

class TClientDataSet {
public:
    enum class State { Inactive, Browse, Insert, Edit };

    // Definition.
    void Close();
    std::vector<FieldDef>& FieldDefs() { return fieldDefs_; }
    const std::vector<FieldDef>& FieldDefs() const { return fieldDefs_; }
    void CreateDataSet();
    void AddIndex(const std::string& name, const std::string& fields, IndexOption options);
    void SetIndexName(const std::string& name);
    const std::string& IndexName() const { return indexName_; }
    bool Active() const { return state_ != State::Inactive; }
    State GetState() const { return state_; }

    // Navigation over the active index, ascending.
    void First();
    void Last();
    void Next();
    bool Eof() const { return eof_; }
    int RecordCount() const { return static_cast<int>(order_.size()); }
    bool FindKey(const std::vector<FieldValue>& keyValues);
    // The first record, in the active index's order, whose `field` holds `value`; found by a
    // scan, so the active index and its order stay as they are.
    bool Locate(const std::string& field, const FieldValue& value);
    // Position of the current record in the active index's order, from 1; 0 when empty.
    int RecNo() const { return order_.empty() ? 0 : static_cast<int>(cursor_) + 1; }

    // Changes.
    void Insert();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // Deletes, in one pass, every row for which `doomed` (asked in the active index's order)
    // says so; the others keep their order. Returns how many went; the cursor goes to the first.
    int DeleteWhere(const std::function<bool(const Row&)>& doomed);

    // Throws std::runtime_error for a name that is not a field.
    TField FieldByName(const std::string& name);
    // -1 for a name that is not a field.
    int FieldIndex(const std::string& name) const;

    // Replaces fields and rows with the file's; the index definitions and active index stay.
    // Throws std::runtime_error when the file cannot be read as a data packet.
    void LoadFromXml(const std::string& bytes, const std::string& sourceName);
    std::string SaveToXml() const;

    // Rows in the order of the active index (for checks and the file writer).
    const Row& RowAt(int position) const { return rows_[order_[position]]; }

private:
    friend class TField;
    void RequireActive() const;
    void Reorder();
    bool Less(const Row& a, const Row& b) const;
    // Fields of the active index; a missing one raises, or is left out when !requireAll.
    std::vector<std::size_t> ActiveKeyFields(bool requireAll = true) const;
    bool CaseInsensitiveIndex() const;
    std::size_t PlaceFor(std::size_t rowIndex) const;
    const Row& CurrentRow() const;

    std::vector<FieldDef> fieldDefs_;
    std::vector<IndexDef> indexDefs_;
    std::string indexName_;
    std::vector<Row> rows_;           // storage; deleted rows are erased
    std::vector<std::size_t> order_;  // positions in rows_, in index order
    std::size_t cursor_ = 0;          // position in order_
    bool eof_ = true;
    State state_ = State::Inactive;
    Row buffer_;  // the row being inserted or edited
};
