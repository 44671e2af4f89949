#pragma once
// The item view inside a TreeView: tells the user's clicks and keyboard moves apart from changes
// made in code (only the user's raise NodeClick), and draws dotted lines with +/- boxes.
#include <QPersistentModelIndex>
#include <QTreeView>

namespace controls {

class TreeViewItemView : public QTreeView {
    Q_OBJECT
public:
    explicit TreeViewItemView(QWidget* parent = nullptr);

signals:
    // The user clicked this node, or moved the current node there with the mouse or the keyboard.
    void userChoseNode(const QModelIndex& index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    QPersistentModelIndex m_currentAtPress;
    bool m_clickSeen = false;
};

} // namespace controls
