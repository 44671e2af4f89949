// The Nodes collection: placement by relationship, Item by index and key, the errors and what
// they leave behind, Clear and Remove, and the node handles.
#include "platform/controls/ImageList.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/TreeViewErrors.h"
#include "tests/platform/RaisedError.h"
#include "tests/platform/controls/TreeViewTestPrinters.h"

#include "platform/com/ErrorCodes.h"

#include <QAbstractItemView>
#include <QPixmap>
#include <QStringList>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// The keys of a node list, in the order of the siblings.
QStringList siblingKeys(Node first)
{
    QStringList keys;
    for (Node n = first; !n.isNull(); n = n.Next())
        keys << n.Key();
    return keys;
}

QStringList keysInIndexOrder(const TreeNodes& nodes)
{
    QStringList keys;
    for (int i = 1; i <= nodes.Count(); ++i)
        keys << nodes.Item(i).Key();
    return keys;
}

int32_t errorNumberOf(const std::function<void()>& call)
{
    return platformtest::raisedBy(call).number;
}

// root "r" with children a, b, c (in that order) and a second top-level node "s".
class TreeViewNodesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        nodes().Add({}, tvwLast, "r", "Root");
        nodes().Add("r", tvwChild, "a", "A");
        nodes().Add("r", tvwChild, "b", "B");
        nodes().Add("r", tvwChild, "c", "C");
        nodes().Add({}, tvwLast, "s", "Second");
    }
    TreeNodes& nodes() { return tree.Nodes(); }

    TreeView tree;
};

struct Placement {
    const char* name;
    QString relative;
    int relationship;
    QString expectedParent;      // empty: top level
    QStringList expectedSiblings;
};

class TreeViewPlacementTest : public TreeViewNodesTest,
                              public ::testing::WithParamInterface<Placement> {};

TEST_P(TreeViewPlacementTest, PlacesTheNewNodeRelativeToAnother)
{
    const Placement& p = GetParam();
    const Node added = nodes().Add(p.relative, p.relationship, "new", "New");

    EXPECT_EQ(added.Index(), 6) << "the index follows the order of addition, not the position";
    const Node parent = added.Parent();
    EXPECT_EQ(parent.isNull() ? QString() : parent.Key(), p.expectedParent);
    Node firstSibling = added;
    while (!firstSibling.Previous().isNull())
        firstSibling = firstSibling.Previous();
    EXPECT_EQ(siblingKeys(firstSibling), p.expectedSiblings);
}

INSTANTIATE_TEST_SUITE_P(Relationships, TreeViewPlacementTest, ::testing::Values(
    Placement{"ChildGoesLast", "r", tvwChild, "r", {"a", "b", "c", "new"}}, Placement{"ChildOfLeaf", "b", tvwChild, "b", {"new"}},
    Placement{"NextAfterMiddle", "b", tvwNext, "r", {"a", "b", "new", "c"}},
    Placement{"NextAfterLast", "c", tvwNext, "r", {"a", "b", "c", "new"}},
    Placement{"PreviousBeforeMiddle", "b", tvwPrevious, "r", {"a", "new", "b", "c"}},
    Placement{"PreviousBeforeFirst", "a", tvwPrevious, "r", {"new", "a", "b", "c"}},
    Placement{"FirstAmongSiblings", "c", tvwFirst, "r", {"new", "a", "b", "c"}},
    Placement{"LastAmongSiblings", "a", tvwLast, "r", {"a", "b", "c", "new"}},
    Placement{"NextAtTopLevel", "r", tvwNext, {}, {"r", "new", "s"}}, Placement{"FirstAtTopLevel", "s", tvwFirst, {}, {"new", "r", "s"}},
    Placement{"NoRelativeGoesLastAtTop", {}, tvwFirst, {}, {"r", "s", "new"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(TreeViewNodesTest, ItemByIndexFollowsTheOrderOfAdditionAndByKeyFindsTheSameNode)
{
    nodes().Add("a", tvwPrevious, "first", "First");
    const Node unkeyed = nodes().Add("r", tvwChild, {}, "no key");  // any number may go without a key
    EXPECT_NE(nodes().Add("r", tvwChild, {}, "no key"), unkeyed);
    EXPECT_EQ(keysInIndexOrder(nodes()), (QStringList{"r", "a", "b", "c", "s", "first", "", ""}));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(nodes().Item(nodes().Item(i).Key()).Index(), i);
    EXPECT_FALSE(nodes().Exists({}));
}

TEST_F(TreeViewNodesTest, FailedAddsRaiseTheirNumbersAndLeaveTheTreeUnchanged)
{
    struct Case {
        const char* name;
        std::function<void()> add;
        int32_t number;
        QString description;
    };
    const std::vector<Case> cases = {
        {"missing relative", [&] { nodes().Add("gi99", tvwChild, "x", "X"); }, com::VB_ELEMENT_NOT_FOUND, "元素未找到"},
        {"duplicate key", [&] { nodes().Add("r", tvwChild, "b", "B again"); }, com::VB_KEY_NOT_UNIQUE, "关键字不唯一"},
        {"duplicate top-level key", [&] { nodes().Add({}, tvwLast, "s", "S"); }, com::VB_KEY_NOT_UNIQUE, "关键字不唯一"},
        {"relationship out of range", [&] { nodes().Add("r", 5, "x", "X"); }, com::VB_INVALID_PROC_CALL, {}},
    };
    const QStringList before = keysInIndexOrder(nodes());
    for (const Case& c : cases) {
        const auto raised = platformtest::raisedBy(c.add);
        EXPECT_EQ(raised.number, c.number) << c.name;
        EXPECT_EQ(raised.description, c.description.isEmpty() ? raised.description : c.description) << c.name;
        EXPECT_FALSE(raised.description.isEmpty()) << c.name;
        EXPECT_EQ(keysInIndexOrder(nodes()), before) << c.name;
        EXPECT_EQ(siblingKeys(nodes().Item("r").Child()), (QStringList{"a", "b", "c"})) << c.name;
    }
}

TEST_F(TreeViewNodesTest, ClearEmptiesTheTreeAndTheSameKeysCanBeAddedAgain)
{
    const Node oldB = nodes().Item("b");
    nodes().Clear();
    EXPECT_EQ(nodes().Count(), 0);
    EXPECT_FALSE(nodes().Exists("b"));
    EXPECT_EQ(tree.itemView()->model()->rowCount(), 0);

    nodes().Add({}, tvwLast, "r", "Root again");
    const Node newB = nodes().Add("r", tvwChild, "b", "B again");
    EXPECT_EQ(nodes().Count(), 2);
    EXPECT_EQ(newB.Index(), 2) << "indices start over after Clear";
    EXPECT_EQ(newB.Parent(), nodes().Item("r")) << "the new r, not the cleared one";
    EXPECT_EQ(nodes().Item("b"), newB);
    EXPECT_NE(oldB, newB);
    EXPECT_FALSE(oldB.isAlive());
    EXPECT_EQ(errorNumberOf([&] { oldB.Text(); }), errors::NODE_REMOVED);
}

TEST_F(TreeViewNodesTest, RemoveTakesTheSubtreeAndRenumbersTheLaterNodes)
{
    nodes().Add("s", tvwChild, "s1", "S1");
    nodes().Add("b", tvwChild, "b1", "B1");
    const Node s1 = nodes().Item("s1");
    const Node b1 = nodes().Item("b1");
    ASSERT_EQ(s1.Index(), 6);

    nodes().Remove("b");
    EXPECT_EQ(keysInIndexOrder(nodes()), (QStringList{"r", "a", "c", "s", "s1"}));
    EXPECT_EQ(s1.Index(), 5);
    EXPECT_EQ(nodes().Item(5), s1);
    EXPECT_EQ(siblingKeys(nodes().Item("r").Child()), (QStringList{"a", "c"}));
    EXPECT_EQ(nodes().Item("c").Previous().Key(), "a");
    EXPECT_FALSE(nodes().Exists("b1"));
    EXPECT_FALSE(b1.isAlive());
    EXPECT_EQ(tree.itemView()->model()->rowCount(tree.itemView()->model()->index(0, 0)), 2);

    EXPECT_EQ(errorNumberOf([&] { nodes().Add("b", tvwChild, "b2", "B2"); }),
              com::VB_ELEMENT_NOT_FOUND)
        << "a removed node cannot be a relative";

    nodes().Remove(1);   // the root and everything below it
    EXPECT_EQ(keysInIndexOrder(nodes()), (QStringList{"s", "s1"}));
    EXPECT_EQ(errorNumberOf([&] { nodes().Remove(3); }), errors::INDEX_OUT_OF_BOUNDS);
    EXPECT_EQ(errorNumberOf([&] { nodes().Remove("r"); }), com::VB_ELEMENT_NOT_FOUND);
}

TEST_F(TreeViewNodesTest, NodesKnowTheirFamilyAndTheViewShowsTheirChanges)
{
    Node b1 = nodes().Add("b", tvwChild, "b1", "B1");
    const Node root = nodes().Item("r");
    EXPECT_EQ(b1.Root(), root);
    EXPECT_EQ(root.Root(), root);
    EXPECT_EQ(root.Children(), 3);
    EXPECT_EQ(root.Child().Key(), "a");
    EXPECT_TRUE(b1.Child().isNull());
    b1.setTag(QStringLiteral("0"));
    EXPECT_EQ(nodes().Item("b1").Tag().toString(), "0");
    b1.setText(QStringLiteral("01.001(螺栓)"));
    const QAbstractItemModel* model = tree.itemView()->model();
    EXPECT_EQ(model->index(0, 0, model->index(1, 0, model->index(0, 0))).data().toString(), QStringLiteral("01.001(螺栓)"));
    nodes().Item(1).setExpanded(true);
    EXPECT_TRUE(root.Expanded());
}

TEST_F(TreeViewNodesTest, LookupsOutsideTheCollectionAndDeadHandlesRaise)
{
    Node kept;
    {
        TreeView other;
        kept = other.Nodes().Add({}, tvwLast, "k", "Kept");
    }
    const Node topParent = nodes().Item("r").Parent();
    ASSERT_TRUE(topParent.isNull());
    const struct {
        const char* name;
        std::function<void()> call;
        int32_t number;
    } cases[] = {
        {"index 0", [&] { nodes().Item(0); }, errors::INDEX_OUT_OF_BOUNDS},
        {"index past the end", [&] { nodes().Item(6); }, errors::INDEX_OUT_OF_BOUNDS},
        {"keys are case-sensitive", [&] { nodes().Item("B"); }, com::VB_ELEMENT_NOT_FOUND},
        {"empty key", [&] { nodes().Item(QString()); }, com::VB_ELEMENT_NOT_FOUND},
        {"null handle", [&] { topParent.Text(); }, errors::OBJECT_NOT_SET},
        {"default handle", [&] { Node().setExpanded(true); }, errors::OBJECT_NOT_SET},
        {"handle outliving its tree", [&] { kept.Parent(); }, errors::NODE_REMOVED},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorNumberOf(c.call), c.number) << c.name;
    EXPECT_FALSE(kept.isAlive());
}

TEST(TreeViewPicturesTest, PictureReferencesAreCheckedOnceAListIsAttached)
{
    TreeView tree;
    ImageList images;
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    images.Add("Item", picture);
    TreeNodes& nodes = tree.Nodes();
    nodes.Add({}, tvwLast, "early", "Early", 7);  // without a list the reference is kept for later
    tree.setImageList(&images);
    nodes.Add({}, tvwLast, "byKey", "By key", QStringLiteral("Item"), QStringLiteral("Item"));
    EXPECT_EQ(nodes.Item("byKey").Image(), QVariant(QStringLiteral("Item")));
    EXPECT_EQ(errorNumberOf([&] { nodes.Add({}, tvwLast, "x", "X", 2); }), errors::INDEX_OUT_OF_BOUNDS);
    EXPECT_EQ(errorNumberOf([&] { nodes.Add({}, tvwLast, "x", "X", 1, QStringLiteral("Folder")); }),
              com::VB_ELEMENT_NOT_FOUND);
    EXPECT_EQ(nodes.Count(), 2) << "a refused picture adds no node";
    const QAbstractItemModel* model = tree.itemView()->model();
    EXPECT_FALSE(model->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_TRUE(model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull())
        << "a number the list does not hold paints nothing";
}

} // namespace
