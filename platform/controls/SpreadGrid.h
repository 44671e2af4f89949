#pragma once
// The condition grid: a small spreadsheet of typed cells (SpreadCell.h) with a caption row.
// Rows and columns count from 1; row 0 is the caption row. Every cell starts Static and
// empty; the owner gives input cells their kind:
//
//     controls::SpreadGrid grid;
//     grid.SetMaxCols(2);
//     grid.SetMaxRows(18);
//     grid.SetText(1, 0, "目标");                       // caption of column 1
//     grid.SetListCell(2, 1, {"(无)", "升序", "降序"});
//     grid.SetDecimalCell(2, 2, 8);
//     ...
//     grid.FinishEditing();                             // before reading what was typed
//     grid.ListIndex(2, 1);  grid.Text(2, 2);
//
// A row or column outside the grid raises ComError 35600; a value the cell's kind refuses
// raises an invalid-argument ComError that names the value. No cell ever holds a quote.
#include "platform/controls/SpreadCell.h"

#include <QWidget>
#include <functional>
#include <optional>

class QTableView;

namespace controls {

class SpreadGridModel;
class SpreadGridDelegate;
class SpreadGridView;

// The cell whose typed text the grid could not take, and that text.
struct SpreadGridRefusal {
    long col = 0;
    long row = 0;
    QString text;
};

class SpreadGrid : public QWidget {
    Q_OBJECT
public:
    explicit SpreadGrid(QWidget* parent = nullptr);
    ~SpreadGrid() override;

    long MaxRows() const;
    void SetMaxRows(long rows);
    long MaxCols() const;
    void SetMaxCols(long cols);
    // The width of a column in characters of the grid's font.
    void SetColWidth(long col, double characters);

    // Kinds of cells; each keeps the cell's value when the new kind accepts it.
    void SetCellType(long col, long row, SpreadCellType type);
    void SetDecimalCell(long col, long row, int places);
    void SetListCell(long col, long row, const QStringList& items);
    SpreadCellType CellType(long col, long row) const;
    void SetLocked(long col, long row, bool locked);
    bool Locked(long col, long row) const;
    void SetFontSize(long col, long row, int points);
    int FontSize(long col, long row) const;

    // Row 0 gives the column's caption. List cells answer their chosen item's text.
    QString Text(long col, long row) const;
    void SetText(long col, long row, const QString& text);
    // The index of the chosen item, -1 when nothing is chosen (and for cells of other kinds).
    int ListIndex(long col, long row) const;
    void SetListIndex(long col, long row, int index);

    // Hands the text of an open editor to its cell and closes the editor. A text the cell
    // cannot take (a half-typed date, a lone "-") stays in the open editor and comes back as
    // the refusal; the cell keeps its previous value.
    std::optional<SpreadGridRefusal> FinishEditing();
    // Makes the cell current and opens its editor, as a double-click would; null when the cell
    // takes no input.
    QWidget* EditCell(long col, long row);

    QTableView* tableView() const;
    SpreadGridModel& model() const { return *m_model; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void checkCell(long col, long row) const;
    void checkCol(long col) const;
    void reformat(long col, long row, const std::function<void(SpreadCell&)>& change);

    SpreadGridModel* m_model;
    SpreadGridDelegate* m_delegate;
    SpreadGridView* m_view;
};

} // namespace controls
