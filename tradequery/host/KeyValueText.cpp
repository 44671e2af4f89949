#include "tradequery/host/KeyValueText.h"

#include "platform/vb/Strings.h"

namespace tq {

QString SqlQuote(const QString& text, bool quote, bool trim)
{
    QString literal = trim ? vb::Trim(text) : text;
    literal.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (quote)
        literal = QLatin1Char('\'') + literal + QLatin1Char('\'');
    return literal;
}

QString MakeKeyValue(const QString& key, const QString& value, const QString& separator)
{
    return key + QLatin1Char('=') + value + separator;
}

QString GetKeyValue(const QString& text, const QString& key, const QString& separator)
{
    // Separators round the text let the first and the last pair be found like the others.
    const QString pairs = separator + text + separator;
    const QString start = separator + key + QLatin1Char('=');
    const qsizetype at = pairs.indexOf(start, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    const qsizetype valueStart = at + start.size();
    const qsizetype valueEnd =
        separator.isEmpty() ? -1 : pairs.indexOf(separator, valueStart, Qt::CaseSensitive);
    if (valueEnd < 0)
        return pairs.mid(valueStart);
    return pairs.mid(valueStart, valueEnd - valueStart);
}

} // namespace tq
