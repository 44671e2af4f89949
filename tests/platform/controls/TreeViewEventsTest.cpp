// What the user does and what code does to a shown tree: NodeClick only for the user's clicks and
// keyboard moves, Expand for every expansion (user and code), selection kept in SelectedItem.
#include "platform/com/ComError.h"
#include "platform/controls/ImageList.h"
#include "platform/controls/TreeView.h"
#include "tests/platform/controls/TreeViewTestPrinters.h"

#include <QAbstractItemView>
#include <QTreeView>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// Root gc0 with groups gi1 (children gb11, gb12) and gi2 (child gb21); all collapsed at first.
class TreeViewEventsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TreeNodes& n = tree.Nodes();
        n.Add({}, tvwLast, "gc0", QStringLiteral("物料"));
        n.Add("gc0", tvwChild, "gi1", QStringLiteral("01(原材料)"));
        n.Add("gi1", tvwChild, "gb11", QStringLiteral("01.001(钢板)"));
        n.Add("gi1", tvwChild, "gb12", QStringLiteral("01.002(螺栓)"));
        n.Add("gc0", tvwChild, "gi2", QStringLiteral("02(产成品)"));
        n.Add("gi2", tvwChild, "gb21", QStringLiteral("02.001(支架)"));
        tree.resize(260, 300);
        tree.show();
        clicks = std::make_unique<QSignalSpy>(&tree, &TreeView::NodeClick);
        expands = std::make_unique<QSignalSpy>(&tree, &TreeView::Expand);
    }

    Node node(const char* key) { return tree.Nodes().Item(QString::fromLatin1(key)); }
    QWidget* viewport() { return tree.itemView()->viewport(); }

    void clickText(const char* key)
    {
        const QRect rect = tree.nodeRect(node(key));
        ASSERT_FALSE(rect.isEmpty()) << key << " is not shown";
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, rect.center());
    }
    void clickExpander(const char* key)
    {
        const QRect rect = tree.nodeRect(node(key));
        ASSERT_FALSE(rect.isEmpty()) << key << " is not shown";
        const int indentation = static_cast<QTreeView*>(tree.itemView())->indentation();
        QTest::mouseClick(viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() - indentation / 2, rect.center().y()));
    }
    QStringList keysOf(const QSignalSpy& spy)
    {
        QStringList keys;
        for (const auto& args : spy)
            keys << args.at(0).value<Node>().Key();
        return keys;
    }

    TreeView tree;
    std::unique_ptr<QSignalSpy> clicks;
    std::unique_ptr<QSignalSpy> expands;
};

TEST_F(TreeViewEventsTest, UserClicksAndKeyboardMovesAreClicksButSelectingFromCodeIsNot)
{
    tree.setSelectedItem(node("gi1"));
    node("gi2").setSelected(true);
    EXPECT_EQ(clicks->count(), 0);
    EXPECT_EQ(tree.SelectedItem(), node("gi2"));
    EXPECT_FALSE(node("gi1").Selected());

    clickText("gi1");
    clickText("gi1");  // the selected node again: still a click
    tree.itemView()->setFocus();
    QTest::keyClick(tree.itemView(), Qt::Key_Up);
    QTest::keyClick(tree.itemView(), Qt::Key_Up);  // already on the first node: nothing moves
    EXPECT_EQ(keysOf(*clicks), (QStringList{"gi1", "gi1", "gc0"}));
    EXPECT_EQ(tree.SelectedItem(), node("gc0"));
}

TEST_F(TreeViewEventsTest, ExpandIsRaisedOncePerExpansionByUserOrCodeAndNeverAsAClick)
{
    clickExpander("gc0");
    EXPECT_TRUE(node("gc0").Expanded());
    EXPECT_FALSE(tree.nodeRect(node("gi1")).isEmpty()) << "the children are shown";
    clickExpander("gc0");  // collapses: no Expand
    EXPECT_TRUE(tree.nodeRect(node("gi1")).isEmpty());
    node("gc0").setExpanded(true);
    node("gc0").setExpanded(true);  // already expanded
    EXPECT_EQ(keysOf(*expands), (QStringList{"gc0", "gc0"}));
    EXPECT_EQ(clicks->count(), 0);

    const Node empty = tree.Nodes().Add("gc0", tvwChild, "gi9", "empty");
    empty.setExpanded(true);  // a childless node set expanded shows its later children
    tree.Nodes().Add("gi9", tvwChild, "gb91", "late child");
    EXPECT_FALSE(tree.nodeRect(node("gb91")).isEmpty());
}

TEST_F(TreeViewEventsTest, SelectingADeepNodeOpensItsAncestorsFromTheTopDown)
{
    tree.setSelectedItem(node("gb12"));
    EXPECT_EQ(keysOf(*expands), (QStringList{"gc0", "gi1"}));
    EXPECT_FALSE(tree.nodeRect(node("gb12")).isEmpty());
    node("gb21").EnsureVisible();
    EXPECT_EQ(keysOf(*expands), (QStringList{"gc0", "gi1", "gi2"}));
    EXPECT_EQ(tree.SelectedItem(), node("gb12")) << "EnsureVisible does not select";
    EXPECT_EQ(clicks->count(), 0);
}

TEST_F(TreeViewEventsTest, AnExpandHandlerCanLoadChildrenOnDemand)
{
    // A group whose details are loaded when it is first opened, as the navigation tree does.
    node("gc0").setExpanded(true);
    tree.Nodes().Add("gc0", tvwChild, "gi3", QStringLiteral("03(待加载)")).setTag(QStringLiteral("0"));
    tree.Nodes().Add("gi3", tvwChild, "gb31", QStringLiteral("03.001"));
    QObject::connect(&tree, &TreeView::Expand, &tree, [this](Node opened) {
        if (opened.Tag().toString() != QLatin1String("0"))
            return;
        tree.Nodes().Add(opened.Key(), tvwChild, "gb32", QStringLiteral("03.002"));
        opened.setTag(QStringLiteral("1"));
    });
    for (int i = 0; i < 3; ++i)
        clickExpander("gi3");
    EXPECT_EQ(node("gi3").Children(), 2) << "loaded once";
    EXPECT_FALSE(tree.nodeRect(node("gb32")).isEmpty());
}

TEST_F(TreeViewEventsTest, TheSelectedNodeShowsItsSelectedImageAndLaterPicturesKeepTheView)
{
    tree.setSelectedItem(node("gb12"));
    ImageList images;
    QPixmap plain(16, 16), chosen(16, 16);
    plain.fill(Qt::gray);
    chosen.fill(Qt::blue);
    images.Add("plain", plain);
    images.Add("chosen", chosen);
    tree.setImageList(&images);
    EXPECT_FALSE(tree.nodeRect(node("gb12")).isEmpty()) << "attaching pictures keeps what is open";
    EXPECT_EQ(tree.SelectedItem(), node("gb12"));

    const Node withSelected = tree.Nodes().Add("gc0", tvwChild, "s", "S", "plain", "chosen");
    const Node withoutSelected = tree.Nodes().Add("gc0", tvwChild, "t", "T", "plain");
    const QAbstractItemModel* model = tree.itemView()->model();
    const auto iconKey = [&](int row) {
        return model->index(row, 0, model->index(0, 0)).data(Qt::DecorationRole).value<QIcon>().cacheKey();
    };
    EXPECT_EQ(iconKey(2), images.icon("plain").cacheKey());
    tree.setSelectedItem(withSelected);
    EXPECT_EQ(iconKey(2), images.icon("chosen").cacheKey());
    tree.setSelectedItem(withoutSelected);
    EXPECT_EQ(iconKey(2), images.icon("plain").cacheKey());
    EXPECT_EQ(iconKey(3), images.icon("plain").cacheKey()) << "no selected image: the image stays";
}

TEST_F(TreeViewEventsTest, ClearDropsTheSelectionAndANodeOfAnotherTreeCannotBeSelected)
{
    tree.setSelectedItem(node("gb21"));
    tree.Nodes().Clear();
    EXPECT_TRUE(tree.SelectedItem().isNull());
    tree.Nodes().Add({}, tvwLast, "gc0", "again");
    EXPECT_TRUE(tree.SelectedItem().isNull());
    TreeView other;
    EXPECT_THROW(tree.setSelectedItem(other.Nodes().Add({}, tvwLast, "x", "X")), com::ComError);
    EXPECT_TRUE(tree.SelectedItem().isNull());
}

} // namespace
