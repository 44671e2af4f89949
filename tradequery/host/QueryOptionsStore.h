#pragma once
// The query options in the host's system profile table (t_SystemProfile, category "IC"), one
// pair of keys per flavour: "ClientAllowSelf"/"ClientTradeTimes" for queryType 1 (sales),
// "ProviderAllowSelf"/"ProviderTradeTimes" otherwise. Shared by every user of the database.
// Both calls go through "ZELMAppConnection.AppConnection" with the login's connection string.
#include "tradequery/host/QueryOptions.h"

#include <cstdint>

namespace tq {

// Reads the flavour's options into `options`. When the table holds none of the flavour's
// keys, creates "AllowSelf" and "TradeTimes" with "0" and leaves `options` as it came in.
// Never raises: a failure before the values are taken (no connection, query rejected) leaves
// `options` unchanged, and a value that cannot be read (missing row, not a 32-bit number) is
// skipped.
void ReadQueryOptions(int32_t queryType, QueryOptions& options);

// Writes both options of the flavour; true when the statement ran, false after any error
// (no message).
bool SaveQueryOptions(int32_t queryType, QueryOptions& options);

} // namespace tq
