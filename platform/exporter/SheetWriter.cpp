#include "platform/exporter/SheetWriter.h"

#include "platform/exporter/CsvSheetWriter.h"
#include "platform/exporter/XlsxSheetWriter.h"

namespace exporter {

std::optional<SheetFormat> formatOfPath(const QString& path)
{
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return SheetFormat::Xlsx;
    if (path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return SheetFormat::Csv;
    return std::nullopt;
}

std::unique_ptr<SheetWriter> makeSheetWriter(const QString& path, SheetFormat format)
{
    if (format == SheetFormat::Xlsx)
        return std::make_unique<XlsxSheetWriter>(path);
    return std::make_unique<CsvSheetWriter>(path);
}

} // namespace exporter
