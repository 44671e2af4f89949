#pragma once
// The two options that shape a history query: stored per flavour in the host's system profile,
// read once by each browse window and changed in the options dialog.
#include <cstdint>

namespace tq {

struct QueryOptions {
    int32_t AllowSelf = 0;   // non-zero: only bills whose biller is the current user
    int32_t TradeTimes = 0;  // how many of the most recent lines are listed ("select top N")
    bool operator==(const QueryOptions&) const = default;
};

} // namespace tq
