#pragma once
// The host's Ledger50 grid seen through the ledger contract. The adapter does not own the
// control (its window does); once the control is gone every member raises error 91, so a
// late call cannot touch a destroyed widget.
#include "platform/controls/Ledger50.h"
#include "tradequery/history/LedgerContract.h"

#include <QPointer>

namespace tq {

class Ledger50Adapter : public LedgerContract {
public:
    explicit Ledger50Adapter(controls::Ledger50* ledger) : m_ledger(ledger) {}

    controls::Ledger50* control() const { return m_ledger; }

    long Rows() const override;
    void setRows(long rows) override;
    long RowCount() const override;
    void setRowCount(long rows) override;
    long ColCount() const override;
    void setColCount(long cols) override;
    long FixedRowCount() const override;
    long RowHeight() const override;
    void setRowHeight(long twips) override;
    void setBackColor(long bgr) override;
    void setOption(long index, long value) override;
    long MouseRow() const override;
    long MouseCol() const override;
    void Redraw() override;
    long ColumnWidth(long col) const override;
    void setColumnWidth(long col, long twips) override;
    void setNumericAlign(long col, long value) override;
    bool ColumnHidden(long col, long what = HIDDEN_IN_GRID) const override;
    QString CellText(long row, long col) override;
    long CurrentRow() const override;
    void setCurrentRow(long row) override;
    void setToolTipText(const QString& text) override;

private:
    controls::Ledger50& ledger() const;

    QPointer<controls::Ledger50> m_ledger;
};

} // namespace tq
