#pragma once
// A stand-in owner for ledger tests: answers the row text requests the way the browse window
// does (row 1 titles, data rows "cell|cell|...|" with white as the row colour) and records
// which rows were asked.
#include "platform/controls/Ledger50.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace controls::testing {

struct LedgerTestOwner {
    QStringList titles;
    QList<long> asked;
    // Text of a data row; by default "R<row>C<col>|" per column.
    std::function<QString(long row)> rowText;

    explicit LedgerTestOwner(Ledger50& ledger, QStringList columnTitles = {})
        : titles(std::move(columnTitles))
    {
        QObject::connect(&ledger, &Ledger50::RowTextRequest, &ledger,
                         [this](long row, QString& text, long& color, long&) {
                             asked.append(row);
                             if (row == 1) {
                                 text = titles.join(QLatin1Char('|')) + QLatin1Char('|');
                                 return;
                             }
                             color = 0xFFFFFFL;
                             text = rowText ? rowText(row) : defaultRow(row);
                         });
    }

    QString defaultRow(long row) const
    {
        QString text;
        for (int col = 1; col <= titles.size(); ++col)
            text += QStringLiteral("R%1C%2|").arg(row).arg(col);
        return text;
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
