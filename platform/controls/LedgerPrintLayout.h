#pragma once
// How a printed ledger falls into pages: which rows each page holds, the scale that fits the
// columns to the paper width, and each page's header and footer lines with the page number
// and page count filled in. Pure arithmetic over lengths in device units, so it can be
// checked without a printer.
#include <QList>
#include <QString>
#include <QStringList>

namespace controls {

// A header or footer line cut at "|" into left | centre | right. A line without "|" is one
// text, centred.
struct LedgerLineParts {
    QString left;
    QString centre;
    QString right;
    bool operator==(const LedgerLineParts&) const = default;
};

LedgerLineParts splitPageLine(const QString& text);
// Replaces "&[页]" with the page number and "&[总页]" with the page count.
QString fillPagePlaceholders(const QString& text, int page, int pageCount);

struct LedgerPageMetrics {
    double pageWidth = 0;     // printable area
    double pageHeight = 0;
    double headerHeight = 0;  // all header lines with the gap below them
    double footerHeight = 0;  // all footer lines with the gap above them
    double gridWidth = 0;     // the printed columns side by side, unscaled
    double titleRowHeight = 0;
    double rowHeight = 0;
};

struct LedgerPrintPage {
    int number = 0;      // from 1
    long firstRow = 0;   // ledger rows on this page; lastRow < firstRow when it holds none
    long lastRow = -1;
    QList<LedgerLineParts> headers;  // one per header line that has text, placeholders filled
    QList<LedgerLineParts> footers;
};

class LedgerPrintLayout {
public:
    // firstRow..lastRow are the data rows to print (none when lastRow < firstRow); the title
    // row is repeated at the top of every page. Lines with an empty text take no place.
    LedgerPrintLayout(const LedgerPageMetrics& metrics, long firstRow, long lastRow,
                      const QStringList& headerTexts, const QStringList& footerTexts);

    // Below 1 when the columns are wider than the paper; rows and titles shrink with them.
    double scale() const { return m_scale; }
    long rowsPerPage() const { return m_rowsPerPage; }
    const QList<LedgerPrintPage>& pages() const { return m_pages; }

private:
    double m_scale = 1;
    long m_rowsPerPage = 1;
    QList<LedgerPrintPage> m_pages;
};

} // namespace controls
