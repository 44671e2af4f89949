#pragma once
// What the component asks of the ledger grid it fills: the members it reads, writes and calls,
// under the names it knows them by. The host's Ledger50 offers them through Ledger50Adapter;
// any other grid (or a test's recording grid) offers them by implementing this class.
//
// Rows and columns count from 1; row 1 is the fixed title row. Lengths are twips, colours
// 0x00BBGGRR numbers. A row or column outside the grid raises a ComError.
//
// The grid's events (row text request, pointer, double-click, notifications), its print
// object and its font stay with the control itself: the window that creates the control
// connects to them (the row text request: ConnectRowTexts, tradequery/window/LedgerInteraction.h).
#include "platform/com/ObjectFactory.h"

#include <QString>

namespace tq {

class LedgerContract : public com::ComObject {
public:
    // Argument of ColumnHidden: hidden from the grid as shown.
    static constexpr long HIDDEN_IN_GRID = 16;

    // Rows: the total row count including the title row; 1 empties the grid.
    virtual long Rows() const = 0;
    virtual void setRows(long rows) = 0;

    // LedgerGrid: RowCount is the same quantity as Rows.
    virtual long RowCount() const = 0;
    virtual void setRowCount(long rows) = 0;
    virtual long ColCount() const = 0;
    virtual void setColCount(long cols) = 0;
    virtual long FixedRowCount() const = 0;
    virtual long RowHeight() const = 0;
    virtual void setRowHeight(long twips) = 0;
    virtual void setBackColor(long bgr) = 0;
    virtual void setOption(long index, long value) = 0;
    virtual long MouseRow() const = 0;
    virtual long MouseCol() const = 0;
    // Asks every row again as it is painted next.
    virtual void Redraw() = 0;

    // LedgerColumn(col).
    virtual long ColumnWidth(long col) const = 0;
    virtual void setColumnWidth(long col, long twips) = 0;
    // 1: the column holds numbers (shown right-aligned).
    virtual void setNumericAlign(long col, long value) = 0;
    virtual bool ColumnHidden(long col, long what = HIDDEN_IN_GRID) const = 0;

    // LedgerCell(row, col).Text.
    virtual QString CellText(long row, long col) = 0;

    // LedgerSelection.CurrentRow.
    virtual long CurrentRow() const = 0;
    virtual void setCurrentRow(long row) = 0;

    // The control's tooltip text.
    virtual void setToolTipText(const QString& text) = 0;
};

} // namespace tq
