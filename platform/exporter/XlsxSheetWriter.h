#pragma once
// Writes one worksheet of an .xlsx workbook: the title in bold on the first row, the column
// titles in bold on the second, the rows below; the two title rows stay in view when
// scrolling, and each column is as wide as its widest text. Texts that are numbers or dates
// (as the column's option allows) are written as numbers and dates with a format that shows
// them as the text did; the rest as text. The workbook is written to the path at finish.
#include "platform/exporter/ColumnWidths.h"
#include "platform/exporter/SheetWriter.h"

#include <QHash>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace exporter {

class XlsxSheetWriter : public SheetWriter {
public:
    explicit XlsxSheetWriter(QString path);
    ~XlsxSheetWriter() override;
    XlsxSheetWriter(const XlsxSheetWriter&) = delete;
    XlsxSheetWriter& operator=(const XlsxSheetWriter&) = delete;

    void begin(const QString& title, const QList<ExportColumn>& columns, int32_t rowCount) override;
    void addRow(const QStringList& cells) override;
    void finish() override;

    // The most data rows a worksheet holds under the two title rows.
    static constexpr int32_t maxRows = 1048576 - 2;

private:
    void writeText(int column, const QString& text);
    lxw_format* formatFor(const QString& numberFormat);
    void check(int error) const;

    QString m_path;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_bold = nullptr;
    QHash<QString, lxw_format*> m_formats;  // owned by the workbook
    QList<ExportColumn> m_columns;
    ColumnWidths m_widths;
    uint32_t m_row = 0;
};

} // namespace exporter
