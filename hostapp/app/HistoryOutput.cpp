#include "hostapp/app/HistoryOutput.h"

#include "hostapp/app/DbSqlCommand.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zelhost {

namespace {

QVariantList lines(const QVariantMap& history)
{
    return history.value(QStringLiteral("lines")).toList();
}

QStringList textsOf(const QVariant& line)
{
    return line.toMap().value(QStringLiteral("texts")).toStringList();
}

QString table(const QVariantMap& history)
{
    hostdb::ResultTable result;
    result.returnsRows = true;
    const QStringList titles = history.value(QStringLiteral("titles")).toStringList();
    const QVariantList numeric = history.value(QStringLiteral("numeric")).toList();
    for (qsizetype i = 0; i < titles.size(); ++i)
        result.fields.push_back({titles[i], numeric.value(i).toBool() ? ado::FieldType::Double : ado::FieldType::Text});
    for (const QVariant& line : lines(history)) {
        std::vector<QVariant>& row = result.rows.emplace_back();
        for (const QString& text : textsOf(line))
            row.emplace_back(text);  // the ledger's text, aligned by its column's kind
    }
    return formatResultTable(result);
}

QString csvCell(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString csvLine(const QStringList& cells)
{
    QStringList quoted;
    for (const QString& cell : cells)
        quoted << csvCell(cell);
    return quoted.join(u',') + u'\n';
}

QString csv(const QVariantMap& history)
{
    QString out = csvLine(history.value(QStringLiteral("titles")).toStringList());
    for (const QVariant& line : lines(history))
        out += csvLine(textsOf(line));
    return out;
}

QJsonValue jsonValue(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QJsonValue::Null;
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime at = value.toDateTime();
        return at.time() == QTime(0, 0) ? at.date().toString(Qt::ISODate) : at.toString(Qt::ISODate);
    }
    return QJsonValue::fromVariant(value);
}

QString json(const QVariantMap& history)
{
    QJsonArray array;
    for (const QVariant& line : lines(history)) {
        const QVariantMap values = line.toMap().value(QStringLiteral("values")).toMap();
        QJsonObject object;
        for (auto field = values.constBegin(); field != values.constEnd(); ++field)
            object.insert(field.key(), jsonValue(field.value()));
        array.append(object);
    }
    const QJsonObject document{
        {QStringLiteral("baseCurrency"), QJsonObject::fromVariantMap(history.value(QStringLiteral("baseCurrency")).toMap())},
        {QStringLiteral("lines"), array}};
    return QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

} // namespace

QString formatHistory(const QVariantMap& history, HistoryFormat format)
{
    switch (format) {
    case HistoryFormat::Table: return table(history);
    case HistoryFormat::Csv: return csv(history);
    case HistoryFormat::Json: return json(history);
    }
    return {};
}

} // namespace zelhost
