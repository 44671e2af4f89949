#include "tradequery/component/TradeQuery.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/MsgBox.h"
#include "tradequery/component/HistoryListing.h"
#include "tradequery/component/ShowMode.h"
#include "tradequery/host/Messages.h"
#include "tradequery/host/Security.h"
#include "tradequery/window/BrowseBase.h"

#include <QPointer>
#include <memory>

namespace tq {

namespace {

QString rightMissingText(bool customerQuery)
{
    const QString query = customerQuery ? LangText(QStringLiteral("客户历史销售"))
                                        : LangText(QStringLiteral("供应商历史采购"));
    return LangText(QStringLiteral("您没有")) + query + LangText(QStringLiteral("价格查询的权限!"));
}

bool queryRefused(bool customerQuery)
{
    return AccessRefused(GLDataObject()->AccessCheck(
        kPriceQueryFunction, customerQuery ? kCustomerPriceQuery : kSupplierPriceQuery, kQueryRight));
}

} // namespace

TradeQuery::TradeQuery() = default;

TradeQuery::~TradeQuery() = default;

void TradeQuery::Show(QString /*sScreenID*/)
{
    const bool customerQuery = m_queryType == 1;
    if (queryRefused(customerQuery)) {
        win::MsgBox(rightMissingText(customerQuery), win::vbOKOnly | win::vbExclamation,
                    LangText(QStringLiteral("系统提示")));
        return;
    }

    // Owned here until it is shown; a failing load takes the window with it.
    auto window = std::make_unique<BrowseBase>();
    window->setQueryType(m_queryType);
    window->setItemID(m_itemId);
    window->setCompanyID(m_companyId);
    window->setFilter(m_filter);
    window->Load();

    if (!NeedModalShow()) {
        // Modeless and without owner: it lives until the user closes it, then deletes itself.
        window.release()->show();
        return;
    }
    // Modal: unloaded as soon as the modal loop ends, however it ends.
    QPointer<BrowseBase> modal = window.release();
    try {
        win::runModalWindow(*modal);
    } catch (...) {
        if (modal)
            modal->Unload();
        throw;
    }
    if (modal)
        modal->Unload();
}

QVariantMap TradeQuery::History(bool withTexts)
{
    if (queryRefused(m_queryType == 1))
        throw com::ComError(com::vbError(70), QStringLiteral("ZELTradeQuery"), rightMissingText(m_queryType == 1));
    return ListHistory(m_queryType, m_itemId, m_companyId, withTexts);
}

} // namespace tq
