#pragma once
// Opening the price-history component exactly as the host application does: create
// "ZELTradeQuery.TradeQuery" through the object factory, set its properties by name and call
// Show by name, as an automation client would.
#include "hostapp/app/QueryRequest.h"

#include <QVariantMap>

namespace zelhost {

// Creates the component, sets QueryType, ItemID and CompanyID and calls Show. Whether a
// window opens is the component's decision: a user without the right gets its own message
// box. An error from creating the object or from Show is shown to the person with its
// description; the answer is then false.
bool openTradeQuery(const QueryRequest& request);

// The lines the component's window would list for the request, for the user logged in: its
// History method called by name (see HistoryListing in the component). Raises com::ComError
// when the component cannot be made or refuses (no right), or the query fails.
QVariantMap tradeQueryHistory(const QueryRequest& request, bool withTexts);

} // namespace zelhost
