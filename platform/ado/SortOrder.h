#pragma once
// A recordset's sort order: "F1 DESC, F2, [F 3] ASC" read once into field indices, then
// applied as a stable sort over precomputed keys. Ascending puts nulls first (descending,
// last); text orders as TextCompare does (ignoring case and trailing blanks); dates by
// wall-clock time; false before true.
#include "platform/ado/RecordsetStorage.h"

#include <QString>
#include <vector>

namespace ado {

struct SortKey {
    int field = -1;
    bool descending = false;
};

// Raises 3001 naming the problem for an unknown field, an empty key ("F1,,F2", a trailing
// comma) or a word other than ASC/DESC after a field name.
std::vector<SortKey> parseSortOrder(const QString& text, const std::vector<FieldInfo>& fields);

// Reorders `rows` (storage row indices) by the keys; rows that compare equal keep their order.
void sortRows(std::vector<int>& rows, const std::vector<SortKey>& keys, const RecordsetStorage& storage);

} // namespace ado
