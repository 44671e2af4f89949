// What the user does and what code does to a shown tree: NodeClick only for the user's clicks and
// keyboard moves, Expand for every expansion (user and code), selection kept in SelectedItem.
#include "platform/controls/TreeView.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// Root gc0 with groups gi1 (children gb11, gb12) and gi2 (child gb21); all collapsed at first.
struct TreeViewEventsTest : ::testing::Test {
    TreeView tree;
    QSignalSpy clicks{&tree, &TreeView::NodeClick};
    QSignalSpy expands{&tree, &TreeView::Expand};

    TreeViewEventsTest()
    {
        for (const auto& [parent, key] : {std::pair{"", "gc0"}, {"gc0", "gi1"}, {"gi1", "gb11"}, {"gi1", "gb12"},
                                          {"gc0", "gi2"}, {"gi2", "gb21"}})
            tree.Nodes().Add(parent, *parent ? tvwChild : tvwLast, key, QStringLiteral("%1(物料)").arg(key));
        tree.resize(260, 300);
        tree.show();
    }
    Node node(const char* key) { return tree.Nodes().Item(QString::fromLatin1(key)); }
    bool shown(const char* key) { return !tree.nodeRect(node(key)).isEmpty(); }
    void click(const char* key, bool onExpander = false)
    {
        const QRect rect = tree.nodeRect(node(key));
        ASSERT_FALSE(rect.isEmpty()) << key << " is not shown";
        const int indentation = static_cast<QTreeView*>(tree.itemView())->indentation();
        QTest::mouseClick(tree.itemView()->viewport(), Qt::LeftButton, {},
                          onExpander ? QPoint(rect.left() - indentation / 2, rect.center().y()) : rect.center());
    }
    static QStringList keysOf(const QSignalSpy& spy)
    {
        QStringList keys;
        for (const auto& args : spy)
            keys << args.at(0).value<Node>().Key();
        return keys;
    }
};

TEST_F(TreeViewEventsTest, UserClicksAndKeyboardMovesAreClicksButSelectingFromCodeIsNot)
{
    tree.setSelectedItem(node("gi1"));
    node("gi2").setSelected(true);
    EXPECT_EQ(tree.SelectedItem(), node("gi2"));
    EXPECT_FALSE(node("gi1").Selected());
    EXPECT_EQ(clicks.count(), 0);

    click("gi1");
    click("gi1");  // the selected node again: still a click
    tree.itemView()->setFocus();
    QTest::keyClick(tree.itemView(), Qt::Key_Up);
    QTest::keyClick(tree.itemView(), Qt::Key_Up);  // already on the first node: nothing moves
    EXPECT_EQ(keysOf(clicks), (QStringList{"gi1", "gi1", "gc0"}));
    EXPECT_EQ(tree.SelectedItem(), node("gc0"));
    tree.Nodes().Clear();
    tree.Nodes().Add({}, tvwLast, "gc0", "again");
    EXPECT_TRUE(tree.SelectedItem().isNull()) << "Clear drops the selection";
}

TEST_F(TreeViewEventsTest, ExpandIsRaisedOncePerExpansionByUserOrCodeAndNeverAsAClick)
{
    click("gc0", true);
    EXPECT_TRUE(node("gc0").Expanded() && shown("gi1"));
    click("gc0", true);  // collapses: no Expand
    EXPECT_FALSE(shown("gi1"));
    node("gc0").setExpanded(true);
    node("gc0").setExpanded(true);  // already expanded
    EXPECT_EQ(keysOf(expands), (QStringList{"gc0", "gc0"}));
    EXPECT_EQ(clicks.count(), 0);

    tree.Nodes().Add("gc0", tvwChild, "gi9", "empty").setExpanded(true);  // shows its later children
    tree.Nodes().Add("gi9", tvwChild, "gb91", "late child");
    EXPECT_TRUE(shown("gb91"));
}

} // namespace
