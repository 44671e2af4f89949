#pragma once
// The ledger's column widths, kept per view in the settings store: "ICItemCol" + column number
// in the item view, "SupplyCol" + column number in the partner view. A column never saved comes
// back 1200 twips wide. A column that cannot be saved or restored is skipped.
#include <QString>

namespace controls {
class Ledger50;
}

namespace tq {

inline constexpr long kDefaultColumnWidth = 1200;

// The key prefix of the view.
QString ColumnWidthKeyPrefix(bool itemView);

void SaveColumnWidths(controls::Ledger50& ledger, bool itemView);
void RestoreColumnWidths(controls::Ledger50& ledger, bool itemView);

} // namespace tq
