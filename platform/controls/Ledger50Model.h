#pragma once
// The data side of the ledger grid. It holds no cell data: the row and column counts, the
// column settings, and a bounded cache of the row texts its owner answered. Row 1 (the
// fixed title row) is shown as the view's header; model row i is ledger row i + 2.
#include "platform/controls/LedgerRowCache.h"

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <vector>

namespace controls {

struct LedgerColumnSettings {
    long widthTwips = 1200;
    bool numericAlign = false;
    bool hidden = false;
    QString format;  // when set, number cells are shown as the owner formats them
};

// Splits a row text at "|"; the "|" after the last cell ends it and adds no empty cell.
QStringList splitRowText(const QString& text);

class Ledger50Model : public QAbstractTableModel {
    Q_OBJECT
public:
    // Asks the owner for a ledger row's text and colour.
    using RowSource = std::function<LedgerRowAnswer(long row)>;
    // Asks the owner to format a number with a column's pattern; empty keeps the cell text.
    using ValueFormatter = std::function<QString(const QVariant& value, const QString& pattern)>;

    // At most this many answered rows are kept; beyond it the row used longest ago goes. Only
    // painted rows are asked, so many screenfuls fit.
    static constexpr int CACHE_LIMIT = 4096;

    explicit Ledger50Model(QObject* parent = nullptr);

    void setRowSource(RowSource source) { m_rowSource = std::move(source); }
    void setValueFormatter(ValueFormatter formatter) { m_formatter = std::move(formatter); }

    long rows() const { return m_rows; }
    void setRows(long rows);
    long cols() const { return static_cast<long>(m_columns.size()); }
    void setCols(long cols);
    long fixedRows() const { return FIXED_ROWS; }

    // Column settings by 0-based index; the caller checks the range.
    const LedgerColumnSettings& column(long index) const { return m_columns[index]; }
    void setNumericAlign(long index, bool on);
    void setColumnFormat(long index, const QString& pattern);
    void setColumnWidth(long index, long twips) { m_columns[index].widthTwips = twips; }
    void setColumnHidden(long index, bool hidden) { m_columns[index].hidden = hidden; }

    // Forgets every answered row and repaints, so each painted row is asked again.
    void redraw();

    // The answer for a ledger row (1-based), asked once and then kept until the next
    // row-count, column-count or redraw change (or until the cache needs its place).
    LedgerRowAnswer answer(long row) const;
    // Asks the owner afresh without touching the cache (printing walks every row).
    LedgerRowAnswer fetch(long row);
    // The text shown in a cell (1-based row and column); empty for cells the row lacks.
    QString cellText(long row, long col) const;

    long ledgerRowOf(int modelRow) const { return modelRow + FIXED_ROWS + 1; }
    int modelRowOf(long ledgerRow) const { return static_cast<int>(ledgerRow - FIXED_ROWS - 1); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    static constexpr long FIXED_ROWS = 1;

    LedgerRowAnswer ask(long row) const;
    void clearCache();

    long m_rows = 0;
    std::vector<LedgerColumnSettings> m_columns;
    RowSource m_rowSource;
    ValueFormatter m_formatter;
    // Painting is const in Qt's eyes; the cache of answers is not part of the model's state.
    mutable LedgerRowCache m_cache{CACHE_LIMIT};
    mutable QSet<long> m_asking;  // rows being asked, so a handler reading them cannot recurse
};

} // namespace controls
