#pragma once
// `--view item|partner`: the price window starts in the view it was left in; the host can
// choose the view beforehand by setting that remembered value in the settings store.
#include "hostapp/app/HostCommandLine.h"

namespace zelhost {

// Writes "ByCompany" (1 the customer/supplier view, 2 the item view) in section
// "ComTradeQuery" of the host's settings store; Stored writes nothing. Raises com::ComError
// when the store is missing or cannot be written.
void presetStartView(StartView view);

} // namespace zelhost
