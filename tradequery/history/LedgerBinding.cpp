#include "tradequery/history/LedgerBinding.h"

#include "platform/controls/Ledger50.h"
#include "tradequery/history/BaseDetail.h"

namespace tq {

void AnswerRowText(BaseDetail& detail, long row, QString& text, long& color)
{
    if (row == 1)
        text = detail.TRowData(1);
    else
        text = detail.DRowData(row, color);
}

LedgerBinding::LedgerBinding(controls::Ledger50& ledger, BaseDetail& detail)
{
    // Direct: the grid reads the answer as soon as the emission returns.
    m_connection = QObject::connect(
        &ledger, &controls::Ledger50::RowTextRequest, &ledger,
        [&detail](long row, QString& text, long& color, long&) { AnswerRowText(detail, row, text, color); },
        Qt::DirectConnection);
}

LedgerBinding::~LedgerBinding()
{
    QObject::disconnect(m_connection);
}

} // namespace tq
