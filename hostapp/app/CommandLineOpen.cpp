#include "hostapp/app/CommandLineOpen.h"

#include "hostapp/app/QueryRequest.h"
#include "hostapp/app/StartViewPreset.h"
#include "hostapp/app/TradeQueryLauncher.h"

namespace zelhost {

bool openRequestedQuery(const HostOptions& options, const SqlRunner& run)
{
    const QueryRequest request = requestFromOptions(options, run);
    presetStartView(startViewFor(options));
    return openTradeQuery(request);
}

} // namespace zelhost
