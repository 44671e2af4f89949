#pragma once
// Ledger50: the host's virtual ledger grid. It holds row and column counts, layout and print
// facilities but no cell data: whenever it paints a row it raises RowTextRequest and shows the
// answer "cell|cell|...|". Row 1 is the fixed title row, shown as the column headers; data rows
// follow from row 2. Only rows that are painted are asked; an answered row is kept until the
// row count, the column count or Redraw changes, so a screenful of rows costs one request each.
//
// Lengths are twips (15 twips per pixel at 96 dpi), colours 0x00BBGGRR numbers.
#include "platform/controls/Ledger50Parts.h"

#include <QHash>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <memory>

class QTableView;
class QModelIndex;

namespace controls {

class Ledger50Model;
class Ledger50Printer;

class Ledger50 : public QWidget {
    Q_OBJECT
public:
    explicit Ledger50(QWidget* parent = nullptr);
    ~Ledger50() override;

    // Total row count including the title row; 1 shows the titles only.
    long Rows() const;
    void setRows(long rows);

    Ledger50Grid& LedgerGrid() { return *m_grid; }
    Ledger50Column LedgerColumn(long col);
    Ledger50Cell LedgerCell(long row, long col);
    Ledger50Selection LedgerSelection() { return Ledger50Selection(*this); }
    Ledger50Printer& LedgerPrinter() { return *m_printer; }

    // The tooltip shown over the grid; it follows the pointer when changed while shown.
    QString ToolTipText() const { return m_toolTipText; }
    void setToolTipText(const QString& text);
    // What the tooltip shows for a text: the text as typed, never read as markup.
    static QString plainToolTip(const QString& text);

    // The grid font (name, size, bold, italic); set it with QWidget::setFont.
    QFont Font() const { return font(); }

    // The inner view, for screenshots and simulated input.
    QTableView* tableView() const;

signals:
    // Asks for the text of one row ("cell|cell|...|"). color comes in as 0 and may be set to
    // the row's background (0x00BBGGRR; 0 keeps the grid's); extra comes in as 0 and is unused.
    // Connect directly: the answer is read when the emission returns.
    void RowTextRequest(long row, QString& text, long& color, long& extra);
    // Asks for a number of a column that has a Format pattern to be shown as text.
    void FormatRequest(const QVariant& value, const QString& pattern, QString& result);
    void CurrentRowChanged();
    // A double-click on the title row; MouseCol tells the column (0 beyond the last one).
    void TitleDblClick();
    // The pointer moved over the grid; MouseRow and MouseCol are already updated. button and
    // shift are bit sets (1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt); x and y are twips
    // from the grid's top-left corner.
    void MouseOverRow(long button, long shift, long x, long y);
    // Notifications; code 0, name "SelChanged", value = the current column and row = the new
    // current row when the selection moves to another row.
    void Notify(long code, const QString& name, const QVariant& value, long row, const QVariant& extra);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class Ledger50Grid;
    friend class Ledger50Column;
    friend class Ledger50Cell;
    friend class Ledger50Selection;
    friend class Ledger50Printer;

    Ledger50Model& model() const { return *m_model; }
    double dpiX() const;
    double dpiY() const;
    void checkRow(long row) const;
    void checkCol(long col) const;
    void setColCount(long cols);
    long rowHeightTwips() const;
    void setRowHeightTwips(long twips);
    void applyRowHeight();
    void applyColumn(long index);
    void applyAllColumns();
    void setBackColor(long bgr);
    void setOption(long index, long value);
    void setCurrentRow(long row);
    void showCurrentRow();
    void onViewCurrentChanged(const QModelIndex& current);
    void announceCurrentRow();
    void trackPointer(QWidget* area, const QPoint& pos);
    bool isOnSectionHandle(int x) const;
    // Raises an event; an error from a handler is dropped, as the grid cannot report it.
    void raiseEvent(const std::function<void()>& emitter);

    Ledger50Model* m_model;
    QTableView* m_view;
    std::unique_ptr<Ledger50Grid> m_grid;
    std::unique_ptr<Ledger50Printer> m_printer;
    long m_rowHeightTwips = 0;  // 0: follows the font
    long m_backColor = 0xFFFFFF;
    QHash<long, long> m_options;
    long m_currentRow = 0;
    long m_mouseRow = 0;
    long m_mouseCol = 0;
    QString m_toolTipText;
    bool m_applyingLayout = false;  // our own column changes are not user resizes
    bool m_movingCurrent = false;   // our own current-row changes are announced once
};

} // namespace controls
