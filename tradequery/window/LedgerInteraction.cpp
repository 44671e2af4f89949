#include "tradequery/window/LedgerInteraction.h"

#include "platform/controls/Ledger50.h"
#include "platform/vb/Format.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/host/InfoBox.h"
#include "tradequery/host/Messages.h"
#include "tradequery/window/BrowseBase.h"
#include "tradequery/host/Steps.h"

namespace tq {

namespace {

constexpr long kCodeColumn = 1;
constexpr long kNameColumn = 2;
constexpr long kPriceColumn = 17;

// The field of the ledger column, or "" when no history column stands there.
QString fieldKeyOfColumn(long column)
{
    for (int row = 1; row <= FieldCount; ++row) {
        if (FieldTable(row).ColumnNo == column)
            return FieldTable(row).Key;
    }
    return {};
}

} // namespace

void AnswerRowText(BaseDetail& detail, long row, QString& text, long& color)
{
    if (row == 1)
        text = detail.TRowData(1);
    else
        text = detail.DRowData(row, color);
}

QMetaObject::Connection ConnectRowTexts(controls::Ledger50& ledger, BaseDetail& detail)
{
    // Direct: the grid reads the answer as soon as the emission returns.
    return QObject::connect(
        &ledger, &controls::Ledger50::RowTextRequest, &ledger,
        [&detail](long row, QString& text, long& color, long&) { AnswerRowText(detail, row, text, color); },
        Qt::DirectConnection);
}

LedgerInteraction::LedgerInteraction(BrowseBase& window) : QObject(&window), m_window(window)
{
    controls::Ledger50* ledger = &window.ldgBase();
    // Direct: the grid reads each answer as soon as the emission returns.
    connect(ledger, &controls::Ledger50::RowTextRequest, this,
            [this](long row, QString& text, long& color, long&) { ldgBase_RowText(row, text, color); },
            Qt::DirectConnection);
    connect(ledger, &controls::Ledger50::FormatRequest, this,
            [](const QVariant& value, const QString&, QString& result) { result = ldgBase_ValueFormat(value); },
            Qt::DirectConnection);
    connect(ledger, &controls::Ledger50::CurrentRowChanged, this, [this] { ShowCurrentRowPrice(); });
    connect(ledger, &controls::Ledger50::TitleDblClick, this, [this] { ldgBase_TitleDblClick(); });
    connect(ledger, &controls::Ledger50::MouseOverRow, this, [this](long, long, long, long) { ldgBase_MouseOverRow(); });
    connect(ledger, &controls::Ledger50::Notify, this,
            [this](long code, const QString& name, const QVariant&, long row, const QVariant&) {
                ldgBase_Notify(code, name, row);
            });
}

void LedgerInteraction::ldgBase_RowText(long row, QString& text, long& color)
{
    if (BaseDetail* detail = m_window.ledgerObject())
        AnswerRowText(*detail, row, text, color);
}

QString LedgerInteraction::ldgBase_ValueFormat(const QVariant& value)
{
    return vb::Format(value, QStringLiteral("00.00"));
}

void LedgerInteraction::ShowCurrentRowPrice()
{
    controls::Ledger50& ledger = m_window.ldgBase();
    const long row = ledger.LedgerSelection().CurrentRow();
    if (row <= 1)
        return;
    m_window.setStatusText(QStringLiteral("Info"), QStringLiteral("物料代码[")
                                                      + ledger.LedgerCell(row, kCodeColumn).Text()
                                                      + QStringLiteral("]价格:")
                                                      + ledger.LedgerCell(row, kPriceColumn).Text());
}

void LedgerInteraction::ldgBase_Notify(long code, const QString& name, long row)
{
    if (code != 0 || name != QLatin1String("SelChanged"))
        return;
    controls::Ledger50& ledger = m_window.ldgBase();
    m_window.setStatusText(QStringLiteral("Info"),
                           FormatMsg(LangText(QStringLiteral("物料代码[%1]价格:%2")),
                                     ledger.LedgerCell(row, kCodeColumn).Text(),
                                     ledger.LedgerCell(row, kPriceColumn).Text()));
}

void LedgerInteraction::ldgBase_TitleDblClick()
{
    try {
        controls::Ledger50& ledger = m_window.ldgBase();
        controls::Ledger50Grid& grid = ledger.LedgerGrid();
        const long mouseRow = grid.MouseRow();
        const long mouseCol = grid.MouseCol();
        // No sorting in the item view while the batch sort is on.
        if (m_window.treeShowsItems() && m_window.treeBatchSort())
            return;
        if (mouseCol == 0 || mouseRow > 1)
            return;
        const QString key = fieldKeyOfColumn(mouseCol);
        BaseDetail* detail = m_window.ledgerObject();
        const ado::RecordsetPtr records = detail ? detail->recordset() : nullptr;
        if (!records || records->State() == ado::adStateClosed || records->Eof())
            return;
        // The same column again turns the order round; another column starts ascending.
        const QString current = records->Sort();
        QString direction = QStringLiteral(" ASC");
        if (current.contains(key + QLatin1Char(' ')) && current.contains(QStringLiteral(" ASC")))
            direction = QStringLiteral(" DESC");
        detail->SortRows(key + direction);
    } catch (const com::ComError& error) {
        InfoBox(FormatMsg(LangText(QStringLiteral("排序数据时出错。原因：%1")), error.description()));
    }
}

void LedgerInteraction::ldgBase_MouseOverRow()
{
    controls::Ledger50& ledger = m_window.ldgBase();
    long row = 0;  // stays 0, the title row's hint, when the grid cannot tell
    step([&] { row = ledger.LedgerGrid().MouseRow(); });
    if (row <= 1) {
        step([&] {
            ledger.setToolTipText(LangText(QStringLiteral("记住了吗?"))
                                  + LangText(QStringLiteral("1.双击标题可相应排序查询结果; "
                                                            "2.将鼠标移动到相应的行上,就可快速地显示价格信息。")));
        });
        return;
    }
    step([&] {
        ledger.setToolTipText(ledger.LedgerCell(row, kCodeColumn).Text() + QLatin1Char('|')
                              + ledger.LedgerCell(row, kNameColumn).Text() + LangText(QStringLiteral("|价格信息:"))
                              + ledger.LedgerCell(row, kPriceColumn).Text());
    });
}

} // namespace tq
