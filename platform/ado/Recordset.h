#pragma once
// A client-side recordset: rows held in memory in shared, immutable storage; every clone has
// its own view (filter, sort) and cursor over the same rows.
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace ado {

// The kinds of value a field holds; a field's values are QVariant of the matching type,
// or an invalid QVariant for null.
enum class FieldType {
    Integer,  // qint64
    Double,   // double (money, quantities, rates)
    Text,     // QString
    Date,     // QDateTime
    Boolean,  // bool
};

bool isNumeric(FieldType type);

struct FieldInfo {
    QString name;
    FieldType type = FieldType::Text;
};

// Shared by a recordset and its clones; never changes once built.
struct RecordsetStorage {
    std::vector<FieldInfo> fields;
    std::vector<std::vector<QVariant>> rows;
};

// A position in the storage; valid for the recordset that gave it and for its clones.
struct Bookmark {
    const RecordsetStorage* storage = nullptr;
    int row = -1;
    bool operator==(const Bookmark&) const = default;
};

// ADO's AbsolutePosition special values.
enum PositionEnum { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };
// Move's start argument.
enum BookmarkEnum { adBookmarkCurrent = 0, adBookmarkFirst = 1, adBookmarkLast = 2 };
// State.
enum ObjectStateEnum { adStateClosed = 0, adStateOpen = 1 };

class Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;

// One field of the current record, read through Recordset::Fields.
class Field {
public:
    Field(const Recordset* owner, int index) : m_owner(owner), m_index(index) {}
    QString Name() const;
    FieldType Type() const;
    QVariant Value() const;  // raises 3021 when there is no current record
private:
    const Recordset* m_owner;
    int m_index;
};

class Fields {
public:
    explicit Fields(const Recordset* owner) : m_owner(owner) {}
    int Count() const;
    Field Item(int index) const;           // 0-based; out of range raises 3265
    Field Item(const QString& name) const; // case-insensitive; unknown raises 3265
    Field operator[](int index) const { return Item(index); }
    Field operator[](const QString& name) const { return Item(name); }
    int IndexOf(const QString& name) const; // -1 when absent
private:
    const Recordset* m_owner;
};

class Recordset : public com::ComObject {
public:
    Recordset();  // closed, no storage
    explicit Recordset(std::shared_ptr<const RecordsetStorage> storage);  // open, on the first record
    static RecordsetPtr make(std::vector<FieldInfo> fields, std::vector<std::vector<QVariant>> rows);

    // Field access on the current record.
    ado::Fields Fields() const { return ado::Fields(this); }
    QVariant value(const QString& fieldName) const { return Fields().Item(fieldName).Value(); }
    QVariant value(int fieldIndex) const { return Fields().Item(fieldIndex).Value(); }

    // Cursor. Eof/Bof are ADO's EOF and BOF (EOF is a C macro).
    bool Eof() const;
    bool Bof() const;
    long RecordCount() const;  // of the current (filtered) view
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(long numRecords, BookmarkEnum start = adBookmarkCurrent);
    void Move(long numRecords, const ado::Bookmark& start);
    long AbsolutePosition() const;  // 1-based in the current view, or a PositionEnum value
    void SetAbsolutePosition(long position);
    ado::Bookmark Bookmark() const;
    void SetBookmark(const ado::Bookmark& bookmark);

    // View. Filter criteria: "Field op value" terms joined by AND / OR; "" removes it.
    QString Filter() const;
    void SetFilter(const QString& criteria);
    // Sort: "F1 ASC,F2 DESC"; "" restores the query order. Stable.
    QString Sort() const;
    void SetSort(const QString& sort);

    // An independent cursor over the same rows, on its first record, without filter or sort.
    RecordsetPtr Clone() const;

    ObjectStateEnum State() const;
    void Close();

    // The storage, for code that reads all rows at once (the ledger, exports, tests).
    const std::shared_ptr<const RecordsetStorage>& storage() const;

private:
    friend class Field;
    friend class ado::Fields;
    struct Impl;
    std::shared_ptr<Impl> d;
};

} // namespace ado
