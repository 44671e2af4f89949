#include "platform/controls/LedgerPrintLayout.h"

#include <algorithm>
#include <cmath>

namespace controls {

LedgerLineParts splitPageLine(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() == 1)
        return {QString(), text, QString()};
    // Text after a third "|" still belongs to the right part.
    return {parts.value(0), parts.value(1), parts.mid(2).join(QLatin1Char('|'))};
}

QString fillPagePlaceholders(const QString& text, int page, int pageCount)
{
    QString filled = text;
    filled.replace(QStringLiteral("&[总页]"), QString::number(pageCount));
    filled.replace(QStringLiteral("&[页]"), QString::number(page));
    return filled;
}

namespace {

QList<LedgerLineParts> linesOfPage(const QStringList& texts, int page, int pageCount)
{
    QList<LedgerLineParts> lines;
    for (const QString& text : texts)
        if (!text.isEmpty())
            lines.append(splitPageLine(fillPagePlaceholders(text, page, pageCount)));
    return lines;
}

} // namespace

LedgerPrintLayout::LedgerPrintLayout(const LedgerPageMetrics& metrics, long firstRow, long lastRow,
                                     const QStringList& headerTexts, const QStringList& footerTexts)
{
    if (metrics.gridWidth > metrics.pageWidth && metrics.gridWidth > 0)
        m_scale = metrics.pageWidth / metrics.gridWidth;

    // What is left between header and footer holds the title row and then whole rows; a page
    // too small for even one row still takes one, so printing always ends.
    const double body = metrics.pageHeight - metrics.headerHeight - metrics.footerHeight;
    const double rowsSpace = body - metrics.titleRowHeight * m_scale;
    const double row = metrics.rowHeight * m_scale;
    if (row > 0)
        m_rowsPerPage = std::max(1L, static_cast<long>(std::floor(rowsSpace / row + 1e-9)));

    const long dataRows = std::max(0L, lastRow - firstRow + 1);
    const int pageCount = dataRows == 0 ? 1 : static_cast<int>((dataRows + m_rowsPerPage - 1) / m_rowsPerPage);
    for (int number = 1; number <= pageCount; ++number) {
        LedgerPrintPage page;
        page.number = number;
        page.firstRow = firstRow + (number - 1) * m_rowsPerPage;
        page.lastRow = std::min(lastRow, page.firstRow + m_rowsPerPage - 1);
        page.headers = linesOfPage(headerTexts, number, pageCount);
        page.footers = linesOfPage(footerTexts, number, pageCount);
        m_pages.append(page);
    }
}

} // namespace controls
