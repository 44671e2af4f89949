#pragma once
// Answers the row text requests of a window's Ledger50 from its history ledger: row 1 gets
// the title row, every other row the cells of its record and the row colour. The browse
// window keeps one binding beside its ledger object for as long as both live.
#include <QMetaObject>
#include <QString>

namespace controls {
class Ledger50;
}

namespace tq {

class BaseDetail;

// One row text request: TRowData(1) for row 1, else DRowData(row, color).
void AnswerRowText(BaseDetail& detail, long row, QString& text, long& color);

class LedgerBinding {
public:
    // From now on the ledger's RowTextRequest is answered by detail, which must outlive the
    // binding; the ledger may go first.
    LedgerBinding(controls::Ledger50& ledger, BaseDetail& detail);
    ~LedgerBinding();
    LedgerBinding(const LedgerBinding&) = delete;
    LedgerBinding& operator=(const LedgerBinding&) = delete;

private:
    QMetaObject::Connection m_connection;
};

} // namespace tq
