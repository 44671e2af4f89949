#pragma once
// The host's exporter: the columns and the row count as the caller describes them, then at
// ExportRun the file the person chooses, .xlsx or .csv by its suffix, filled row by row from
// LoadData. The new file replaces the target only when complete; a failure says what went wrong
// naming the file and leaves nothing behind; cancelling the save dialog or the progress window
// writes nothing and says nothing.
#include "platform/exporter/SheetWriter.h"
#include "platform/hostapi/ExpImp80.h"

#include <functional>

namespace exporter {

class HostExporter : public hostapi::ExpImp80 {
    Q_OBJECT
public:
    using WriterFactory = std::function<std::unique_ptr<SheetWriter>(const QString& path, SheetFormat format)>;

    // Writes with the writer of the chosen format; tests hand in writers of their own.
    explicit HostExporter(WriterFactory makeWriter = makeSheetWriter);

    void ExportColumns(int16_t count) override;
    void ExportColumnTitle(int16_t column, const QString& title) override;
    void ExportColumnOption(int16_t column, int32_t option) override;
    void ExportRows(int32_t count) override;
    bool ExportRun(const QString& title) override;

    const QList<ExportColumn>& columns() const { return m_columns; }
    int32_t rows() const { return m_rows; }

private:
    ExportColumn& column(int16_t k);
    // Writes every row through the writer; false when the person cancelled.
    bool writeRows(SheetWriter& writer, const QString& fileName);

    WriterFactory m_makeWriter;
    QList<ExportColumn> m_columns;
    int32_t m_rows = 0;
};

} // namespace exporter
