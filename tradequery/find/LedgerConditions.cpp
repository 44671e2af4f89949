#include "tradequery/find/LedgerConditions.h"

#include "platform/ado/Recordset.h"
#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "platform/win/MsgBox.h"
#include "tradequery/find/frmFind.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/InfoBox.h"
#include "tradequery/host/Messages.h"
#include "tradequery/tree/BrowseContext.h"

namespace tq {

namespace {

QString noData()
{
    return LangText(QStringLiteral("当前没有数据!"));
}

// The ledger's recordset when it is open; null when there is none or it is closed.
ado::RecordsetPtr openRecords(BrowseContext& window)
{
    BaseDetail* detail = window.ledgerObject();
    ado::RecordsetPtr records = detail ? detail->recordset() : nullptr;
    if (!records || records->State() == ado::adStateClosed)
        return nullptr;
    return records;
}

} // namespace

LedgerConditions::LedgerConditions(BrowseContext& window, QWidget* dialogParent)
    : m_window(window), m_frmF(std::make_unique<frmFind>(dialogParent))
{
    connect(m_frmF.get(), &frmFind::FilterNow, this, &LedgerConditions::frmF_FilterNow);
    connect(m_frmF.get(), &frmFind::SortNow, this, &LedgerConditions::frmF_SortNow);
    connect(m_frmF.get(), &frmFind::FindNow, this, &LedgerConditions::frmF_FindNow);
}

LedgerConditions::~LedgerConditions() = default;

bool LedgerConditions::selectedNodeHasChildren() const
{
    const controls::Node selected = m_window.tvwBase().SelectedItem();
    // With nothing selected there is nothing to sort or filter either.
    return selected.isNull() || selected.Children() > 0;
}

void LedgerConditions::showDialog(int32_t actionMode)
{
    m_frmF->setActionMode(actionMode);
    m_frmF->ShowModal();
}

void LedgerConditions::FilterCommand()
{
    if (selectedNodeHasChildren()) {
        InfoBox(noData());
        return;
    }
    showDialog(frmFind::FilterMode);
}

void LedgerConditions::SortCommand()
{
    if (selectedNodeHasChildren()) {
        InfoBox(noData());
        return;
    }
    showDialog(frmFind::SortMode);
}

void LedgerConditions::FindCommand()
{
    try {
        BaseDetail* detail = m_window.ledgerObject();
        const ado::RecordsetPtr records = detail ? detail->recordset() : nullptr;
        if (!records) {
            InfoBox(noData());
            return;
        }
        if (records->State() == ado::adStateClosed)
            return;
        if (records->RecordCount() == 0) {
            InfoBox(noData());
            return;
        }
        showDialog(frmFind::FindMode);
    } catch (const com::ComError& error) {
        InfoBox(FormatMsg(LangText(QStringLiteral("查找价格时出错。原因:%1")), error.description()));
    }
}

void LedgerConditions::frmF_FilterNow(const QString& strFilter)
{
    try {
        // The item and partner of the last node click; the tree is not asked again.
        const QString statement = GetHistorySQL(m_window.QueryType(), m_window.queryOptions(),
                                                QString::number(m_window.ItemID()), m_window.CompanyID(),
                                                HistoryFilterMode, strFilter);
        BaseDetail* detail = m_window.ledgerObject();
        if (!detail)
            throw com::ComError(com::vbError(91), QStringLiteral("LedgerConditions"),
                                QStringLiteral("对象变量或 With 块变量未设置"));
        // A statement the database rejects is reported by the load itself.
        detail->TakeJournalData(statement, nullptr, QString());
        const long records = m_window.ldgBase().LedgerGrid().RowCount() - 1;
        m_window.setTitleItem(FormatMsg(LangText(QStringLiteral("[%1] 共计: %2条记录")),
                                        m_window.tvwBase().SelectedItem().Text(), static_cast<qlonglong>(records)));
    } catch (const com::ComError& error) {
        InfoBox(FormatMsg(LangText(QStringLiteral("过滤数据时出错,请检查你的过滤条件。原因：%1")), error.description()));
    }
}

void LedgerConditions::frmF_SortNow(const QString& strSort)
{
    try {
        const ado::RecordsetPtr records = openRecords(m_window);
        if (!records || records->Eof())
            return;
        m_window.ledgerObject()->SortRows(strSort);
        m_currentSort = strSort;
    } catch (const com::ComError& error) {
        InfoBox(FormatMsg(LangText(QStringLiteral("排序数据时出错,请检查你的排序顺序。原因：%1")), error.description()));
    }
}

QString LedgerConditions::FindCriteria(int32_t SearchMode)
{
    QString criteria;
    for (int i = 1; i <= FieldCount; ++i) {
        const FieldDef& field = FieldTable(i);
        const QString& text = field.FindText;
        if (text.isEmpty())
            continue;
        const bool fuzzy = SearchMode == 1;
        if (field.DataType == FieldTypeText)
            criteria += fuzzy ? field.Key + QStringLiteral(" Like '%") + text + QStringLiteral("%'")
                              : field.Key + QStringLiteral(" = '") + text + QLatin1Char('\'');
        else if (field.DataType == FieldTypeDate)
            criteria += field.Key + QStringLiteral(" = '") + text + QLatin1Char('\'');
        else
            criteria += field.Key + (fuzzy ? QStringLiteral(" Like ") : QStringLiteral(" = ")) + text;
        criteria += QStringLiteral(" AND ");
    }
    criteria = criteria.trimmed();
    if (criteria.size() > 3 && criteria.endsWith(QLatin1String("AND")))
        criteria.chop(3);
    return criteria;
}

void LedgerConditions::frmF_FindNow(int32_t SearchMode, int32_t /*MatchMode*/, const QString& /*strFind*/)
{
    if (m_resetFindCount) {
        m_resetFindCount = false;
        m_findHitCount = 0;
    }
    const ado::RecordsetPtr records = openRecords(m_window);
    if (!records) {
        m_frmF->close();
        return;
    }
    ado::RecordsetPtr copy;
    try {
        // Its own cursor over the same rows, in the order the ledger shows them.
        copy = records->Clone();
        copy->SetSort(records->Sort());
        const QString criteria = FindCriteria(SearchMode);
        copy->MoveFirst();
        copy->SetFilter(criteria);
        const long matches = copy->RecordCount();

        bool hit = false;
        ado::Bookmark hitMark;
        if (matches > 0 && m_findHitCount < matches) {
            copy->Move(m_findHitCount, ado::adBookmarkFirst);
            ++m_findHitCount;
            hitMark = copy->Bookmark();
            hit = true;
        } else {
            m_findHitCount = 0;
        }

        controls::Ledger50Selection selection = m_window.ldgBase().LedgerSelection();
        if (hit) {
            records->SetBookmark(hitMark);
            selection.setCurrentRow(records->AbsolutePosition() + 1);
        } else {
            const int answer = win::MsgBox(
                LangText(QStringLiteral("你已搜索完全部记录，但没有找到相应的下一个记录!是否重新搜索?")),
                win::vbYesNo + win::vbInformation, LangText(QStringLiteral("青禾提示：")));
            if (answer == win::vbYes)
                selection.setCurrentRow(2);
        }
        copy.reset();
        records->SetFilter(QString());
    } catch (const com::ComError& error) {
        copy.reset();
        if (error.number() == com::DISP_E_TYPEMISMATCH_)
            InfoBox(LangText(QStringLiteral("您搜索的数据不存在！")));
        else
            InfoBox(FormatMsg(LangText(QStringLiteral("查找数据时出错。原因：%1")), error.description()));
    }
}

} // namespace tq
