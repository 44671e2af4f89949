#pragma once
// A file format the exporter writes: the title, the column titles, then the rows in order.
// A writer writes only to the path it was made for and raises ComError, with the reason as
// its description, when it cannot; a writer dropped before finish leaves an incomplete file
// that its owner throws away.
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

namespace exporter {

struct ExportColumn {
    QString title;
    int32_t option = 255;
};

// What a column option lets a writer do with the column's texts; 255 allows everything.
constexpr int32_t optionNumbers = 1;  // texts that are numbers become numbers
constexpr int32_t optionDates = 2;    // texts that are dates become dates

class SheetWriter {
public:
    virtual ~SheetWriter() = default;
    // Raises ComError when the format cannot hold `rowCount` rows.
    virtual void begin(const QString& title, const QList<ExportColumn>& columns, int32_t rowCount) = 0;
    // One text per column, in column order.
    virtual void addRow(const QStringList& cells) = 0;
    // Completes the file.
    virtual void finish() = 0;
};

enum class SheetFormat { Xlsx, Csv };

// The format a file name asks for by its suffix (case does not matter); none for others.
std::optional<SheetFormat> formatOfPath(const QString& path);

std::unique_ptr<SheetWriter> makeSheetWriter(const QString& path, SheetFormat format);

} // namespace exporter
