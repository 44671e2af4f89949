#pragma once
// Paints a ledger onto pages: header lines, the title row and the rows of each page, footer
// lines. The same routine serves printing, PDF output and the preview.
#include "platform/controls/LedgerPrintLayout.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

class QPaintDevice;
class QPainter;
class QPrinter;

namespace controls {

struct LedgerPrintColumn {
    int source = 0;  // 0-based index of the cell in a row
    QString title;
    long widthTwips = 0;
    bool numeric = false;
};

struct LedgerPrintLine {
    QString text;
    QFont font;
};

// Everything a print-out needs, taken from the grid when printing starts.
struct LedgerPrintJob {
    QList<LedgerPrintColumn> columns;  // the shown columns, in order
    QFont gridFont;
    long rowHeightTwips = 0;
    long firstRow = 2;
    long lastRow = 1;
    bool numberRows = false;  // a leading column with the running number of each data row
    QList<LedgerPrintLine> headers;
    QList<LedgerPrintLine> footers;
    std::function<QStringList(long row)> rowCells;
};

class LedgerPrintPainter {
public:
    // Measures the job on the printer's page.
    LedgerPrintPainter(const LedgerPrintJob& job, QPrinter& printer);
    // Measures the job on a page of the given size on any device (an image, for a look at a page).
    LedgerPrintPainter(const LedgerPrintJob& job, QPaintDevice& device, const QSizeF& pageSize);

    const LedgerPrintLayout& layout() const { return *m_layout; }

    // Paints every page; the painter is active on the printer.
    void paint(QPainter& painter, QPrinter& printer);
    // Paints one page of the layout at the painter's origin.
    void paintPage(QPainter& painter, const LedgerPrintPage& page);

private:
    void paintLines(QPainter& painter, const QList<LedgerLineParts>& parts,
                    const QList<LedgerPrintLine>& lines, const QList<double>& heights, double top);
    void paintGrid(QPainter& painter, const LedgerPrintPage& page);

    const LedgerPrintJob& m_job;
    QPaintDevice& m_device;
    double m_resolution = 0;  // device units per inch
    double m_unitsPerTwip = 1;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    double m_padding = 0;
    double m_lineGap = 0;
    double m_numberWidth = 0;
    QList<double> m_columnWidths;
    QList<LedgerPrintLine> m_headers;  // the lines that have text, with their heights
    QList<LedgerPrintLine> m_footers;
    QList<double> m_headerHeights;
    QList<double> m_footerHeights;
    double m_headerBlock = 0;  // header lines and the gap below them
    double m_footerBlock = 0;
    double m_titleHeight = 0;
    double m_rowHeight = 0;
    std::optional<LedgerPrintLayout> m_layout;
};

} // namespace controls
