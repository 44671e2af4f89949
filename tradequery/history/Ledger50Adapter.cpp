#include "tradequery/history/Ledger50Adapter.h"

#include "platform/com/ErrorCodes.h"

namespace tq {

controls::Ledger50& Ledger50Adapter::ledger() const
{
    if (!m_ledger)
        throw com::ComError(com::vbError(91), QStringLiteral("Ledger50"),
                            QStringLiteral("对象变量或 With 块变量未设置：台账表格已经关闭"));
    return *m_ledger;
}

long Ledger50Adapter::Rows() const { return ledger().Rows(); }
void Ledger50Adapter::setRows(long rows) { ledger().setRows(rows); }
long Ledger50Adapter::RowCount() const { return ledger().LedgerGrid().RowCount(); }
void Ledger50Adapter::setRowCount(long rows) { ledger().LedgerGrid().setRowCount(rows); }
long Ledger50Adapter::ColCount() const { return ledger().LedgerGrid().ColCount(); }
void Ledger50Adapter::setColCount(long cols) { ledger().LedgerGrid().setColCount(cols); }
long Ledger50Adapter::FixedRowCount() const { return ledger().LedgerGrid().FixedRowCount(); }
long Ledger50Adapter::RowHeight() const { return ledger().LedgerGrid().RowHeight(); }
void Ledger50Adapter::setRowHeight(long twips) { ledger().LedgerGrid().setRowHeight(twips); }
void Ledger50Adapter::setBackColor(long bgr) { ledger().LedgerGrid().setBackColor(bgr); }
void Ledger50Adapter::setOption(long index, long value) { ledger().LedgerGrid().setOption(index, value); }
long Ledger50Adapter::MouseRow() const { return ledger().LedgerGrid().MouseRow(); }
long Ledger50Adapter::MouseCol() const { return ledger().LedgerGrid().MouseCol(); }
void Ledger50Adapter::Redraw() { ledger().LedgerGrid().Redraw(); }
long Ledger50Adapter::ColumnWidth(long col) const { return ledger().LedgerColumn(col).Width(); }
void Ledger50Adapter::setColumnWidth(long col, long twips) { ledger().LedgerColumn(col).setWidth(twips); }
void Ledger50Adapter::setNumericAlign(long col, long value) { ledger().LedgerColumn(col).setNumericAlign(value); }
bool Ledger50Adapter::ColumnHidden(long col, long what) const { return ledger().LedgerColumn(col).Hidden(what); }
QString Ledger50Adapter::CellText(long row, long col) { return ledger().LedgerCell(row, col).Text(); }
long Ledger50Adapter::CurrentRow() const { return ledger().LedgerSelection().CurrentRow(); }
void Ledger50Adapter::setCurrentRow(long row) { ledger().LedgerSelection().setCurrentRow(row); }
void Ledger50Adapter::setToolTipText(const QString& text) { ledger().setToolTipText(text); }

} // namespace tq
