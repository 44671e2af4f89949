#include "hostapp/database/SqlColumnKinds.h"

namespace hostdb {

ColumnKind SqlColumnKinds::kindOfDeclaredType(QStringView declaredType)
{
    auto has = [&](const char* part) {
        return declaredType.contains(QLatin1String(part), Qt::CaseInsensitive);
    };
    if (has("CHAR") || has("CLOB") || has("TEXT"))
        return ColumnKind::Text;
    for (const char* part : {"INT", "REAL", "FLOA", "DOUB", "MONEY", "DEC", "NUM", "BIT", "BOOL",
                             "DATE", "TIME"}) {
        if (has(part))
            return ColumnKind::Numeric;
    }
    return ColumnKind::Unknown;
}

void SqlColumnKinds::add(QStringView column, ColumnKind kind)
{
    const QString key = column.toString().toUpper();
    auto it = m_kinds.find(key);
    if (it == m_kinds.end())
        m_kinds.insert(key, kind);
    else if (*it != kind)
        *it = ColumnKind::Unknown;
}

ColumnKind SqlColumnKinds::kindOf(QStringView column) const
{
    return findUpperCase(column.toString().toUpper()).value_or(ColumnKind::Unknown);
}

std::optional<ColumnKind> SqlColumnKinds::findUpperCase(const QString& upperCaseColumn) const
{
    auto found = m_kinds.constFind(upperCaseColumn);
    if (found == m_kinds.constEnd())
        return std::nullopt;
    return *found;
}

} // namespace hostdb
