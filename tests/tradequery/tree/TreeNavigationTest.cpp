// Tree navigation against a fake host: what a node click loads and tells the user, clicks that
// come again or during a load, a group's children loaded once per build, and selecting a node
// by identifier through its ancestors.
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "platform/win/Screen.h"
#include "tests/testsupport/FakeBrowseWindow.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/HistoryTestData.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/tree/tvwBuilder.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

using ado::FieldType;

// The child statements, written out here once.
QString itemChildSql(int parentId)
{
    return QStringLiteral("SELECT t1.*,c.FModel FROM t_Item t1 inner join t_ICItem as c on (t1.FItemClassID =4 "
                          "And t1.FItemID = c.FItemID) \r\nWhere t1.FParentID=%1\r\n Order By t1.FNumber ")
        .arg(parentId);
}

QString parentSql(int id)
{
    return QStringLiteral("Select FParentID from t_item Where FItemID = %1").arg(id);
}

ado::RecordsetPtr treeRows(std::vector<std::vector<QVariant>> values)
{
    return fakehost::rows({{"FItemID", FieldType::Integer}, {"FName", FieldType::Text}, {"FNumber", FieldType::Text},
                           {"FParentID", FieldType::Integer}, {"FDetail", FieldType::Integer}, {"FModel", FieldType::Text}},
                          std::move(values));
}

ado::RecordsetPtr parentRow(int parent)
{
    return fakehost::rows({{"FParentID", FieldType::Integer}}, {{parent}});
}

ado::RecordsetPtr historyLines(int n)
{
    return historytest::historyRows(std::vector<historytest::HistoryLine>(n));
}

// The item view of a customer window: root "物料" > group 10 > group 11 > materials 40, 41;
// material 20 directly under the root.
class TreeNavigationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setLedgerObject(std::make_unique<tq::BaseDetail>());
        window.ledgerObject()->setLdg(&window.ldgBase());
        window.ledgerObject()->GetTitleInfo(1);
        window.setTreeBuilder(std::make_unique<tq::tvwBuilder>());
        window.treeBuilder()->settvwGroup(&window.tvwBase());
        window.queryOptions().TradeTimes = 10;
        window.navigation().setClock([this] { return now; });
        window.menuItem("mnuVBaseICItem")->setChecked(true);
        window.menuItem("mnuVCompany")->setChecked(false);
        host.appCnnExt().sql().answer(tq::tvwBuilder::itemTreeStatement(),
                                      treeRows({{10, "原料", "01", 0, 0, QVariant()},
                                                {11, "钢材", "01.01", 10, 0, QVariant()},
                                                {20, "Bolt", "A01", 0, 1, "M1"}}));
        host.appCnnExt().sql().answer(itemChildSql(11), treeRows({{40, "圆钢 ", "01.01.001", 11, 1, "Φ12"},
                                                                  {41, "方钢", "01.01.002", 11, 1, QVariant()}}));
        window.treeBuilder()->BICItem = true;
        window.treeBuilder()->SetTreeView(1, nullptr);
    }

    QString itemHistorySql(int itemId)
    {
        return tq::GetHistorySQL(1, window.queryOptions(), QString::number(itemId), 0, tq::HistoryNormalMode, QString());
    }

    controls::Node node(const QString& key) { return window.tvwBase().Nodes().Item(key); }
    long ledgerRows() { return window.ldgBase().Rows(); }
    int sent(const QString& sql) { return host.sqlSent().count(sql); }
    void click(const QString& key) { window.navigation().NodeClick(node(key)); }

    fakehost::FakeHost host;
    testsupport::FakeBrowseWindow window{1};
    double now = 1000.0;
};

TEST_F(TreeNavigationTest, AMaterialClickListsItsHistoryAndTellsTheUser)
{
    const QString history = itemHistorySql(20);
    window.setCompanyID(7);
    host.log().clear();
    for (const auto& [seconds, shown] : {std::pair{0.25, "取数据时间: 250.00 毫秒"}, std::pair{2.5, "取数据时间: 2.50 秒"}}) {
        host.appCnnExt().sql().setFallback([&](const QString& sql) {
            now += sql == history ? seconds : 0;
            return historyLines(sql == history ? 3 : 0);
        });
        window.navigation().setForceReload(true);
        click("gb20");
        EXPECT_EQ(window.statusText("Passtime"), QString::fromUtf8(shown));
    }
    // A top-level material comes with tag "0": its children are asked for once, then its history.
    EXPECT_EQ(host.sqlSent().mid(0, 2), (QStringList{itemChildSql(20), history}));
    EXPECT_EQ(window.ItemID(), 20);
    EXPECT_EQ(window.CompanyID(), 0) << "a material click leaves the partner";
    EXPECT_EQ(ledgerRows(), 4);
    EXPECT_EQ(window.titleItem(), "[A01(Bolt)/M1]  的 客户信息--共计：3条记录");
    EXPECT_EQ(window.statusText("Status"), "就绪");
    EXPECT_EQ(win::Screen::MousePointer(), win::vbDefault);
}

TEST_F(TreeNavigationTest, ARepeatedClickLoadsOnceUnlessForced)
{
    const QString history = itemHistorySql(20);
    host.appCnnExt().sql().answer(history, historyLines(2));
    host.log().clear();
    click("gb20");
    click("gb20");
    EXPECT_EQ(sent(history), 1);

    window.Refresh();  // forces a reload of the selected node: none is selected yet
    window.tvwBase().setSelectedItem(node("gb20"));
    window.Refresh();
    EXPECT_EQ(sent(history), 2);
    EXPECT_FALSE(window.navigation().ForceReload());
    click("gi10");
    EXPECT_EQ(ledgerRows(), 1) << "a group click empties the ledger";
}

TEST_F(TreeNavigationTest, AClickArrivingDuringALoadIsDropped)
{
    const QString history = itemHistorySql(20);
    const QString other = itemHistorySql(40);
    window.navigation().LoadChildNodes(node("gi11"));
    bool clickedDuringLoad = false;
    host.appCnnExt().sql().setFallback([&](const QString& sql) {
        if (sql == history && !clickedDuringLoad) {
            clickedDuringLoad = true;
            click("gb40");  // pending events run while the load waits
        }
        return historyLines(1);
    });
    host.log().clear();
    click("gb20");

    EXPECT_TRUE(clickedDuringLoad);
    EXPECT_EQ(sent(other), 0);
    EXPECT_EQ(window.ItemID(), 20);
    click("gb40");  // once the load is over
    EXPECT_EQ(sent(other), 1);
}

TEST_F(TreeNavigationTest, AGroupsChildrenAreQueriedOncePerBuild)
{
    host.log().clear();
    node("gi11").setExpanded(true);  // the tree's Expand event
    click("gi11");
    EXPECT_EQ(sent(itemChildSql(11)), 1);
    EXPECT_EQ(node("gb40").Text(), "01.01.001(圆钢 /Φ12)");
    EXPECT_EQ(node("gb41").Parent().Key(), "gi11");

    // A rebuild throws the children away; the group is queried again.
    window.treeBuilder()->SetTreeView(1, nullptr);
    EXPECT_FALSE(window.tvwBase().Nodes().Exists("gb40"));
    window.navigation().LoadChildNodes(node("gi11"));
    EXPECT_EQ(sent(itemChildSql(11)), 2);
}

TEST_F(TreeNavigationTest, SelectingByIdOpensTheAncestorsFromTheTop)
{
    host.appCnnExt().sql().answer(parentSql(40), parentRow(11));
    host.appCnnExt().sql().answer(parentSql(11), parentRow(10));
    host.appCnnExt().sql().answer(parentSql(10), parentRow(0));
    const QString history = itemHistorySql(40);
    host.appCnnExt().sql().answer(history, historyLines(4));
    host.log().clear();

    int32_t id = 40;
    window.navigation().SelectNodeById(id);
    EXPECT_EQ(host.sqlSent(),
              (QStringList{parentSql(40), parentSql(11), parentSql(10), itemChildSql(10), itemChildSql(11), history}));
    EXPECT_EQ(window.tvwBase().SelectedItem(), node("gb40"));
    EXPECT_EQ(window.ItemID(), 40);
    EXPECT_EQ(ledgerRows(), 5);
}

TEST_F(TreeNavigationTest, AParentChainInACircleEndsAndAFailedLookupIsReported)
{
    host.appCnnExt().sql().answer(parentSql(20), parentRow(30));
    host.appCnnExt().sql().answer(parentSql(30), parentRow(20));
    int32_t id = 20;
    window.navigation().SelectNodeById(id);
    EXPECT_EQ(window.tvwBase().SelectedItem(), node("gb20"));
    EXPECT_LE(sent(parentSql(20)), tq::TreeNavigation::kMaxAncestorDepth);

    fakehost::MsgBoxRecorder boxes;
    host.appCnnExt().failures().fail("Execute", com::ComError(-2147467259, "db", "连接已断开"));
    EXPECT_EQ(window.navigation().GetParentItemId(40), 0);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, "取基础资料的父项内码时出错。原因：连接已断开");
}

} // namespace
