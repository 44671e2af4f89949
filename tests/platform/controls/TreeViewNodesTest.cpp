// The Nodes collection: placement by relationship, Item by index and key, the errors and what
// they leave behind, Clear and Remove and node handles.
#include "platform/com/ErrorCodes.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/TreeViewErrors.h"
#include "tests/platform/RaisedError.h"

#include <QAbstractItemView>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// The keys of a node and its later siblings.
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

int32_t errorOf(const std::function<void()>& call)
{
    return platformtest::raisedBy(call).number;
}

// Root "r" with children a, b, c (in that order) and a second top-level node "s".
struct TreeNodesTest : ::testing::Test {
    TreeView tree;
    TreeNodes& nodes = tree.Nodes();
    TreeNodesTest() { addSample(nodes); }
    static void addSample(TreeNodes& n)
    {
        n.Add({}, tvwLast, "r", "Root");
        for (const char* key : {"a", "b", "c"})
            n.Add("r", tvwChild, key, key);
        n.Add({}, tvwLast, "s", "Second");
    }
};

TEST(TreeNodesPlacement, PlacesTheNewNodeRelativeToAnother)
{
    const std::tuple<QString, int, QString, QStringList> cases[] = {  // relative, relationship, parent, siblings
        {"r", tvwChild, "r", {"a", "b", "c", "new"}}, {"b", tvwChild, "b", {"new"}}, {"b", tvwNext, "r", {"a", "b", "new", "c"}},
        {"c", tvwFirst, "r", {"new", "a", "b", "c"}}, {{}, tvwLast, {}, {"r", "s", "new"}},
    };
    for (const auto& [relative, relationship, parent, siblings] : cases) {
        SCOPED_TRACE(relative.toStdString() + " " + std::to_string(relationship));
        TreeView tree;
        TreeNodesTest::addSample(tree.Nodes());
        const Node added = tree.Nodes().Add(relative, relationship, "new", "New");
        EXPECT_EQ(added.Index(), 6) << "the index follows the order of addition, not the position";
        EXPECT_EQ(added.Parent().isNull() ? QString() : added.Parent().Key(), parent);
        Node first = added;
        while (!first.Previous().isNull())
            first = first.Previous();
        EXPECT_EQ(siblingKeys(first), siblings);
    }
}

TEST_F(TreeNodesTest, ItemByIndexFollowsTheOrderOfAddition)
{
    nodes.Add("a", tvwPrevious, "first", "First");
    nodes.Add("r", tvwChild, {}, "no key");  // any number may go without a key
    nodes.Add("r", tvwChild, {}, "no key");
    EXPECT_EQ(keysInIndexOrder(nodes), (QStringList{"r", "a", "b", "c", "s", "first", "", ""}));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(nodes.Item(nodes.Item(i).Key()).Index(), i);
}

TEST_F(TreeNodesTest, FailedAddsAndLookupsRaiseTheirNumbersAndChangeNothing)
{
    Node kept;
    {
        TreeView other;
        kept = other.Nodes().Add({}, tvwLast, "k", "Kept");
    }
    const std::pair<std::function<void()>, int32_t> cases[] = {
        {[&] { nodes.Add("gi99", tvwChild, "x", "X"); }, com::VB_ELEMENT_NOT_FOUND},
        {[&] { nodes.Add("r", tvwChild, "b", "B again"); }, com::VB_KEY_NOT_UNIQUE},
        {[&] { nodes.Add({}, tvwLast, "s", "S"); }, com::VB_KEY_NOT_UNIQUE}, {[&] { nodes.Add("r", 5, "x", "X"); }, com::VB_INVALID_PROC_CALL},
        {[&] { nodes.Item(0); }, errors::INDEX_OUT_OF_BOUNDS}, {[&] { nodes.Item(6); }, errors::INDEX_OUT_OF_BOUNDS},
        {[&] { nodes.Item("B"); }, com::VB_ELEMENT_NOT_FOUND},  // keys are case-sensitive
        {[&] { nodes.Item("r").Parent().Text(); }, errors::OBJECT_NOT_SET}, {[&] { kept.Parent(); }, errors::NODE_REMOVED},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto raised = platformtest::raisedBy(cases[i].first);
        EXPECT_EQ(raised.number, cases[i].second) << "case " << i;
        EXPECT_FALSE(raised.description.isEmpty()) << "case " << i;
    }
    EXPECT_EQ(keysInIndexOrder(nodes), (QStringList{"r", "a", "b", "c", "s"}));
    EXPECT_EQ(siblingKeys(nodes.Item("r").Child()), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(platformtest::raisedBy([&] { nodes.Add("r", tvwChild, "b", "B"); }).description, QStringLiteral("关键字不唯一"));
}

TEST_F(TreeNodesTest, ClearAndRemoveTakeWholeSubtreesRenumberAndKillTheirHandles)
{
    nodes.Add("s", tvwChild, "s1", "S1");
    const Node b1 = nodes.Add("b", tvwChild, "b1", "B1");
    b1.setText(QStringLiteral("01.001(螺栓)"));  // the view shows a changed text
    const QAbstractItemModel* model = tree.itemView()->model();
    EXPECT_EQ(model->index(0, 0, model->index(1, 0, model->index(0, 0))).data().toString(), QStringLiteral("01.001(螺栓)"));
    const Node s1 = nodes.Item("s1");
    nodes.Remove("b");
    EXPECT_EQ(keysInIndexOrder(nodes), (QStringList{"r", "a", "c", "s", "s1"}));
    EXPECT_EQ(s1.Index(), 5);
    EXPECT_EQ(siblingKeys(nodes.Item("r").Child()), (QStringList{"a", "c"}));
    EXPECT_EQ(nodes.Item("c").Previous().Key(), "a");
    EXPECT_FALSE(b1.isAlive() || nodes.Exists("b1"));
    EXPECT_EQ(model->rowCount(model->index(0, 0)), 2);
    EXPECT_EQ(errorOf([&] { nodes.Add("b", tvwChild, "b2", "B2"); }), com::VB_ELEMENT_NOT_FOUND) << "a removed relative";
    nodes.Remove(1);  // the root and everything below it
    EXPECT_EQ(keysInIndexOrder(nodes), (QStringList{"s", "s1"}));
    EXPECT_EQ(errorOf([&] { nodes.Remove(3); }), errors::INDEX_OUT_OF_BOUNDS);
    EXPECT_EQ(errorOf([&] { nodes.Remove("r"); }), com::VB_ELEMENT_NOT_FOUND);

    nodes.Clear();
    EXPECT_EQ(tree.itemView()->model()->rowCount(), 0);
    nodes.Add({}, tvwLast, "s", "again");
    const Node newS1 = nodes.Add("s", tvwChild, "s1", "S1 again");
    EXPECT_EQ(newS1.Index(), 2) << "indices start over after Clear";
    EXPECT_EQ(nodes.Item("s1"), newS1);
    EXPECT_FALSE(s1.isAlive());
    EXPECT_EQ(errorOf([&] { s1.Text(); }), errors::NODE_REMOVED);
}

} // namespace
