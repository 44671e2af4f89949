#pragma once
// The node and user conditions of the history statement, the part of its where-text that
// depends on what was clicked and on the query options.
#include "tradequery/host/QueryOptions.h"

#include <QString>

namespace tq {

// The conditions of a node: a class key ("gi" + id) lists every material numbered under that
// class; a numeric key lists that material, and a partner number above 0 narrows it to that
// partner; an empty key or one holding "gc" adds nothing. Then, when options.AllowSelf is set,
// only the current user's bills. Each condition starts with a blank; the text may be empty.
// The login properties are parsed again on every call.
QString BuildHistoryFilter(QueryOptions& options, const QString& key, const QString& partner);

} // namespace tq
