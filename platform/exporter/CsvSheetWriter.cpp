#include "platform/exporter/CsvSheetWriter.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

namespace exporter {

namespace {

com::ComError writeError(const QString& reason)
{
    return com::ComError(com::E_FAIL_, QStringLiteral("CsvSheetWriter"), reason);
}

} // namespace

CsvSheetWriter::CsvSheetWriter(QString path) : m_file(std::move(path)) {}

void CsvSheetWriter::write(const QByteArray& bytes)
{
    if (m_file.write(bytes) != bytes.size())
        throw writeError(m_file.errorString());
}

QString CsvSheetWriter::field(const QString& text)
{
    const bool quoted = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

void CsvSheetWriter::writeLine(const QStringList& cells)
{
    QString line;
    for (qsizetype column = 0; column < m_columns; ++column) {
        if (column > 0)
            line += u',';
        if (column < cells.size())
            line += field(cells[column]);
    }
    line += QLatin1String("\r\n");
    write(line.toUtf8());
}

void CsvSheetWriter::begin(const QString&, const QList<ExportColumn>& columns, int32_t)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw writeError(m_file.errorString());
    write(QByteArrayLiteral("\xEF\xBB\xBF"));
    m_columns = columns.size();
    QStringList titles;
    for (const ExportColumn& column : columns)
        titles.append(column.title);
    writeLine(titles);
}

void CsvSheetWriter::addRow(const QStringList& cells)
{
    writeLine(cells);
}

void CsvSheetWriter::finish()
{
    // Buffered bytes reach the disk here; a full disk shows up now at the latest.
    if (!m_file.flush())
        throw writeError(m_file.errorString());
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        throw writeError(m_file.errorString());
}

} // namespace exporter
