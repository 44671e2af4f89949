#pragma once
// A stand-in owner for ledger tests: answers the row text requests the way the browse window
// does (row 1 the titles, data rows "cell|cell|...|" on white) and records which rows were asked.
#include "platform/controls/Ledger50.h"

#include <QStringList>
#include <algorithm>
#include <functional>

namespace controls::testing {

struct LedgerTestOwner {
    QStringList titles;
    QList<long> asked;
    std::function<QString(long row)> rowText;  // by default "R<row>C<col>|" per column

    LedgerTestOwner(Ledger50& ledger, QStringList columnTitles) : titles(std::move(columnTitles))
    {
        QObject::connect(&ledger, &Ledger50::RowTextRequest, &ledger, [this](long row, QString& text, long& color, long&) {
            asked.append(row);
            if (row == 1)
                return void(text = titles.join(u'|') + u'|');
            color = 0xFFFFFFL;
            text = rowText ? rowText(row) : QString();
            for (int col = 1; !rowText && col <= titles.size(); ++col)
                text += QStringLiteral("R%1C%2|").arg(row).arg(col);
        });
    }

    QList<long> distinctAsked() const
    {
        QList<long> rows = asked;
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        return rows;
    }
};

} // namespace controls::testing
