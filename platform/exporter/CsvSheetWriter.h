#pragma once
// Writes a .csv file in UTF-8 with a byte order mark, so spreadsheet programs read Chinese text
// right: the column titles on the first line, then one line per row, lines ending in CR LF.
// A text holding a comma, a quote, a line break or leading or trailing blanks is quoted, its
// quotes doubled. The export title is not written: a CSV file holds one table.
#include "platform/exporter/SheetWriter.h"

#include <QFile>

namespace exporter {

class CsvSheetWriter : public SheetWriter {
public:
    explicit CsvSheetWriter(QString path);

    void begin(const QString& title, const QList<ExportColumn>& columns, int32_t rowCount) override;
    void addRow(const QStringList& cells) override;
    void finish() override;

    // One field as it stands in a line.
    static QString field(const QString& text);

private:
    void writeLine(const QStringList& cells);
    void write(const QByteArray& bytes);

    QFile m_file;
    qsizetype m_columns = 0;
};

} // namespace exporter
