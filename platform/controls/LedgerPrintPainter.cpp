#include "platform/controls/LedgerPrintPainter.h"

#include "platform/controls/Ledger50Units.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace controls {

namespace {

QList<LedgerPrintLine> linesWithText(const QList<LedgerPrintLine>& lines)
{
    QList<LedgerPrintLine> kept;
    for (const LedgerPrintLine& line : lines)
        if (!line.text.isEmpty())
            kept.append(line);
    return kept;
}

// The height a text really takes: Chinese glyphs come from a fallback font that can be taller
// than the font asked for.
double textHeight(const QFont& font, const QString& text, QPaintDevice& device)
{
    const QFontMetricsF metrics(font, &device);
    return std::max(metrics.lineSpacing(), metrics.boundingRect(QRectF(), Qt::AlignLeft, text).height());
}

QStringList textsOf(const QList<LedgerPrintLine>& lines)
{
    QStringList texts;
    for (const LedgerPrintLine& line : lines)
        texts.append(line.text);
    return texts;
}

} // namespace

LedgerPrintPainter::LedgerPrintPainter(const LedgerPrintJob& job, QPrinter& printer)
    : LedgerPrintPainter(job, printer,
                         printer.pageLayout().paintRectPixels(printer.resolution()).size())
{
}

LedgerPrintPainter::LedgerPrintPainter(const LedgerPrintJob& job, QPaintDevice& device,
                                       const QSizeF& pageSize)
    : m_job(job), m_device(device)
{
    m_resolution = device.logicalDpiY();
    m_unitsPerTwip = m_resolution / TWIPS_PER_INCH;
    m_pageWidth = pageSize.width();
    m_pageHeight = pageSize.height();
    m_padding = m_resolution * 0.03;
    m_lineGap = m_resolution * 0.08;

    // Each line is measured with a Chinese glyph added, so lines of one font are equally tall.
    m_headers = linesWithText(job.headers);
    m_footers = linesWithText(job.footers);
    for (const LedgerPrintLine& line : m_headers) {
        m_headerHeights.append(textHeight(line.font, line.text + QStringLiteral("页"), device));
        m_headerBlock += m_headerHeights.last();
    }
    if (m_headerBlock > 0)
        m_headerBlock += m_lineGap;
    for (const LedgerPrintLine& line : m_footers) {
        m_footerHeights.append(textHeight(line.font, line.text + QStringLiteral("页"), device));
        m_footerBlock += m_footerHeights.last();
    }
    if (m_footerBlock > 0)
        m_footerBlock += m_lineGap;

    // The grid's row height, but never less than the text needs on paper.
    const QFontMetricsF grid(job.gridFont, &device);
    const double gridText = textHeight(job.gridFont, QStringLiteral("物料Ag"), device);
    m_rowHeight = std::max(job.rowHeightTwips * m_unitsPerTwip, gridText + m_padding);
    m_titleHeight = m_rowHeight;
    if (job.numberRows) {
        const long count = std::max(1L, job.lastRow - job.firstRow + 1);
        m_numberWidth = grid.horizontalAdvance(QString::number(count)) + 2 * m_padding;
    }
    double gridWidth = m_numberWidth;
    for (const LedgerPrintColumn& column : job.columns) {
        m_columnWidths.append(column.widthTwips * m_unitsPerTwip);
        gridWidth += m_columnWidths.last();
    }

    LedgerPageMetrics metrics;
    metrics.pageWidth = m_pageWidth;
    metrics.pageHeight = m_pageHeight;
    metrics.headerHeight = m_headerBlock;
    metrics.footerHeight = m_footerBlock;
    metrics.gridWidth = gridWidth;
    metrics.titleRowHeight = m_titleHeight;
    metrics.rowHeight = m_rowHeight;
    m_layout.emplace(metrics, job.firstRow, job.lastRow, textsOf(job.headers), textsOf(job.footers));
}

void LedgerPrintPainter::paint(QPainter& painter, QPrinter& printer)
{
    bool first = true;
    for (const LedgerPrintPage& page : m_layout->pages()) {
        if (!first)
            printer.newPage();
        first = false;
        paintPage(painter, page);
    }
}

void LedgerPrintPainter::paintPage(QPainter& painter, const LedgerPrintPage& page)
{
    paintLines(painter, page.headers, m_headers, m_headerHeights, 0);
    painter.save();
    painter.translate(0, m_headerBlock);
    painter.scale(m_layout->scale(), m_layout->scale());
    paintGrid(painter, page);
    painter.restore();
    paintLines(painter, page.footers, m_footers, m_footerHeights,
               m_pageHeight - m_footerBlock + m_lineGap);
}

void LedgerPrintPainter::paintLines(QPainter& painter, const QList<LedgerLineParts>& parts,
                                    const QList<LedgerPrintLine>& lines,
                                    const QList<double>& heights, double top)
{
    painter.setPen(Qt::black);
    double y = top;
    for (qsizetype i = 0; i < parts.size() && i < lines.size(); ++i) {
        painter.setFont(lines[i].font);
        const QRectF rect(0, y, m_pageWidth, heights[i]);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, parts[i].left);
        painter.drawText(rect, Qt::AlignHCenter | Qt::AlignVCenter, parts[i].centre);
        painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, parts[i].right);
        y += heights[i];
    }
}

void LedgerPrintPainter::paintGrid(QPainter& painter, const LedgerPrintPage& page)
{
    const long rows = page.lastRow >= page.firstRow ? page.lastRow - page.firstRow + 1 : 0;
    double width = m_numberWidth;
    for (double columnWidth : m_columnWidths)
        width += columnWidth;
    const double height = m_titleHeight + rows * m_rowHeight;

    // Title row shaded like the grid's column headers, then thin grey rules round every cell;
    // the texts come last so that no rule covers a glyph.
    painter.fillRect(QRectF(0, 0, width, m_titleHeight), QColor(232, 232, 232));
    painter.setPen(QPen(QColor(128, 128, 128), m_resolution / 150.0));
    painter.drawLine(QPointF(0, 0), QPointF(width, 0));
    for (long line = 0; line <= rows; ++line) {
        const double lineY = m_titleHeight + line * m_rowHeight;
        painter.drawLine(QPointF(0, lineY), QPointF(width, lineY));
    }
    double x = 0;
    painter.drawLine(QPointF(x, 0), QPointF(x, height));
    x = m_numberWidth;
    if (m_numberWidth > 0)
        painter.drawLine(QPointF(x, 0), QPointF(x, height));
    for (double columnWidth : m_columnWidths) {
        x += columnWidth;
        painter.drawLine(QPointF(x, 0), QPointF(x, height));
    }

    painter.setFont(m_job.gridFont);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(m_job.gridFont, &m_device);
    auto drawCell = [&](const QRectF& cell, const QString& text, Qt::Alignment align) {
        const QRectF inner = cell.adjusted(m_padding, 0, -m_padding, 0);
        painter.drawText(inner, align | Qt::AlignVCenter | Qt::TextDontClip,
                         metrics.elidedText(text, Qt::ElideRight, inner.width()));
    };
    x = m_numberWidth;
    for (qsizetype i = 0; i < m_job.columns.size(); ++i) {
        drawCell(QRectF(x, 0, m_columnWidths[i], m_titleHeight), m_job.columns[i].title, Qt::AlignHCenter);
        x += m_columnWidths[i];
    }
    double y = m_titleHeight;
    for (long row = page.firstRow; row <= page.lastRow; ++row, y += m_rowHeight) {
        const QStringList cells = m_job.rowCells ? m_job.rowCells(row) : QStringList();
        if (m_job.numberRows)
            drawCell(QRectF(0, y, m_numberWidth, m_rowHeight),
                     QString::number(row - m_job.firstRow + 1), Qt::AlignRight);
        x = m_numberWidth;
        for (qsizetype i = 0; i < m_job.columns.size(); ++i) {
            const LedgerPrintColumn& column = m_job.columns[i];
            drawCell(QRectF(x, y, m_columnWidths[i], m_rowHeight), cells.value(column.source),
                     column.numeric ? Qt::AlignRight : Qt::AlignLeft);
            x += m_columnWidths[i];
        }
    }
}

} // namespace controls
