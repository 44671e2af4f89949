#pragma once
// The window's answers to its ledger grid: the row texts from the history ledger, the "00.00"
// value format, the current row's price in the status bar, the sort by a double-clicked column
// title and the price tooltip that follows the pointer.
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QVariant>

namespace controls {
class Ledger50;
}

namespace tq {

class BaseDetail;
class BrowseBase;

// The row text rule: row 1 is TRowData(1), every other row DRowData(row, color).
void AnswerRowText(BaseDetail& detail, long row, QString& text, long& color);

// Answers the grid's row text requests from detail, for a grid shown without the window
// (benchmarks, tests of the history alone). detail must outlive the grid's requests;
// disconnecting the answer ends them.
QMetaObject::Connection ConnectRowTexts(controls::Ledger50& ledger, BaseDetail& detail);

class LedgerInteraction : public QObject {
    Q_OBJECT
public:
    // Connects itself to the window's ldgBase.
    explicit LedgerInteraction(BrowseBase& window);

    // Row 1 is the title row; any other row the cells of its record, with the row colour.
    void ldgBase_RowText(long row, QString& text, long& color);
    // Every value in "00.00", whatever pattern the grid passes.
    static QString ldgBase_ValueFormat(const QVariant& value);
    // "物料代码[code]价格:price" in the "Info" panel while a data row is current.
    void ShowCurrentRowPrice();
    // The grid's "SelChanged" notification (code 0) shows the price of the row it names.
    void ldgBase_Notify(long code, const QString& name, long row);
    // A double-click on a column title sorts the history by that column, ascending first.
    void ldgBase_TitleDblClick();
    // The tooltip over the title row is the usage hint; over a data row its price.
    void ldgBase_MouseOverRow();

private:
    BrowseBase& m_window;
};

} // namespace tq
