#include "tradequery/window/WindowText.h"

#include "platform/controls/Ledger50.h"
#include "tradequery/window/BrowseControls.h"
#include "tradequery/host/Steps.h"

#include <QLabel>
#include <QStringList>

namespace tq {

namespace {

QString ledgerLines(controls::Ledger50& ledger)
{
    QString text;
    step([&] {
        controls::Ledger50Grid& grid = ledger.LedgerGrid();
        const long rows = grid.RowCount();
        const long columns = grid.ColCount();
        for (long row = 1; row <= rows; ++row) {
            QStringList cells;
            for (long col = 1; col <= columns; ++col)
                cells << ledger.LedgerCell(row, col).Text();
            text += QStringLiteral("表格: ") + cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    });
    return text;
}

} // namespace

QString DescribeWindowText(const BrowseControls& c)
{
    QString text;
    text += QStringLiteral("左标题: %1\n").arg(c.SSPTitleClass->text());
    text += QStringLiteral("右标题: %1\n").arg(c.SSPTitleItem->text());
    text += ledgerLines(*c.ldgBase);
    QStringList panels;
    for (const char* key : {"Status", "Passtime", "Info"})
        panels << c.panels.value(QLatin1String(key))->text();
    text += QStringLiteral("状态栏: %1\n").arg(panels.join(QStringLiteral(" | ")));
    return text;
}

} // namespace tq
