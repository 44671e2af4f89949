#include "hostapp/app/DbSqlCommand.h"

#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/database/HostDatabase.h"
#include "platform/com/ComError.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF)
        || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
        || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F)
        || (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Places the text takes on a terminal.
int displayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const auto category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
            continue;
        width += isWide(c) ? 2 : 1;
    }
    return width;
}

QString cellText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QDateTime: {
        const QDateTime dateTime = value.toDateTime();
        if (dateTime.time() == QTime(0, 0))
            return dateTime.toString(QStringLiteral("yyyy-MM-dd"));
        return dateTime.toString(dateTime.time().msec() ? QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")
                                                        : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    default: {
        QString text = value.toString();
        // Line breaks and tabs would break the table apart.
        for (QChar& c : text) {
            if (c == u'\n' || c == u'\r' || c == u'\t')
                c = u' ';
        }
        return text;
    }
    }
}

QString padded(const QString& text, int width, bool rightAligned)
{
    const QString fill(qMax(0, width - displayWidth(text)), u' ');
    return rightAligned ? fill + text : text + fill;
}

QString trimmedRight(QString line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ')
        --end;
    line.truncate(end);
    return line;
}

// What a statement that changes the schema did, e.g. "(table t_Item dropped)".
QString schemaChangeText(const hostdb::ResultTable& table)
{
    static const QRegularExpression head(
        QStringLiteral(R"(^\s*(CREATE|DROP|ALTER)\s+(?:(?:UNIQUE|TEMP|TEMPORARY)\s+)*(TABLE|INDEX|VIEW|TRIGGER)\s+)"
                       R"((?:IF\s+(?:NOT\s+)?EXISTS\s+)?("[^"]+"|\[[^\]]+\]|`[^`]+`|[^\s(;]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = head.match(table.statement);
    if (!match.hasMatch())
        return table.schemaChanged ? QStringLiteral("(schema changed)\n") : QString();
    const QString verb = match.captured(1).toUpper();
    const QString object = match.captured(2).toLower() + u' ' + match.captured(3);
    if (!table.schemaChanged)
        return QStringLiteral("(%1 unchanged: it %2)\n")
            .arg(object, verb == QLatin1String("CREATE") ? QStringLiteral("exists already") : QStringLiteral("does not exist"));
    const QString done = verb == QLatin1String("CREATE") ? QStringLiteral("created")
                         : verb == QLatin1String("DROP") ? QStringLiteral("dropped")
                                                         : QStringLiteral("altered");
    return QStringLiteral("(%1 %2)\n").arg(object, done);
}

// One statement's part of the output: its rows, what it did to the schema, or its row count.
QString statementReport(const hostdb::ResultTable& table)
{
    if (table.returnsRows)
        return formatResultTable(table);
    const QString schema = schemaChangeText(table);
    return schema.isEmpty() ? QStringLiteral("(%1 rows affected)\n").arg(table.rowsAffected) : schema;
}

} // namespace

QString formatResultTable(const hostdb::ResultTable& table)
{
    const size_t columns = table.fields.size();
    std::vector<std::vector<QString>> cells;
    cells.reserve(table.rows.size());
    std::vector<int> widths(columns, 0);
    std::vector<bool> numeric(columns, false);
    for (size_t c = 0; c < columns; ++c) {
        widths[c] = displayWidth(table.fields[c].name);
        numeric[c] = table.fields[c].type == ado::FieldType::Integer
            || table.fields[c].type == ado::FieldType::Double;
    }
    for (const auto& row : table.rows) {
        std::vector<QString>& line = cells.emplace_back();
        for (size_t c = 0; c < columns; ++c) {
            line.push_back(cellText(c < row.size() ? row[c] : QVariant()));
            widths[c] = qMax(widths[c], displayWidth(line.back()));
        }
    }

    const QString gap = QStringLiteral("  ");
    QString out;
    QString header, rule;
    for (size_t c = 0; c < columns; ++c) {
        if (c > 0) {
            header += gap;
            rule += gap;
        }
        header += padded(table.fields[c].name, widths[c], numeric[c]);
        rule += QString(widths[c], u'-');
    }
    out += trimmedRight(header) + u'\n' + rule + u'\n';
    for (const auto& line : cells) {
        QString text;
        for (size_t c = 0; c < columns; ++c) {
            if (c > 0)
                text += gap;
            text += padded(line[c], widths[c], numeric[c]);
        }
        out += trimmedRight(text) + u'\n';
    }
    out += QStringLiteral("(%1 rows)\n").arg(table.rows.size());
    return out;
}

int runDbSql(const QStringList& args)
{
    if (args.size() != 2) {
        zelhost::printErr(QStringLiteral("usage: zelhost db sql FILE|CONNECTION-STRING \"T-SQL\"\n"));
        return 2;  // a wrong command line
    }
    try {
        const auto database = hostdb::HostDatabase::open(args[0]);
        const std::vector<hostdb::ResultTable> results = database->executeEach(args[1]);
        QStringList reports;
        for (const hostdb::ResultTable& table : results)
            reports << statementReport(table);
        zelhost::printOut(reports.isEmpty() ? QStringLiteral("(0 rows affected)\n") : reports.join(u'\n'));
        hostdb::HostDatabase::closeAll();
        return 0;
    } catch (const com::ComError& error) {
        zelhost::printErr(error.description() + u'\n');
        hostdb::HostDatabase::closeAll();
        return 1;
    }
}
