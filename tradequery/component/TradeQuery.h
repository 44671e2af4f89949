#pragma once
// The component's one creatable class. A host creates it (ProgID "ZELTradeQuery.TradeQuery"),
// sets QueryType, ItemID and CompanyID and calls Show; Show checks the user's right and opens a
// browse window. Properties and Show are also reachable by name through Qt's meta-object
// system, as automation clients reach them.
#include "platform/com/ObjectFactory.h"
#include "tradequery/window/ServerReferences.h"

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <cstdint>

namespace tq {

class TradeQuery : public QObject, public com::ComObject {
    Q_OBJECT
    // Write-only: the host sets them, nothing reads them back. (moc remarks that a property
    // without READ is not readable: that is intended.)
    Q_PROPERTY(int QueryType WRITE setQueryType)
    Q_PROPERTY(int CompanyID WRITE setCompanyID)
    Q_PROPERTY(int ItemID WRITE setItemID)
    Q_PROPERTY(int User WRITE setUser)

public:
    TradeQuery();
    ~TradeQuery() override;

    // 1 = customer sales-price history; any other value = supplier purchase-price history.
    void setQueryType(int32_t queryType) { m_queryType = queryType; }
    // The customer or supplier to start with, handed to the window.
    void setCompanyID(int32_t companyId) { m_companyId = companyId; }
    // The material to start with, handed to the window.
    void setItemID(int32_t itemId) { m_itemId = itemId; }
    // Accepted and kept; nothing reads it.
    void setUser(int32_t user) { m_user = user; }

    // Checks the right to the price query of the flavour and opens a new browse window, or
    // tells the user in a message box that the right is missing. sScreenID is accepted and has
    // no effect. Errors of the host (creating its objects, the access check, loading the
    // window) reach the caller unchanged.
    Q_INVOKABLE void Show(QString sScreenID = QString());

    // The lines the window would list for ItemID, CompanyID or both, for scripts (see
    // ListHistory in HistoryListing.h; withTexts adds the ledger's cell texts). Without the
    // right to the price query raises ComError with the message Show would show.
    Q_INVOKABLE QVariantMap History(bool withTexts);

private:
    ServerReference m_serverReference;  // a live object keeps the library in use
    int32_t m_queryType = 0;
    int32_t m_companyId = 0;
    int32_t m_itemId = 0;
    int32_t m_user = 0;
    com::ComObjectPtr m_filter;  // no way to set it: the window always gets an empty filter
};

} // namespace tq
