#pragma once
// The component's browse window. The query component hands it the query type, the start item,
// the start partner and a filter object through its four write-only properties, loads it and
// shows it, modally or modeless.
#include "platform/com/ObjectFactory.h"
#include "platform/hostapi/ObjectValue.h"
#include "tradequery/component/ServerReferences.h"

#include <QWidget>
#include <cstdint>

namespace tq {

class BrowseBase : public QWidget {
    Q_OBJECT
    // Written by whoever opens the window, before Load. (moc remarks that a property
    // without READ is not readable: that is intended.)
    Q_PROPERTY(int QueryType WRITE setQueryType)
    Q_PROPERTY(int CompanyID WRITE setCompanyID)
    Q_PROPERTY(int ItemID WRITE setItemID)
    Q_PROPERTY(com::ComObjectPtr Filter WRITE setFilter)

public:
    // The window's name, under which it keeps its user profile values.
    static constexpr char kWindowName[] = "BrowseBase";

    explicit BrowseBase(QWidget* parent = nullptr);
    ~BrowseBase() override;

    void setQueryType(int32_t queryType) { m_queryType = queryType; }
    void setCompanyID(int32_t companyId) { m_companyId = companyId; }
    void setItemID(int32_t itemId) { m_itemId = itemId; }
    void setFilter(com::ComObjectPtr filter) { m_filter = std::move(filter); }

    // For the window's own parts: 1 is the customer sales flavour, anything else the supplier
    // purchase flavour.
    int32_t queryType() const { return m_queryType; }
    int32_t companyID() const { return m_companyId; }
    int32_t itemID() const { return m_itemId; }
    const com::ComObjectPtr& filter() const { return m_filter; }
    bool isCustomerQuery() const { return m_queryType == 1; }

    // Loads the window: captions from the properties. Loading a loaded window does nothing.
    void Load();
    bool isLoaded() const { return m_loaded; }

    // Unloads the window: closes it (running its unload handling once) and releases it; the
    // object is deleted when control returns to the event loop.
    void Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ServerReference m_serverReference;  // an open window keeps the library in use
    int32_t m_queryType = 0;
    int32_t m_companyId = 0;
    int32_t m_itemId = 0;
    com::ComObjectPtr m_filter;
    bool m_loaded = false;
};

} // namespace tq
