#include "platform/controls/SpreadCell.h"

#include <QDate>
#include <QRegularExpression>

namespace controls {

namespace {

// Shapes of a number while it is typed and when it is finished; `places` < 0 means any number
// of places.
QString partialNumberPattern(int places)
{
    const QString fraction = places < 0 ? QStringLiteral("\\d*") : QStringLiteral("\\d{0,%1}").arg(places);
    return places == 0 ? QStringLiteral("-?\\d*") : QStringLiteral("-?\\d*(\\.") + fraction + QStringLiteral(")?");
}

bool matchesWhole(const QString& pattern, const QString& text)
{
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern));
    return expression.match(text).hasMatch();
}

bool isFinishedNumber(const QString& text, int places)
{
    // At least one digit: "-", "." and "-." are only the start of a number.
    return matchesWhole(partialNumberPattern(places), text) && text.contains(QRegularExpression(QStringLiteral("\\d")));
}

int placesOf(const SpreadCell& cell)
{
    switch (cell.type) {
    case SpreadCellType::Decimal: return cell.decimals < 0 ? 0 : cell.decimals;
    case SpreadCellType::Integer: return 0;
    default: return -1;
    }
}

const QString kPartialDate = QStringLiteral("\\d{0,4}(-(\\d{0,2}(-\\d{0,2})?)?)?");
const QString kFinishedDate = QStringLiteral("(\\d{4})-(\\d{1,2})-(\\d{1,2})");

bool isNumberType(SpreadCellType type)
{
    return type == SpreadCellType::Decimal || type == SpreadCellType::NumericText || type == SpreadCellType::Integer;
}

} // namespace

QString StripQuotes(const QString& text)
{
    QString stripped = text;
    stripped.remove(QLatin1Char('"'));
    stripped.remove(QLatin1Char('\''));
    return stripped;
}

bool IsPartialInput(const SpreadCell& cell, const QString& text)
{
    if (text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\'')))
        return false;
    if (isNumberType(cell.type))
        return matchesWhole(partialNumberPattern(placesOf(cell)), text);
    if (cell.type == SpreadCellType::Date)
        return matchesWhole(kPartialDate, text);
    return true;
}

QString AcceptedValue(const SpreadCell& cell, const QString& text)
{
    const QString value = StripQuotes(text).trimmed();
    if (value.isEmpty())
        return QStringLiteral("");
    if (isNumberType(cell.type))
        return isFinishedNumber(value, placesOf(cell)) ? value : QString();
    if (cell.type == SpreadCellType::Date) {
        const QRegularExpressionMatch parts =
            QRegularExpression(QRegularExpression::anchoredPattern(kFinishedDate)).match(value);
        if (!parts.hasMatch())
            return QString();
        const QDate date(parts.captured(1).toInt(), parts.captured(2).toInt(), parts.captured(3).toInt());
        return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
    }
    return StripQuotes(text);  // text cells keep their blanks; readers trim
}

bool IsRightAligned(SpreadCellType type)
{
    return isNumberType(type);
}

} // namespace controls
