#pragma once
// The 18 history columns: for each, the result-set field, the title the user sees, its data
// type, the ledger column that shows it, the SQL field that conditions and orderings use, and
// the last values of the condition dialog. One table for the whole process, shared by every
// open browse window and refilled whenever one is created.
#include <QString>
#include <array>
#include <cstdint>

namespace tq {

// DataType values.
constexpr int32_t FieldTypeNumber = 5;
constexpr int32_t FieldTypeDate = 7;
constexpr int32_t FieldTypeText = 8;

struct FieldDef {
    QString Key;                  // field name in the history result set
    QString Title;                // column title
    int32_t DataType = 0;         // FieldTypeText, FieldTypeDate or FieldTypeNumber
    int32_t ColumnNo = 0;         // 1-based ledger column
    int32_t SortChoice = -1;      // condition dialog: sort choice, -1 for none
    QString FindText;             // condition dialog: working value
    int32_t FilterCondition = 0;  // condition dialog: working value
    QString SqlField;             // qualified field for SQL conditions and orderings
    QString FilterValue;          // condition dialog: working value
};

constexpr int FieldCount = 18;

// Row `row` (1 to FieldCount) of the table, to read or to change. Any other number raises
// ComError 9 "下标越界".
FieldDef& FieldTable(int row);

// The 18 columns as a window of this query type starts with them, in ledger column order: keys,
// titles through LangText (row 6 names the customer when queryType is 1, the supplier
// otherwise), data types, column numbers, SQL fields, and no dialog values. The ledger titles
// its columns from here too.
std::array<FieldDef, FieldCount> HistoryColumns(int32_t queryType);

// Refills all 18 rows for a window of this query type: keys, titles (row 6 names the customer
// when queryType is 1, the supplier otherwise), data types, column numbers, SQL fields; the
// condition dialog's values are reset (no sort choice, empty texts, condition 0).
void InitFieldTable(int32_t queryType);

} // namespace tq
