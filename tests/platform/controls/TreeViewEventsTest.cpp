// What the user does and what code does to a shown tree: NodeClick only for the user's clicks and
// keyboard moves, Expand for every expansion (user and code), selection kept in SelectedItem.
#include "platform/controls/ImageList.h"
#include "platform/controls/TreeView.h"
#include "tests/platform/controls/TreeViewTestPrinters.h"

#include "platform/com/ComError.h"

#include <QAbstractItemView>
#include <QTreeView>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// root with groups g1 (children d11, d12) and g2 (child d21); all collapsed at first.
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

TEST_F(TreeViewEventsTest, SelectingFromCodeRaisesNoClickButAUserClickRaisesOne)
{
    tree.setSelectedItem(node("gi1"));
    node("gi2").setSelected(true);
    EXPECT_EQ(clicks->count(), 0);
    EXPECT_EQ(tree.SelectedItem(), node("gi2"));
    EXPECT_TRUE(node("gi2").Selected());
    EXPECT_FALSE(node("gi1").Selected());

    clickText("gi1");
    EXPECT_EQ(keysOf(*clicks), QStringList{"gi1"});
    EXPECT_EQ(tree.SelectedItem(), node("gi1"));

    clickText("gi1");   // the selected node again: still a click
    EXPECT_EQ(keysOf(*clicks), (QStringList{"gi1", "gi1"}));
}

TEST_F(TreeViewEventsTest, KeyboardMovesAreUserClicks)
{
    node("gc0").setExpanded(true);
    tree.setSelectedItem(node("gc0"));
    tree.itemView()->setFocus();
    QTest::keyClick(tree.itemView(), Qt::Key_Down);
    EXPECT_EQ(keysOf(*clicks), QStringList{"gi1"});
    EXPECT_EQ(tree.SelectedItem(), node("gi1"));

    QTest::keyClick(tree.itemView(), Qt::Key_Up);
    QTest::keyClick(tree.itemView(), Qt::Key_Up);   // already on the first node: nothing moves
    EXPECT_EQ(keysOf(*clicks), (QStringList{"gi1", "gc0"}));
}

TEST_F(TreeViewEventsTest, ClickingTheExpanderExpandsWithoutAClick)
{
    clickExpander("gc0");
    EXPECT_TRUE(node("gc0").Expanded());
    EXPECT_EQ(keysOf(*expands), QStringList{"gc0"});
    EXPECT_EQ(clicks->count(), 0);
    EXPECT_FALSE(tree.nodeRect(node("gi1")).isEmpty()) << "the children are shown";

    clickExpander("gc0");   // collapses: no Expand
    EXPECT_FALSE(node("gc0").Expanded());
    EXPECT_EQ(expands->count(), 1);
    EXPECT_TRUE(tree.nodeRect(node("gi1")).isEmpty());
}

TEST_F(TreeViewEventsTest, ExpandFromCodeIsRaisedOncePerExpansion)
{
    node("gc0").setExpanded(true);
    node("gc0").setExpanded(true);   // already expanded
    EXPECT_EQ(keysOf(*expands), QStringList{"gc0"});
    EXPECT_TRUE(tree.itemView()->isVisible());
    EXPECT_FALSE(tree.nodeRect(node("gi2")).isEmpty());

    node("gc0").setExpanded(false);
    node("gc0").setExpanded(true);
    EXPECT_EQ(expands->count(), 2);
}

TEST_F(TreeViewEventsTest, SelectingADeepNodeOpensItsAncestorsFromTheTopDown)
{
    tree.setSelectedItem(node("gb12"));
    EXPECT_EQ(keysOf(*expands), (QStringList{"gc0", "gi1"}));
    EXPECT_FALSE(tree.nodeRect(node("gb12")).isEmpty());
    EXPECT_EQ(clicks->count(), 0);

    node("gb21").EnsureVisible();
    EXPECT_EQ(keysOf(*expands), (QStringList{"gc0", "gi1", "gi2"}));
    EXPECT_EQ(tree.SelectedItem(), node("gb12")) << "EnsureVisible does not select";
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

    clickExpander("gi3");
    EXPECT_EQ(node("gi3").Children(), 2);
    EXPECT_FALSE(tree.nodeRect(node("gb32")).isEmpty());
    clickExpander("gi3");
    clickExpander("gi3");
    EXPECT_EQ(node("gi3").Children(), 2) << "loaded once";
}

TEST_F(TreeViewEventsTest, AChildlessNodeSetExpandedShowsItsLaterChildren)
{
    node("gc0").setExpanded(true);
    const Node empty = tree.Nodes().Add("gc0", tvwChild, "gi9", "empty");
    empty.setExpanded(true);
    EXPECT_TRUE(empty.Expanded());
    tree.Nodes().Add("gi9", tvwChild, "gb91", "late child");
    EXPECT_FALSE(tree.nodeRect(node("gb91")).isEmpty());
}

TEST_F(TreeViewEventsTest, TheSelectedNodeShowsItsSelectedImage)
{
    ImageList images;
    QPixmap plain(16, 16), chosen(16, 16);
    plain.fill(Qt::gray);
    chosen.fill(Qt::blue);
    images.Add("plain", plain);
    images.Add("chosen", chosen);
    tree.setImageList(&images);
    node("gc0").setExpanded(true);
    const Node withSelected = tree.Nodes().Add("gc0", tvwChild, "s", "S", "plain", "chosen");
    const Node withoutSelected = tree.Nodes().Add("gc0", tvwChild, "t", "T", "plain");
    const QAbstractItemModel* model = tree.itemView()->model();
    const auto iconKey = [&](int row) {
        return model->index(row, 0, model->index(0, 0)).data(Qt::DecorationRole).value<QIcon>().cacheKey();
    };
    const qint64 plainKey = images.icon("plain").cacheKey();
    const qint64 chosenKey = images.icon("chosen").cacheKey();

    EXPECT_EQ(iconKey(2), plainKey);
    tree.setSelectedItem(withSelected);
    EXPECT_EQ(iconKey(2), chosenKey);
    tree.setSelectedItem(withoutSelected);
    EXPECT_EQ(iconKey(2), plainKey);
    EXPECT_EQ(iconKey(3), plainKey) << "no selected image: the image stays";
}

TEST_F(TreeViewEventsTest, AttachingPicturesLaterKeepsWhatIsOpenAndSelected)
{
    tree.setSelectedItem(node("gb12"));
    ImageList images;
    QPixmap picture(16, 16);
    picture.fill(Qt::darkYellow);
    images.Add("Item", picture);
    tree.setImageList(&images);
    EXPECT_TRUE(static_cast<QTreeView*>(tree.itemView())->isExpanded(
        tree.itemView()->model()->index(0, 0)));
    EXPECT_FALSE(tree.nodeRect(node("gb12")).isEmpty());
    EXPECT_EQ(tree.SelectedItem(), node("gb12"));
}

TEST_F(TreeViewEventsTest, ClearDropsTheSelection)
{
    tree.setSelectedItem(node("gb21"));
    tree.Nodes().Clear();
    EXPECT_TRUE(tree.SelectedItem().isNull());
    tree.Nodes().Add({}, tvwLast, "gc0", "again");
    EXPECT_TRUE(tree.SelectedItem().isNull());
}

TEST(TreeViewForeignNodeTest, SelectingANodeOfAnotherTreeRaises)
{
    TreeView one, other;
    const Node foreign = other.Nodes().Add({}, tvwLast, "x", "X");
    EXPECT_THROW(one.setSelectedItem(foreign), com::ComError);
    EXPECT_TRUE(one.SelectedItem().isNull());
}

} // namespace
