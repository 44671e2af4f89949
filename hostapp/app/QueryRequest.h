#pragma once
// What the host asks of the price-history component: which query, from which material and
// which partner.
#include "hostapp/app/HostCommandLine.h"
#include "hostapp/app/MasterData.h"

#include <cstdint>

namespace zelhost {

struct QueryRequest {
    QueryKind kind = QueryKind::Sales;
    int32_t itemId = 0;     // 0: no material chosen
    int32_t companyId = 0;  // 0: no customer or supplier chosen
};

// The component's QueryType for a kind: 1 sales to customers, 2 purchases from suppliers.
int32_t queryTypeOf(QueryKind kind);

// The request of `--open` with its --item and --partner codes looked up to their FItemIDs.
// An unknown code raises com::ComError naming it.
QueryRequest requestFromOptions(const HostOptions& options, const SqlRunner& run);

} // namespace zelhost
