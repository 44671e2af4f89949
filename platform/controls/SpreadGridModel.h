#pragma once
// The data side of the condition grid: a table of typed cells (see SpreadCell.h) with one
// caption per column. Grid row r (1-based) is model row r - 1 and grid column c is model
// column c - 1; the grid's row 0 holds the column captions and is the view's header.
//
// Reading: DisplayRole and EditRole give the cell's text (List cells: the chosen item, where the
// first item, which names "nothing", shows as an empty cell), FontRole the cell's font size,
// TextAlignmentRole right for numbers. Writing through setData (editors and code alike) drops
// quotes and stores only values the cell's kind accepts; a List cell takes its index as an
// integer (-1 to the last item). Locked and Static cells are not editable by the user.
#include "platform/controls/SpreadCell.h"

#include <QAbstractTableModel>
#include <QFont>
#include <vector>

namespace controls {

class SpreadGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The role that reads and writes a List cell's index.
    static constexpr int ListIndexRole = Qt::UserRole + 1;

    explicit SpreadGridModel(QObject* parent = nullptr);

    // Changing either count keeps the cells that remain; new cells are Static and empty.
    void setGridSize(int rows, int cols);
    int gridRows() const { return m_rows; }
    int gridCols() const { return m_cols; }

    // The cell by 1-based row and column; the caller checks the range.
    const SpreadCell& cell(int row, int col) const { return m_cells[slot(row, col)]; }
    // Changes the kind, list, lock or font of a cell; its value is kept when the new kind
    // accepts it and cleared otherwise.
    void setCellFormat(int row, int col, const SpreadCell& format);

    QString caption(int col) const { return m_captions[col - 1]; }
    void setCaption(int col, const QString& text);

    // The font whose size cells of fontSize 0 keep; the grid hands its own.
    void setBaseFont(const QFont& font);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    size_t slot(int row, int col) const { return static_cast<size_t>(row - 1) * m_cols + (col - 1); }
    SpreadCell& at(const QModelIndex& index) { return m_cells[slot(index.row() + 1, index.column() + 1)]; }
    const SpreadCell& at(const QModelIndex& index) const { return m_cells[slot(index.row() + 1, index.column() + 1)]; }
    bool holds(const QModelIndex& index) const;  // a cell of this model
    QString shownText(const SpreadCell& cell) const;
    void cellChanged(int row, int col);

    int m_rows = 0;
    int m_cols = 0;
    std::vector<SpreadCell> m_cells;  // row by row
    QStringList m_captions;
    QFont m_baseFont;
};

} // namespace controls
