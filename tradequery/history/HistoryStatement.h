#pragma once
// The SQL text that lists the most recent sales or purchase lines of a material or a partner,
// newest first. The tree builder hands it to the ledger; nothing here runs it.
//
//     QString sql = tq::GetHistorySQL(1, options, "123", 0, tq::HistoryNormalMode, QString());
//
// Host objects (system profile, data rights, shared login properties) are created for each call
// and released before it returns. No error is caught: a host object that cannot be created or
// fails, a discount precision that is not a number, or a login without "UserID" while
// AllowSelf is set raises its ComError to the caller.
#include "tradequery/history/HistoryFilter.h"
#include "tradequery/host/QueryOptions.h"

#include <QString>
#include <cstdint>

namespace tq {

// The mode argument of GetHistorySQL: filter mode joins a condition and orders by date only;
// every other value is the normal listing (callers pass -1).
constexpr int32_t HistoryNormalMode = -1;
constexpr int32_t HistoryFilterMode = 2;

// The whole statement: the select part of the flavour (queryType 1 sales, else purchases) with
// options.TradeTimes as its TOP count and the discount rate rounded to the host's
// "PrecisionOfDiscountRate"; the where part ("Where 1=1 AND u1.FCancellation=0 " and
// BuildHistoryFilter of nodeKey and partnerId); in filter mode "AND " + filterCondition (when
// not empty); the partner data-right clause when the host restricts the user's partners; and
// the ordering, newest first.
QString GetHistorySQL(int32_t queryType, QueryOptions& options, const QString& nodeKey, int32_t partnerId,
                      int32_t mode, const QString& filterCondition);

} // namespace tq
