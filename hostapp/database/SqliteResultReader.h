#pragma once
// Reads the rows of a running SQLite statement into a ResultTable with typed fields.
// A column's type comes from its declared type (INT -> Integer; REAL, MONEY, DECIMAL, ... ->
// Double; DATE, TIME -> Date; CHAR, TEXT, CLOB -> Text; BIT, BOOL -> Integer). An expression
// column has no declared type and takes the storage class of its first value that is not
// null. A value that does not fit widens its column: Integer to Double when a real number
// comes, a number or date column to Text when a text that is neither comes, so no value is
// ever lost. A blank text in a date column reads as null.
#include "hostapp/database/ResultTable.h"

#include <QDateTime>
#include <array>
#include <optional>
#include <unordered_map>

struct sqlite3_stmt;

namespace hostdb {

std::optional<ado::FieldType> fieldTypeOfDeclared(const char* declaredType);

class SqliteResultReader {
public:
    explicit SqliteResultReader(sqlite3_stmt* statement);

    void readRow();  // the statement's current row
    ResultTable finish();

private:
    struct Column {
        ado::FieldType type = ado::FieldType::Text;
        bool decided = false;  // declared, or a first value was seen
    };

    // Bill dates repeat over many rows, and making a local QDateTime asks the C library
    // for the time zone each time: each distinct date text is converted once.
    struct DateKey {
        std::array<char, 32> text{};
        int length = 0;
        bool operator==(const DateKey&) const = default;
    };
    struct DateKeyHash {
        size_t operator()(const DateKey& key) const noexcept;
    };

    QVariant readValue(int column);
    QVariant readDate(const char* text, int length);
    void widen(int column, ado::FieldType to);

    sqlite3_stmt* m_statement;
    std::vector<Column> m_columns;
    ResultTable m_table;
    std::unordered_map<DateKey, QDateTime, DateKeyHash> m_dates;  // invalid: not a date
};

} // namespace hostdb
