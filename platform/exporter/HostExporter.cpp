#include "platform/exporter/HostExporter.h"

#include "platform/com/ErrorCodes.h"
#include "platform/exporter/ExportMessages.h"
#include "platform/exporter/ExportProgress.h"
#include "platform/files/ReplacingFile.h"
#include "platform/exporter/SavePathChooser.h"

#include <QDir>
#include <QFileInfo>

namespace exporter {

namespace {

const QString source = QStringLiteral("ZELExpImp80");

// Raised while the rows are loaded, so the message can say which row failed.
struct RowFailure {
    int32_t row;
    QString reason;
};

} // namespace

HostExporter::HostExporter(WriterFactory makeWriter) : m_makeWriter(std::move(makeWriter)) {}

void HostExporter::ExportColumns(int16_t count)
{
    if (count < 0)
        throw com::ComError(com::VB_INVALID_PROC_CALL, source, QStringLiteral("无效的列数 %1").arg(count));
    m_columns = QList<ExportColumn>(count);
}

ExportColumn& HostExporter::column(int16_t k)
{
    if (k < 1 || k > m_columns.size())
        throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, source,
                            QStringLiteral("下标越界: 第 %1 列, 共 %2 列").arg(k).arg(m_columns.size()));
    return m_columns[k - 1];
}

void HostExporter::ExportColumnTitle(int16_t k, const QString& title)
{
    column(k).title = title;
}

void HostExporter::ExportColumnOption(int16_t k, int32_t option)
{
    column(k).option = option;
}

void HostExporter::ExportRows(int32_t count)
{
    if (count < 0)
        throw com::ComError(com::VB_INVALID_PROC_CALL, source, QStringLiteral("无效的行数 %1").arg(count));
    m_rows = count;
}

bool HostExporter::writeRows(SheetWriter& writer, const QString& fileName)
{
    ExportProgress progress(m_rows, fileName);
    hostapi::ExportColData row(static_cast<int16_t>(m_columns.size()));
    for (int32_t n = 1; n <= m_rows; ++n) {
        row.clear();
        try {
            emit LoadData(n, row);
        } catch (const std::exception& error) {
            throw RowFailure{n, QString::fromUtf8(error.what())};
        }
        writer.addRow(row.items());
        if (!progress.advance(n))
            return false;
    }
    return true;
}

bool HostExporter::ExportRun(const QString& title)
{
    if (m_columns.isEmpty()) {
        showExportMessage(QStringLiteral("没有可引出的列。"));
        return false;
    }
    const QString path = chooseSavePath(title);
    if (path.isEmpty())
        return false;
    const QString shownPath = QDir::toNativeSeparators(path);
    const std::optional<SheetFormat> format = formatOfPath(path);
    if (!format) {
        showExportMessage(QStringLiteral("不能引出到文件 \"%1\"：只能引出为 .xlsx 或 .csv 文件。").arg(shownPath));
        return false;
    }

    try {
        files::ReplacingFile file(path);
        std::unique_ptr<SheetWriter> writer = m_makeWriter(file.temporaryPath(), *format);
        writer->begin(title, m_columns, m_rows);
        if (!writeRows(*writer, QFileInfo(path).fileName()))
            return false;  // cancelled: the temporary file goes with `file`
        writer->finish();
        writer.reset();
        file.commit();
        return true;
    } catch (const RowFailure& failure) {
        showExportMessage(QStringLiteral("读取第 %1 行时出错，文件 \"%2\" 没有写入。\n原因：%3")
                              .arg(failure.row)
                              .arg(shownPath, failure.reason));
    } catch (const com::ComError& error) {
        showExportMessage(QStringLiteral("不能写入文件 \"%1\"。\n原因：%2").arg(shownPath, error.description()));
    } catch (const std::exception& error) {
        showExportMessage(QStringLiteral("不能写入文件 \"%1\"。\n原因：%2").arg(shownPath, QString::fromUtf8(error.what())));
    }
    return false;
}

} // namespace exporter
