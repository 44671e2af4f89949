#pragma once
// The rows of a recordset: field descriptions and typed values, shared by a recordset and
// its clones and never changed once built.
#include <QString>
#include <QVariant>
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
QString typeName(FieldType type);  // for messages: "整数", "数值", "文本", "日期", "布尔"

struct FieldInfo {
    QString name;
    FieldType type = FieldType::Text;
};

struct RecordsetStorage {
    std::vector<FieldInfo> fields;
    std::vector<std::vector<QVariant>> rows;
};

// The index of the field with this name: an exact match first, else the first one that
// matches ignoring case; -1 when there is none.
int fieldIndexOf(const std::vector<FieldInfo>& fields, QStringView name);

// Brings values to their field's type where that loses nothing (int -> qint64, QDate ->
// QDateTime, a number's text -> the number, an invalid date -> null). Raises 3001 naming the
// row and field when a row has the wrong number of values or a value does not convert.
void normalizeRows(const std::vector<FieldInfo>& fields, std::vector<std::vector<QVariant>>& rows);

// The same check without converting, for storage built elsewhere; raises 3001 on the first
// value that is not exactly of its field's type (an invalid date included).
void checkRows(const RecordsetStorage& storage);

} // namespace ado
