#include "tradequery/find/ConditionTexts.h"

namespace tq {

QString SortKeyOf(const FieldDef& entry)
{
    if (entry.SortChoice == choice::Ascending)
        return entry.Key + QStringLiteral(" ASC,");
    if (entry.SortChoice == choice::Descending)
        return entry.Key + QStringLiteral(" DESC,");
    return QString();
}

QString FilterTermOf(const FieldDef& entry)
{
    QString value = entry.FilterValue;
    value.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
    if (value.isEmpty())
        return QString();
    if (entry.FilterCondition == choice::Contains)
        return entry.SqlField + QStringLiteral(" Like '%") + value + QStringLiteral("%'");
    QString op;
    switch (entry.FilterCondition) {
    case choice::Equal: op = QStringLiteral(" = "); break;
    case choice::NotEqual: op = QStringLiteral(" <> "); break;
    case choice::Less: op = QStringLiteral(" < "); break;
    case choice::Greater: op = QStringLiteral(" > "); break;
    default: return QString();
    }
    const bool quoted = entry.DataType == FieldTypeText || entry.DataType == FieldTypeDate;
    return entry.SqlField + op + (quoted ? QStringLiteral("'") + value + QStringLiteral("'") : value);
}

} // namespace tq
