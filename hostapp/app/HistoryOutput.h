#pragma once
// How `zelhost history` prints the component's lines: `table` and `csv` with the texts the
// ledger shows under its column titles, `json` with the typed values a script reads without
// parsing formatted text.
#include <QString>
#include <QVariantMap>

namespace zelhost {

enum class HistoryFormat { Table, Csv, Json };

// history: what the component's History method answers. Table: aligned columns, numbers on
// the right, then "(N rows)". Csv: the titles, then one line per ledger row, cells quoted when
// they hold a comma, a quote or a line break. Json: {"baseCurrency": {"number", "name"},
// "lines": [{field: value}]}, numbers as numbers, dates as yyyy-MM-dd, null as null.
QString formatHistory(const QVariantMap& history, HistoryFormat format);

} // namespace zelhost
