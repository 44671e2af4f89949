#pragma once
// The member objects of the ledger grid, named as its users know them: the grid part
// (LedgerGrid), a column (LedgerColumn(k)), a cell (LedgerCell(row, col)) and the selection
// (LedgerSelection). Rows and columns count from 1; row 1 is the fixed title row. Lengths are
// twips, colours 0x00BBGGRR. A row or column outside the grid raises a ComError.
#include <QString>

namespace controls {

class Ledger50;

class Ledger50Grid {
public:
    // Option 512: the whole row is selected and highlighted, not a single cell.
    static constexpr long OPTION_ROW_SELECT = 512;

    explicit Ledger50Grid(Ledger50& ledger) : m_ledger(ledger) {}
    Ledger50Grid(const Ledger50Grid&) = delete;
    Ledger50Grid& operator=(const Ledger50Grid&) = delete;

    // Total rows including the title row (the same quantity as Ledger50::Rows).
    long RowCount() const;
    void setRowCount(long rows);
    long ColCount() const;
    void setColCount(long cols);
    long FixedRowCount() const;

    // Height of every row in twips. Until it is set, it follows the grid font.
    long RowHeight() const;
    void setRowHeight(long twips);

    // Background of the data area.
    long BackColor() const;
    void setBackColor(long bgr);

    // Indexed options; 0 when never set. Only OPTION_ROW_SELECT changes what the grid does.
    long Option(long index) const;
    void setOption(long index, long value);

    // Row and column under the pointer at its last move, press or double-click; 0 when the
    // pointer was beyond the last row or column. The title row is row 1.
    long MouseRow() const;
    long MouseCol() const;

    // Asks every row again as it is painted next.
    void Redraw();

private:
    Ledger50& m_ledger;
};

class Ledger50Column {
public:
    // Hidden's argument: hidden from the grid as shown (and so from what is taken from it).
    static constexpr long HIDDEN_IN_GRID = 16;

    Ledger50Column(Ledger50& ledger, long col) : m_ledger(ledger), m_col(col) {}

    long Width() const;  // twips; a hidden column keeps its width
    void setWidth(long twips);
    // 1: the column holds numbers and shows them right-aligned; 0: left-aligned text.
    long NumericAlign() const;
    void setNumericAlign(long value);
    bool Hidden(long what = HIDDEN_IN_GRID) const;
    void setHidden(bool hidden);
    // A pattern for number cells: when set, each number shown in the column is passed to
    // FormatRequest with this pattern and the answer is shown. Empty shows the row text as is.
    QString Format() const;
    void setFormat(const QString& pattern);

private:
    Ledger50& m_ledger;
    long m_col;
};

class Ledger50Cell {
public:
    Ledger50Cell(Ledger50& ledger, long row, long col) : m_ledger(ledger), m_row(row), m_col(col) {}

    // The text the cell shows; asks the owner for the row when it is not at hand.
    QString Text() const;

private:
    Ledger50& m_ledger;
    long m_row;
    long m_col;
};

class Ledger50Selection {
public:
    explicit Ledger50Selection(Ledger50& ledger) : m_ledger(ledger) {}

    // The current data row, 0 when there is none. Setting it selects the row and scrolls to it.
    long CurrentRow() const;
    void setCurrentRow(long row);

private:
    Ledger50& m_ledger;
};

} // namespace controls
