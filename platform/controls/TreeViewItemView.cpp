#include "platform/controls/TreeViewItemView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace controls {

namespace {
constexpr int kButtonSize = 9;   // the +/- box, odd so the sign sits on the middle pixel

int depthOf(const QModelIndex& index)
{
    int depth = 0;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        ++depth;
    return depth;
}

bool hasNextSibling(const QModelIndex& index)
{
    return index.row() + 1 < index.model()->rowCount(index.parent());
}
} // namespace

TreeViewItemView::TreeViewItemView(QWidget* parent) : QTreeView(parent)
{
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        m_clickSeen = true;
        emit userChoseNode(index);
    });
}

void TreeViewItemView::mousePressEvent(QMouseEvent* event)
{
    m_currentAtPress = currentIndex();
    m_clickSeen = false;
    QTreeView::mousePressEvent(event);
}

void TreeViewItemView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    // Pressed on one node and released on another: no click, but the user did move the selection.
    const QModelIndex current = currentIndex();
    if (!m_clickSeen && current.isValid() && current != m_currentAtPress)
        emit userChoseNode(current);
    m_currentAtPress = QPersistentModelIndex();
}

void TreeViewItemView::keyPressEvent(QKeyEvent* event)
{
    const QPersistentModelIndex before = currentIndex();
    QTreeView::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before)
        emit userChoseNode(after);
}

void TreeViewItemView::drawBranches(QPainter* painter, const QRect& rect,
                                    const QModelIndex& index) const
{
    const int indent = indentation();
    const int depth = depthOf(index);
    const int midY = rect.top() + rect.height() / 2;
    // The node's own column is the rightmost one of the branch area.
    const int ownLeft = rect.right() + 1 - indent;

    painter->save();
    QPen dots(palette().color(QPalette::Dark));
    dots.setDashPattern({1.0, 1.0});
    dots.setCosmetic(true);
    painter->setPen(dots);

    // Lines of the ancestors' sibling lists that continue below this row.
    QModelIndex ancestor = index.parent();
    for (int column = depth - 1; column >= 0; --column, ancestor = ancestor.parent()) {
        if (hasNextSibling(ancestor)) {
            const int x = rect.left() + column * indent + indent / 2;
            painter->drawLine(x, rect.top(), x, rect.bottom());
        }
    }

    // This node's connector: up to the sibling above (or the parent), down to the next sibling.
    const int midX = ownLeft + indent / 2;
    const bool firstOfAll = depth == 0 && index.row() == 0;
    painter->drawLine(midX, firstOfAll ? midY : rect.top(), midX,
                      hasNextSibling(index) ? rect.bottom() : midY);
    painter->drawLine(midX, midY, ownLeft + indent - 2, midY);

    if (model()->hasChildren(index)) {
        const QRect box(midX - kButtonSize / 2, midY - kButtonSize / 2, kButtonSize - 1,
                        kButtonSize - 1);
        painter->setPen(QPen(palette().color(QPalette::Mid), 0));
        painter->setBrush(palette().color(QPalette::Base));
        painter->drawRect(box);
        painter->setPen(QPen(palette().color(QPalette::Text), 0));
        painter->drawLine(box.left() + 2, midY, box.right() - 2, midY);
        if (!isExpanded(index))
            painter->drawLine(midX, box.top() + 2, midX, box.bottom() - 2);
    }
    painter->restore();
}

} // namespace controls
