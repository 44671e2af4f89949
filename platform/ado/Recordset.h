#pragma once
// A client-side recordset: rows held in memory in shared, immutable storage; every clone has
// its own view (filter, sort) and cursor over the same rows.
//
// Errors, as the platform raises them: 3704 for anything but State on a closed recordset;
// 3021 for reading a field with no current record and for moves past an end or on an empty
// view; 3001 for a filter, sort, bookmark or position that cannot be used; 3265 for an
// unknown field; type mismatch (0x80020005) for a filter value that cannot be compared with
// its field.
#include "platform/ado/RecordsetStorage.h"
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace ado {

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

// One field of the current record, read through Recordset::Fields. It refers to its
// recordset, which must outlive it.
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
    // Open on the first record. The storage must already hold values of its fields' types
    // (raises 3001 naming the first one that does not); a null storage gives a closed recordset.
    explicit Recordset(std::shared_ptr<const RecordsetStorage> storage);
    ~Recordset() override;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Values as FieldType says (null = invalid QVariant); convertible values are converted
    // (int -> qint64, QDate -> QDateTime, ...), others raise 3001 naming row and field.
    static RecordsetPtr make(std::vector<FieldInfo> fields, std::vector<std::vector<QVariant>> rows);

    // Field access on the current record.
    ado::Fields Fields() const { return ado::Fields(this); }
    int fieldIndex(const QString& name) const;  // -1 when absent; look up once, then read by index
    QVariant value(const QString& fieldName) const { return Fields().Item(fieldName).Value(); }
    // The hot path: no lookup, no copy. The reference stays valid while the recordset is open.
    const QVariant& value(int fieldIndex) const;
    // All values of the current record, in field order (same lifetime as value(int)).
    const std::vector<QVariant>& currentRecord() const;

    // Cursor. Eof/Bof are ADO's EOF and BOF (EOF is a C macro).
    bool Eof() const;
    bool Bof() const;
    long RecordCount() const;  // of the current (filtered) view
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Lands past the last record (EOF) or before the first (BOF) when n goes beyond an end.
    void Move(long numRecords, BookmarkEnum start = adBookmarkCurrent);
    void Move(long numRecords, const ado::Bookmark& start);
    long AbsolutePosition() const;  // 1-based in the current view, or a PositionEnum value
    void SetAbsolutePosition(long position);
    ado::Bookmark Bookmark() const;  // raises 3021 with no current record
    // A bookmark of another storage, or of a row outside the current view, raises 3001.
    void SetBookmark(const ado::Bookmark& bookmark);

    // View. Filter criteria: "Field op value" terms joined by AND / OR; "" (or blanks)
    // removes it. A criteria that fails leaves the previous filter in force. Afterwards the
    // cursor is on the first record of the new view.
    QString Filter() const;
    void SetFilter(const QString& criteria);
    // Sort: "F1 ASC,F2 DESC"; "" restores the query order. Stable; applies on top of the
    // filter; afterwards the cursor is on the first record.
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
    std::unique_ptr<Impl> d;
};

} // namespace ado
