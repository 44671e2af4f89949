#pragma once
// Measures the tree's rows for fitting its column without laying their texts out: a row is as
// wide as the standard delegate makes a row with the same icon and a one-letter text, less that
// letter, plus the advances of the text's characters. Kerning is left out, so the width is never
// short of the text as drawn in practice. Painting is the standard delegate's. The column fit
// measures up to a thousand rows after each burst of changes; laying each text out (shaping it
// through the font fallback) made that a third of opening a large group. What is measured is
// kept for the process (per font), so every tree window after the first finds it ready. Used
// on the user-interface thread only.
#include <QStyledItemDelegate>

namespace controls {

class TreeNodeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace controls
