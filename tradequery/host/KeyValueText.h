#pragma once
// Small text helpers for SQL literals and "key=value" lists.
#include <QString>

namespace tq {

// An SQL text literal: surrounding blanks removed when `trim` is set, every "'" doubled, and
// the result wrapped in "'" when `quote` is set.
QString SqlQuote(const QString& text, bool quote, bool trim);

// key + "=" + value + separator.
QString MakeKeyValue(const QString& key, const QString& value, const QString& separator);

// The value of key in a list of key=value pairs joined by separator: the key is found without
// regard to case, the value runs to the next separator (matched exactly) or to the end.
// "" when the key is absent. With an empty separator the value runs to the end.
QString GetKeyValue(const QString& text, const QString& key, const QString& separator);

} // namespace tq
