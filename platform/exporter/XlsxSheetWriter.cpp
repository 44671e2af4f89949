#include "platform/exporter/XlsxSheetWriter.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/exporter/CellValue.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstring>

namespace exporter {

namespace {

constexpr uint32_t titleRow = 0;
constexpr uint32_t headerRow = 1;
constexpr double titleFontSize = 14;
// A cell holds at most this many characters.
constexpr qsizetype maxCellText = 32767;

com::ComError writeError(const QString& reason)
{
    return com::ComError(com::E_FAIL_, QStringLiteral("XlsxSheetWriter"), reason);
}

// Worksheet names are at most 31 characters and may not hold []:*?/\ or begin or end with '.
QString sheetName(const QString& title)
{
    QString name = title;
    for (QChar& c : name)
        if (QStringView(u"[]:*?/\\").contains(c))
            c = u'_';
    name = name.left(31);
    while (name.startsWith(u'\'') || name.endsWith(u'\''))
        name = name.startsWith(u'\'') ? name.mid(1) : name.chopped(1);
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Sheet1") : name;
}

} // namespace

XlsxSheetWriter::XlsxSheetWriter(QString path) : m_path(std::move(path)) {}

XlsxSheetWriter::~XlsxSheetWriter()
{
    // Dropped before finish: nothing more is written.
    if (m_workbook)
        lxw_workbook_free(m_workbook);
}

void XlsxSheetWriter::check(int error) const
{
    if (error != LXW_NO_ERROR)
        throw writeError(QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(error))));
}

void XlsxSheetWriter::begin(const QString& title, const QList<ExportColumn>& columns, int32_t rowCount)
{
    if (rowCount > maxRows)
        throw writeError(QStringLiteral("XLSX 工作表最多容纳 %1 行数据，要引出的有 %2 行；请引出为 CSV 文件")
                             .arg(maxRows)
                             .arg(rowCount));
    if (columns.size() > LXW_COL_MAX)
        throw writeError(QStringLiteral("XLSX 工作表最多容纳 %1 列，要引出的有 %2 列").arg(LXW_COL_MAX).arg(columns.size()));

    const QByteArray path = m_path.toUtf8();
    lxw_workbook_options options = {};
    m_workbook = workbook_new_opt(path.constData(), &options);
    if (!m_workbook)
        throw writeError(QStringLiteral("不能创建工作簿"));
    m_sheet = workbook_add_worksheet(m_workbook, sheetName(title).toUtf8().constData());
    if (!m_sheet)
        throw writeError(QStringLiteral("不能创建工作表"));

    m_bold = workbook_add_format(m_workbook);
    format_set_bold(m_bold);
    lxw_format* titleFormat = workbook_add_format(m_workbook);
    format_set_bold(titleFormat);
    format_set_font_size(titleFormat, titleFontSize);

    m_columns = columns;
    m_widths = ColumnWidths(int(columns.size()));
    if (!title.isEmpty())
        check(worksheet_write_string(m_sheet, titleRow, 0, title.left(maxCellText).toUtf8().constData(), titleFormat));
    for (int column = 0; column < columns.size(); ++column) {
        const QString& text = columns[column].title;
        m_widths.measure(column, text);
        if (!text.isEmpty())
            check(worksheet_write_string(m_sheet, headerRow, lxw_col_t(column),
                                         text.left(maxCellText).toUtf8().constData(), m_bold));
    }
    worksheet_freeze_panes(m_sheet, headerRow + 1, 0);
    m_row = headerRow + 1;
}

lxw_format* XlsxSheetWriter::formatFor(const QString& numberFormat)
{
    lxw_format*& format = m_formats[numberFormat];
    if (!format) {
        format = workbook_add_format(m_workbook);
        format_set_num_format(format, numberFormat.toUtf8().constData());
    }
    return format;
}

void XlsxSheetWriter::writeText(int column, const QString& text)
{
    const int32_t option = m_columns[column].option;
    const CellValue cell = readCell(text, option & optionNumbers, option & optionDates);
    const auto col = lxw_col_t(column);
    switch (cell.kind) {
    case CellValue::Kind::Number:
        check(worksheet_write_number(m_sheet, m_row, col, cell.number, formatFor(displayFormat(cell))));
        return;
    case CellValue::Kind::Date: {
        lxw_datetime when = {cell.date.year(), cell.date.month(), cell.date.day(),
                             cell.time.hour(), cell.time.minute(), double(cell.time.second())};
        check(worksheet_write_datetime(m_sheet, m_row, col, &when, formatFor(displayFormat(cell))));
        return;
    }
    case CellValue::Kind::Text:
        check(worksheet_write_string(m_sheet, m_row, col, text.left(maxCellText).toUtf8().constData(), nullptr));
        return;
    }
}

void XlsxSheetWriter::addRow(const QStringList& cells)
{
    const int count = int(std::min(cells.size(), m_columns.size()));
    for (int column = 0; column < count; ++column) {
        const QString& text = cells[column];
        if (text.isEmpty())
            continue;
        m_widths.measure(column, text);
        writeText(column, text);
    }
    ++m_row;
}

void XlsxSheetWriter::finish()
{
    for (int column = 0; column < m_columns.size(); ++column)
        check(worksheet_set_column(m_sheet, lxw_col_t(column), lxw_col_t(column), m_widths.width(column), nullptr));
    // workbook_close frees the workbook whatever it answers. Its own error names only the step
    // that failed; the system's reason (a full disk, say) is in errno.
    lxw_workbook* workbook = std::exchange(m_workbook, nullptr);
    errno = 0;
    const lxw_error error = workbook_close(workbook);
    const int systemError = errno;
    if (error != LXW_NO_ERROR && systemError != 0)
        throw writeError(QStringLiteral("%1 (%2)").arg(QString::fromUtf8(lxw_strerror(error)),
                                                      QString::fromLocal8Bit(std::strerror(systemError))));
    check(error);
}

} // namespace exporter
