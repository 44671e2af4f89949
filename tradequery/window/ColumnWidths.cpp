#include "tradequery/window/ColumnWidths.h"

#include "platform/controls/Ledger50.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Steps.h"

namespace tq {

QString ColumnWidthKeyPrefix(bool itemView)
{
    return itemView ? QStringLiteral("ICItemCol") : QStringLiteral("SupplyCol");
}

void SaveColumnWidths(controls::Ledger50& ledger, bool itemView)
{
    const QString prefix = ColumnWidthKeyPrefix(itemView);
    long columns = 0;
    step([&] { columns = ledger.LedgerGrid().ColCount(); });
    for (long k = 1; k <= columns; ++k) {
        step([&] {
            // Stored as a single-precision number.
            const float width = static_cast<float>(ledger.LedgerColumn(k).Width());
            SaveLayoutSetting(prefix + QString::number(k), QVariant(width));
        });
    }
}

void RestoreColumnWidths(controls::Ledger50& ledger, bool itemView)
{
    const QString prefix = ColumnWidthKeyPrefix(itemView);
    long columns = 0;
    step([&] { columns = ledger.LedgerGrid().ColCount(); });
    for (long k = 1; k <= columns; ++k) {
        step([&] {
            const QVariant stored = GetLayoutSetting(prefix + QString::number(k), QVariant(static_cast<int>(kDefaultColumnWidth)));
            bool ok = false;
            const double width = stored.toDouble(&ok);
            if (!ok)
                throw com::ComError(13, QStringLiteral("BrowseBase"), QStringLiteral("类型不匹配"));
            ledger.LedgerColumn(k).setWidth(static_cast<long>(width));
        });
    }
}

} // namespace tq
