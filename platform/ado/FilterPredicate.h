#pragma once
// A filter criteria bound to a recordset's fields: parsed once, checked against the field
// types once, then tested row by row without further lookups or conversions.
#include "platform/ado/CriteriaParser.h"
#include "platform/ado/RecordsetStorage.h"

#include <QString>
#include <vector>

namespace ado {

class FilterPredicate {
public:
    // Raises 3001 when the criteria does not read or names an unknown field, and a type
    // mismatch when a value cannot be compared with its field (text with a number or date
    // field, LIKE on anything but text).
    FilterPredicate(const QString& criteria, const std::vector<FieldInfo>& fields);

    bool matches(const std::vector<QVariant>& row) const;
    // Storage indices of the matching rows, in storage order.
    std::vector<int> select(const std::vector<std::vector<QVariant>>& rows) const;

    // One term, ready to test: which field, how, and against what.
    struct Test {
        enum class Kind {
            IsNull, IsNotNull,           // Field = NULL / Field <> NULL
            Text, TextPrefix, TextPart,  // =, <, ... ; LIKE 'x*' ; LIKE '*x*'
            Integer, Number, Date, Boolean,
        };
        int field = -1;
        Kind kind = Kind::Text;
        criteria::CompareOp op = criteria::CompareOp::Equal;
        QString text;        // Text: as written; TextPrefix, TextPart: folded
        qint64 integer = 0;  // Integer, Date (wall-clock key), Boolean (0/1)
        double number = 0;
    };

private:
    std::vector<std::vector<Test>> m_groups;  // OR of AND groups
};

} // namespace ado
