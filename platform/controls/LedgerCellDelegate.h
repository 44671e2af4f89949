#pragma once
// Paints the ledger's cells: the row colour or the selection, then the cell text on one line,
// aligned as the model says and cut with "…" when the column is too narrow, and the focus
// frame of the current cell. The text is measured once and drawn once, where the standard
// delegate lays it out three times; the ledger has no icons, check boxes or wrapped text.
#include <QStyledItemDelegate>

namespace controls {

class LedgerCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace controls
