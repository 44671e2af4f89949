#pragma once
// `--view item|partner`: the price window starts in the view it was left in; the host can
// choose the view beforehand by setting that remembered value in the settings store.
#include "hostapp/app/HostCommandLine.h"

namespace zelhost {

// The view the window starts in for these options: --view when given; else the item view when
// only a material was asked for, the partner view when only a partner was, and otherwise the
// view the window was left in (Stored).
StartView startViewFor(const HostOptions& options);

// Writes "ByCompany" (1 the customer/supplier view, 2 the item view) in section
// "ComTradeQuery" of the host's settings store; Stored writes nothing. Raises com::ComError
// when the store is missing or cannot be written.
void presetStartView(StartView view);

} // namespace zelhost
