#pragma once
// `--open sales|purchase` with its --item, --partner and --view: the query a person asked
// for on the command line, opened as soon as the host is up.
#include "hostapp/app/HostCommandLine.h"
#include "hostapp/app/MasterData.h"

namespace zelhost {

// Presets the start view (--view), looks up the codes and opens the query through the
// component. An unknown code (or a store that cannot be written) raises com::ComError before
// anything opens. Otherwise the answer is openTradeQuery's: false when creating the component
// or its Show failed (the person was told).
bool openRequestedQuery(const HostOptions& options, const SqlRunner& run);

} // namespace zelhost
