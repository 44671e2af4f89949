#pragma once
// What the database declares for each column name, over all its tables and views. The
// translator reads it to decide whether "+" next to a column adds numbers or joins text.
#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>

namespace hostdb {

enum class ColumnKind { Unknown, Text, Numeric };

class SqlColumnKinds {
public:
    // TEXT/CHAR/VARCHAR/NVARCHAR/CLOB are text; INT, REAL, MONEY, DECIMAL, dates and the
    // like are numeric; anything else is unknown.
    static ColumnKind kindOfDeclaredType(QStringView declaredType);

    // A name declared with two different kinds in different tables becomes Unknown.
    void add(QStringView column, ColumnKind kind);
    ColumnKind kindOf(QStringView column) const;  // ignores case
    // For a name already in upper case; nothing when the schema does not know it.
    std::optional<ColumnKind> findUpperCase(const QString& upperCaseColumn) const;
    bool isEmpty() const { return m_kinds.isEmpty(); }
    void clear() { m_kinds.clear(); }

private:
    QHash<QString, ColumnKind> m_kinds;  // upper-case names
};

} // namespace hostdb
