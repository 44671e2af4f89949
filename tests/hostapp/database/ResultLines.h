#pragma once
// A result table as text lines ("cell|cell"), null as NULL, for compact expectations.
#include "hostapp/database/ResultTable.h"

#include <QStringList>

namespace hostdb::testing {

inline QStringList linesOf(const ResultTable& table)
{
    QStringList lines;
    for (const auto& row : table.rows) {
        QStringList cells;
        for (const QVariant& value : row)
            cells << (value.isValid() ? value.toString() : QStringLiteral("NULL"));
        lines << cells.join(u'|');
    }
    return lines;
}

} // namespace hostdb::testing
