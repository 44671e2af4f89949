#include "platform/controls/Ledger50Parts.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Model.h"

namespace controls {

// ---- LedgerGrid ----

long Ledger50Grid::RowCount() const
{
    return m_ledger.Rows();
}

void Ledger50Grid::setRowCount(long rows)
{
    m_ledger.setRows(rows);
}

long Ledger50Grid::ColCount() const
{
    return m_ledger.model().cols();
}

void Ledger50Grid::setColCount(long cols)
{
    m_ledger.setColCount(cols);
}

long Ledger50Grid::FixedRowCount() const
{
    return m_ledger.model().fixedRows();
}

long Ledger50Grid::RowHeight() const
{
    return m_ledger.rowHeightTwips();
}

void Ledger50Grid::setRowHeight(long twips)
{
    m_ledger.setRowHeightTwips(twips);
}

long Ledger50Grid::BackColor() const
{
    return m_ledger.m_backColor;
}

void Ledger50Grid::setBackColor(long bgr)
{
    m_ledger.setBackColor(bgr);
}

long Ledger50Grid::Option(long index) const
{
    return m_ledger.m_options.value(index, 0);
}

void Ledger50Grid::setOption(long index, long value)
{
    m_ledger.setOption(index, value);
}

long Ledger50Grid::MouseRow() const
{
    return m_ledger.m_mouseRow;
}

long Ledger50Grid::MouseCol() const
{
    return m_ledger.m_mouseCol;
}

void Ledger50Grid::Redraw()
{
    m_ledger.model().redraw();
}

// ---- LedgerColumn ----
// The column was checked when the handle was made; a handle kept across a ColCount change
// is checked again by the grid on each use.

long Ledger50Column::Width() const
{
    m_ledger.checkCol(m_col);
    return m_ledger.model().column(m_col - 1).widthTwips;
}

void Ledger50Column::setWidth(long twips)
{
    m_ledger.checkCol(m_col);
    if (twips < 0)
        throw com::ComError(com::vbError(380), QStringLiteral("Ledger50"),
                            QStringLiteral("列宽不能为负数：%1").arg(twips));
    m_ledger.model().setColumnWidth(m_col - 1, twips);
    m_ledger.applyColumn(m_col - 1);
}

long Ledger50Column::NumericAlign() const
{
    m_ledger.checkCol(m_col);
    return m_ledger.model().column(m_col - 1).numericAlign ? 1 : 0;
}

void Ledger50Column::setNumericAlign(long value)
{
    m_ledger.checkCol(m_col);
    m_ledger.model().setNumericAlign(m_col - 1, value != 0);
}

bool Ledger50Column::Hidden(long what) const
{
    m_ledger.checkCol(m_col);
    if (what != HIDDEN_IN_GRID)
        throw com::ComError(com::VB_INVALID_PROC_CALL, QStringLiteral("Ledger50"),
                            QStringLiteral("Hidden 的参数只能是 16（表格中隐藏），不能是 %1").arg(what));
    return m_ledger.model().column(m_col - 1).hidden;
}

void Ledger50Column::setHidden(bool hidden)
{
    m_ledger.checkCol(m_col);
    m_ledger.model().setColumnHidden(m_col - 1, hidden);
    m_ledger.applyColumn(m_col - 1);
}

QString Ledger50Column::Format() const
{
    m_ledger.checkCol(m_col);
    return m_ledger.model().column(m_col - 1).format;
}

void Ledger50Column::setFormat(const QString& pattern)
{
    m_ledger.checkCol(m_col);
    m_ledger.model().setColumnFormat(m_col - 1, pattern);
}

// ---- LedgerCell ----

QString Ledger50Cell::Text() const
{
    m_ledger.checkRow(m_row);
    m_ledger.checkCol(m_col);
    return m_ledger.model().cellText(m_row, m_col);
}

// ---- LedgerSelection ----

long Ledger50Selection::CurrentRow() const
{
    return m_ledger.m_currentRow;
}

void Ledger50Selection::setCurrentRow(long row)
{
    m_ledger.setCurrentRow(row);
}

} // namespace controls
