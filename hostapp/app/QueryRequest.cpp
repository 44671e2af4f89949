#include "hostapp/app/QueryRequest.h"

#include "hostapp/database/DemoData.h"

namespace zelhost {

int32_t queryTypeOf(QueryKind kind)
{
    return kind == QueryKind::Sales ? 1 : 2;
}

QueryRequest requestFromOptions(const HostOptions& options, const SqlRunner& run)
{
    QueryRequest request;
    request.kind = options.open;
    if (!options.itemNumber.isEmpty())
        request.itemId = materialIdByNumber(run, options.itemNumber);
    if (!options.partnerNumber.isEmpty()) {
        request.companyId = partnerIdByNumber(run, options.open, options.partnerNumber);
        requirePartnerRight(run, options.userId.value_or(hostdb::demo::kAdminUserId), options.open, request.companyId,
                            options.partnerNumber);
    }
    return request;
}

} // namespace zelhost
