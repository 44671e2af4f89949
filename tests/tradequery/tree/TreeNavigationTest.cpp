// Tree navigation against a fake host: node clicks and what they tell the user, loading the
// children of a group once per build, and selecting a node by identifier.
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "platform/hostapi/StringDictionary.h"
#include "platform/win/Screen.h"
#include "tests/testsupport/FakeBrowseWindow.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/tree/tvwBuilder.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

using ado::FieldType;

const QString kItemTreeSql = tq::tvwBuilder::itemTreeStatement();

QString itemChildSql(int parentId)
{
    return QStringLiteral("SELECT t1.*,c.FModel FROM t_Item t1 inner join t_ICItem as c on (t1.FItemClassID =4 "
                          "And t1.FItemID = c.FItemID) \r\nWhere t1.FParentID=%1\r\n Order By t1.FNumber ")
        .arg(parentId);
}

QString partnerChildSql(int itemClass, int parentId)
{
    return QStringLiteral("SELECT t1.* FROM t_Item t1 \r\nWhere t1.FItemClassID = %1 And t1.FParentID=%2\r\n Order by t1.FNumber ")
        .arg(itemClass)
        .arg(parentId);
}

QString parentSql(int id)
{
    return QStringLiteral("Select FParentID from t_item Where FItemID = %1").arg(id);
}

ado::RecordsetPtr treeRows(std::vector<std::vector<QVariant>> values)
{
    return fakehost::rows({{"FItemID", FieldType::Integer},
                           {"FName", FieldType::Text},
                           {"FNumber", FieldType::Text},
                           {"FParentID", FieldType::Integer},
                           {"FDetail", FieldType::Integer},
                           {"FModel", FieldType::Text}},
                          std::move(values));
}

ado::RecordsetPtr parentRow(int parent)
{
    return fakehost::rows({{"FParentID", FieldType::Integer}}, {{parent}});
}

// n history lines; their values play no part here, only their count.
ado::RecordsetPtr historyRows(int n)
{
    std::vector<std::vector<QVariant>> values;
    for (int i = 0; i < n; ++i)
        values.push_back({QStringLiteral("A%1").arg(i)});
    return fakehost::rows({{"FNumber", FieldType::Text}}, values);
}

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
    }

    void useItemView()
    {
        window.menuItem("mnuVBaseICItem")->setChecked(true);
        window.menuItem("mnuVCompany")->setChecked(false);
        host.appCnnExt().sql().answer(kItemTreeSql, treeRows({{10, "原料", "01", 0, 0, QVariant()},
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
    long ledgerRows() { return window.ldgBase().LedgerGrid().RowCount(); }
    int sent(const QString& sql) { return host.sqlSent().count(sql); }

    fakehost::FakeHost host;
    testsupport::FakeBrowseWindow window{1};
    double now = 1000.0;
};

TEST_F(TreeNavigationTest, ItemClickListsItsHistoryAndTellsTheUser)
{
    useItemView();
    const QString history = itemHistorySql(20);
    window.setCompanyID(7);
    window.setStatusText("Info", "old");
    host.log().clear();

    // The load takes 0.25 s on the clock.
    host.appCnnExt().sql().clear();
    host.appCnnExt().sql().setFallback([&](const QString& sql) {
        if (sql != history)
            return historyRows(0);
        now += 0.25;
        return historyRows(3);
    });
    window.navigation().NodeClick(node("gb20"));

    // A top-level detail comes with tag "0": its children are asked for once, then its history.
    EXPECT_EQ(host.sqlSent(), (QStringList{itemChildSql(20), history}));
    EXPECT_EQ(window.ItemID(), 20);
    EXPECT_EQ(window.CompanyID(), 0);
    EXPECT_EQ(ledgerRows(), 4);
    EXPECT_EQ(window.titleItem(), "[A01(Bolt)/M1]  的 客户信息--共计：3条记录");
    EXPECT_EQ(window.titleClass(), "物料信息");
    EXPECT_EQ(window.statusText("Passtime"), "取数据时间: 250.00 毫秒");
    EXPECT_EQ(window.statusText("Status"), "就绪");
    EXPECT_EQ(window.calls(), QStringList{"ShowCurrentRowPrice"});
    EXPECT_EQ(window.navigation().LastNodeClick().NodeKey, "gb20");
    EXPECT_EQ(window.navigation().LastNodeClick().RootText, "物料");
    EXPECT_EQ(window.navigation().LastNodeClick().Busy, 0);
    EXPECT_EQ(window.navigation().ItemClassNodeIndex(), 1);  // the root, parent of the detail
    EXPECT_EQ(win::Screen::MousePointer(), win::vbDefault);
}

TEST_F(TreeNavigationTest, LoadTimeInSecondsAboveOneSecondOnly)
{
    useItemView();
    struct Case {
        double seconds;
        QString shown;
    } cases[] = {{0.25, "取数据时间: 250.00 毫秒"}, {2.5, "取数据时间: 2.50 秒"}, {1.0, "取数据时间: 1000.00 毫秒"}};
    for (const Case& c : cases) {
        host.appCnnExt().sql().setFallback([&](const QString& sql) {
            if (sql.startsWith("select top"))
                now += c.seconds;
            return historyRows(1);
        });
        window.navigation().setForceReload(true);
        window.navigation().NodeClick(node("gb20"));
        EXPECT_EQ(window.statusText("Passtime"), c.shown);
    }
}

TEST_F(TreeNavigationTest, RepeatedClickLoadsOnceUnlessForced)
{
    useItemView();
    const QString history = itemHistorySql(20);
    host.appCnnExt().sql().answer(history, historyRows(2));
    host.log().clear();

    window.navigation().NodeClick(node("gb20"));
    window.navigation().NodeClick(node("gb20"));
    EXPECT_EQ(sent(history), 1);

    window.Refresh();  // ForceReload, then the selected node... none is selected here
    window.tvwBase().setSelectedItem(node("gb20"));
    window.Refresh();
    EXPECT_EQ(sent(history), 2);
    EXPECT_FALSE(window.navigation().ForceReload());
}

TEST_F(TreeNavigationTest, ClickArrivingDuringALoadIsDropped)
{
    useItemView();
    const QString history = itemHistorySql(20);
    const QString other = itemHistorySql(40);
    window.navigation().LoadChildNodes(node("gi11"));
    bool clickedDuringLoad = false;
    host.appCnnExt().sql().setFallback([&](const QString& sql) {
        if (sql == history && !clickedDuringLoad) {
            clickedDuringLoad = true;
            window.navigation().NodeClick(node("gb40"));  // pending events run while the load waits
        }
        return historyRows(1);
    });
    host.log().clear();
    window.navigation().NodeClick(node("gb20"));

    EXPECT_TRUE(clickedDuringLoad);
    EXPECT_EQ(sent(other), 0);
    EXPECT_EQ(window.ItemID(), 20);
    EXPECT_EQ(window.navigation().LastNodeClick().NodeKey, "gb20");
    EXPECT_EQ(window.navigation().LastNodeClick().Busy, 0);
    // Once the load is over, the other item can be clicked.
    window.navigation().NodeClick(node("gb40"));
    EXPECT_EQ(sent(other), 1);
}

TEST_F(TreeNavigationTest, RootOrGroupClickEmptiesTheLedger)
{
    useItemView();
    host.appCnnExt().sql().answer(itemHistorySql(20), historyRows(5));
    for (const QString key : {"gi11", "gc0"}) {
        window.navigation().NodeClick(node("gb20"));
        ASSERT_EQ(ledgerRows(), 6);
        window.setStatusText("Info", "物料代码[A0]价格:1.00");
        window.navigation().NodeClick(node(key));
        EXPECT_EQ(ledgerRows(), 1) << key.toStdString();
        EXPECT_EQ(window.statusText("Info"), "");
        EXPECT_EQ(window.titleItem(), "[" + node(key).Text() + "]  的 客户信息--共计：0条记录");
        EXPECT_EQ(window.navigation().ItemClassNodeIndex(), node(key).Index());
    }
}

TEST_F(TreeNavigationTest, PartnerClickListsThePartnersHistory)
{
    window.menuItem("mnuVCompany")->setChecked(true);
    const QString treeSql = tq::tvwBuilder::partnerTreeStatement(1, QString());
    host.appCnnExt().sql().answer(treeSql, treeRows({{5, "华东", "01", 0, 0, QVariant()}, {6, "上海公司", "01.001", 5, 1, QVariant()}}));
    window.treeBuilder()->SetTreeView(1, nullptr);
    const QString history = tq::GetHistorySQL(1, window.queryOptions(), "0", 6, tq::HistoryNormalMode, QString());
    host.appCnnExt().sql().answer(history, historyRows(2));
    window.setItemID(9);

    window.navigation().NodeClick(node("gb6"));
    EXPECT_EQ(sent(history), 1);
    EXPECT_EQ(window.CompanyID(), 6);
    EXPECT_EQ(window.ItemID(), 0);
    EXPECT_EQ(window.titleClass(), " 客户信息");
    EXPECT_EQ(window.titleItem(), "[01.001(上海公司)]  的物料信息--共计：2条记录");
    EXPECT_EQ(window.navigation().PartnerNodeIndex(), node("gb6").Index());
}

TEST_F(TreeNavigationTest, ChildrenOfAGroupAreQueriedOncePerBuild)
{
    useItemView();
    host.log().clear();
    window.tvwBase().Nodes().Item("gi11").setExpanded(true);  // the tree's Expand event
    window.navigation().NodeClick(node("gi11"));
    EXPECT_EQ(sent(itemChildSql(11)), 1);
    EXPECT_EQ(node("gi11").Tag().toString(), "1");
    EXPECT_EQ(node("gb40").Text(), "01.01.001(圆钢 /Φ12)");
    EXPECT_EQ(node("gb41").Text(), "01.01.002(方钢)");
    EXPECT_EQ(node("gb40").Tag().toString(), "1");
    EXPECT_EQ(node("gb40").Image().toInt(), 3);
    EXPECT_EQ(node("gb40").Parent().Key(), "gi11");

    // A rebuild throws the children away; the group is queried again.
    window.treeBuilder()->SetTreeView(1, nullptr);
    EXPECT_FALSE(window.tvwBase().Nodes().Exists("gb40"));
    window.navigation().LoadChildNodes(node("gi11"));
    EXPECT_EQ(sent(itemChildSql(11)), 2);

    // A failing query still marks the group loaded.
    window.treeBuilder()->SetTreeView(1, nullptr);
    host.appCnnExt().failures().fail("Execute", com::ComError(-1, "db", "lost"));
    window.navigation().LoadChildNodes(node("gi11"));
    EXPECT_EQ(node("gi11").Tag().toString(), "1");
    EXPECT_EQ(node("gi11").Children(), 0);
}

TEST_F(TreeNavigationTest, PartnerChildrenSkipTextsAlreadyUnderTheGroup)
{
    window.menuItem("mnuVCompany")->setChecked(true);
    const QString treeSql = tq::tvwBuilder::partnerTreeStatement(2, QString());
    host.appCnnExt().sql().answer(treeSql, treeRows({{5, "华东", "01", 0, 0, QVariant()}, {7, "江苏", "01.02", 5, 0, QVariant()}}));
    host.appCnnExt().sql().answer(partnerChildSql(8, 5), treeRows({{7, "江苏", "01.02", 5, 0, QVariant()},
                                                                   {8, "甲厂", "01.01", 5, 1, QVariant()},
                                                                   {9, "甲厂", "01.01", 5, 1, QVariant()},
                                                                   {10, "乙厂 ", "01.03", 5, 1, QVariant()}}));
    testsupport::FakeBrowseWindow supplierWindow(2);
    // The fixture window is for query type 1: use one of query type 2 with the same host.
    supplierWindow.setTreeBuilder(std::make_unique<tq::tvwBuilder>());
    supplierWindow.treeBuilder()->settvwGroup(&supplierWindow.tvwBase());
    supplierWindow.menuItem("mnuVCompany")->setChecked(true);
    supplierWindow.treeBuilder()->SetTreeView(2, nullptr);
    controls::Node group = supplierWindow.tvwBase().Nodes().Item("gi5");
    supplierWindow.navigation().LoadChildNodes(group);

    QStringList children;
    for (controls::Node child = group.Child(); !child.isNull(); child = child.Next())
        children << child.Key() + "|" + child.Text();
    EXPECT_EQ(children, (QStringList{"gi7|01.02(江苏)", "gb8|01.01(甲厂)", "gb10|01.03(乙厂 )"}));
    EXPECT_TRUE(supplierWindow.navigation().NodeTextExistsUnder("01.01(甲厂)", group));
    EXPECT_FALSE(supplierWindow.navigation().NodeTextExistsUnder("01.01(甲厂)", supplierWindow.tvwBase().Nodes().Item(1)));
    EXPECT_FALSE(supplierWindow.navigation().NodeTextExistsUnder("01.03(乙厂)", group));

    const auto rights = supplierWindow.navigation().DataRightParams(2);
    EXPECT_EQ(rights->Keys(), (QStringList{"DataRightFrom", "DataRightWhere"}));
    EXPECT_EQ(rights->Value("DataRightWhere").toString(), "");
}

TEST_F(TreeNavigationTest, SelectNodeByIdOpensTheAncestorsFirst)
{
    useItemView();
    host.appCnnExt().sql().answer(parentSql(40), parentRow(11));
    host.appCnnExt().sql().answer(parentSql(11), parentRow(10));
    host.appCnnExt().sql().answer(parentSql(10), parentRow(0));
    const QString history = itemHistorySql(40);
    host.appCnnExt().sql().answer(history, historyRows(4));
    host.log().clear();

    int32_t id = 40;
    window.navigation().SelectNodeById(id);
    EXPECT_EQ(host.sqlSent(), (QStringList{parentSql(40), parentSql(11), parentSql(10), itemChildSql(10), itemChildSql(11), history}));
    EXPECT_EQ(window.tvwBase().SelectedItem(), node("gb40"));
    EXPECT_EQ(window.ItemID(), 40);
    EXPECT_EQ(ledgerRows(), 5);
    EXPECT_EQ(window.navigation().ItemClassNodeIndex(), node("gi11").Index());

    // A group identifier selects the group and empties the ledger.
    int32_t group = 11;
    window.navigation().SelectNodeById(group);
    EXPECT_EQ(window.tvwBase().SelectedItem(), node("gi11"));
    EXPECT_EQ(ledgerRows(), 1);
}

TEST_F(TreeNavigationTest, SelectNodeByIdOfNothingSelectsNothing)
{
    useItemView();
    host.log().clear();
    int32_t unknown = 777;
    window.navigation().SelectNodeById(unknown);
    int32_t none = 0;
    window.navigation().SelectNodeById(none);
    EXPECT_TRUE(window.tvwBase().SelectedItem().isNull());
    EXPECT_EQ(host.sqlSent(), QStringList{parentSql(777)});  // the fake answers no rows
    EXPECT_EQ(window.titleItem(), "");
}

TEST_F(TreeNavigationTest, ParentChainInACircleEnds)
{
    useItemView();
    host.appCnnExt().sql().answer(parentSql(20), parentRow(30));
    host.appCnnExt().sql().answer(parentSql(30), parentRow(20));
    host.log().clear();
    int32_t id = 20;
    window.navigation().SelectNodeById(id);
    EXPECT_EQ(window.tvwBase().SelectedItem(), node("gb20"));
    EXPECT_LE(host.sqlSent().count(parentSql(20)), tq::TreeNavigation::kMaxAncestorDepth);
}

TEST_F(TreeNavigationTest, ParentLookupFailureIsReportedAndAnswersZero)
{
    fakehost::MsgBoxRecorder boxes;
    host.appCnnExt().failures().fail("Execute", com::ComError(-2147467259, "db", "连接已断开"));
    EXPECT_EQ(window.navigation().GetParentItemId(40), 0);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, "取基础资料的父项内码时出错。原因：连接已断开");
    EXPECT_EQ(boxes.boxes()[0].title, "青禾提示");
    EXPECT_EQ(boxes.boxes()[0].style, 64);
}

} // namespace
