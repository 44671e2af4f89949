// The browse window end to end on a copy of the small demo database with the real host
// services, as a person meets it: each view at start-up, clicks, refresh, view switches, a
// material three levels down, the title sort, the layout kept for the next window, the
// settings right and a database that goes away. What the ledger should list is read from the
// file with raw sqlite3 (HistoryEndToEndExpected).
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/Screenshots.h"
#include "tests/tradequery/history/HistoryEndToEndExpected.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Security.h"
#include "tradequery/window/BrowseBase.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace hostdb::demo;
using historye2e::billNumbers;
using historye2e::visibleLines;

class BrowseWindowOnDemoData : public ::testing::Test {
protected:
    BrowseWindowOnDemoData() { tq::testing::resetGLDataObject(); }
    ~BrowseWindowOnDemoData() override
    {
        qDeleteAll(windows);
        tq::testing::resetGLDataObject();
    }

    // A window opened as the query component opens it; deleted with the fixture.
    tq::BrowseBase& open(int32_t queryType, int32_t itemId, int32_t companyId)
    {
        auto* window = new tq::BrowseBase;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->setQueryType(queryType);
        window->setItemID(itemId);
        window->setCompanyID(companyId);
        window->resize(1280, 720);
        window->Load();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        windows << window;
        return *window;
    }

    // The bill numbers the ledger lists, top down, as a person reads them.
    static QStringList column(tq::BrowseBase& window, long col = 10)
    {
        QStringList cells;
        for (long row = 2; row <= window.ldgBase().Rows(); ++row)
            cells << window.ldgBase().LedgerCell(row, col).Text();
        return cells;
    }

    static QString selectedKey(tq::BrowseBase& window)
    {
        const controls::Node node = window.tvwBase().SelectedItem();
        return node.isNull() ? QString() : node.Key();
    }

    static bool checked(tq::BrowseBase& window, const char* menuItem)
    {
        return window.menuItem(QLatin1String(menuItem))->isChecked();
    }

    // Clicks the first detail node ("gb") that is not `except`, as a person clicks it.
    static controls::Node clickSomeDetail(tq::BrowseBase& window, const QString& except)
    {
        auto& nodes = window.tvwBase().Nodes();
        for (int i = 1; i <= nodes.Count(); ++i) {
            controls::Node node = nodes.Item(i);
            if (node.Key().startsWith(QLatin1String("gb")) && node.Key() != except) {
                window.tvwBase().setSelectedItem(node);
                emit window.tvwBase().NodeClick(node);
                return node;
            }
        }
        return {};
    }

    static void doubleClickTitle(tq::BrowseBase& window, int column)
    {
        QHeaderView* titles = window.ldgBase().tableView()->horizontalHeader();
        QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(column - 1) + 5, 5));
    }

    // The bills a person should see for a material or a partner, newest first.
    QStringList expectedBills(bool sales, int itemId, int partnerId) const
    {
        return billNumbers(visibleLines(demo.allLines(sales, itemId, partnerId), kTradeTimes));
    }

    QTemporaryDir folder;
    hostsvc::testing::InstalledServices services{kAdminUserId, testsupport::copySmallDemoDatabase(folder.path())};
    historye2e::DemoFile demo{testsupport::smallDemoDatabase()};
    Samples samples = hostdb::demo::samples(hostdb::DemoSize::Small);
    QList<tq::BrowseBase*> windows;
};

TEST_F(BrowseWindowOnDemoData, FirstStartShowsThePartnerViewOnTheHostsPartner)
{
    const int customer = demo.itemId(kClassCustomer, samples.customerNumber);
    ASSERT_NE(customer, 0);
    tq::BrowseBase& window = open(1, 0, customer);
    testsupport::saveScreenshot(window, QStringLiteral("browse_partner_view.png"));

    EXPECT_TRUE(checked(window, "mnuVCompany"));
    EXPECT_FALSE(checked(window, "mnuVBaseICItem"));
    EXPECT_TRUE(window.toolbarButton(QStringLiteral("ByCompany"))->isChecked());
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), QStringLiteral("客户"));
    EXPECT_EQ(selectedKey(window), QStringLiteral("gb%1").arg(customer));
    EXPECT_EQ(column(window), expectedBills(true, 0, customer));
    EXPECT_EQ(window.statusText(QStringLiteral("Status")), QStringLiteral("就绪"));
    EXPECT_TRUE(window.statusText(QStringLiteral("Passtime")).startsWith(QStringLiteral("取数据时间: ")));
    EXPECT_TRUE(window.browseControls().SSPTitleItem->text().endsWith(QStringLiteral("的物料信息--共计：%1条记录").arg(kTradeTimes)));
    EXPECT_EQ(window.browseControls().SSPTitleClass->text(), QStringLiteral(" 客户信息"));

    // Another partner; a refresh keeps it.
    const controls::Node other = clickSomeDetail(window, selectedKey(window));
    ASSERT_FALSE(other.isNull());
    const int otherId = other.Key().mid(2).toInt();
    EXPECT_EQ(window.CompanyID(), otherId);
    EXPECT_EQ(column(window), expectedBills(true, 0, otherId));
    window.Refresh();
    EXPECT_EQ(selectedKey(window), other.Key());
    EXPECT_EQ(column(window), expectedBills(true, 0, otherId));
}

TEST_F(BrowseWindowOnDemoData, StoredItemViewSelectsAMaterialThreeLevelsDownAndSwitchesViews)
{
    tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 2);
    tq::SaveLayoutSetting(QStringLiteral("blBatchSort"), 1);
    const int item = demo.number(
        "select t3.FItemID from t_Item t3 join t_ICItem c on c.FItemID = t3.FItemID"
        " join t_Item t2 on t2.FItemID = t3.FParentID join t_Item t1 on t1.FItemID = t2.FParentID"
        " where t3.FItemClassID = 4 and t1.FParentID = 0"
        " and exists (select 1 from ICSaleEntry e where e.FItemID = t3.FItemID) order by t3.FNumber");
    ASSERT_GT(item, 0) << "the demo classification has three levels";
    const int group = demo.number("select FParentID from t_Item where FItemID = " + QByteArray::number(item));
    const int topGroup = demo.number("select FParentID from t_Item where FItemID = " + QByteArray::number(group));
    tq::BrowseBase& window = open(1, item, 0);

    EXPECT_TRUE(checked(window, "mnuVBaseICItem"));
    EXPECT_TRUE(window.toolbarButton(QStringLiteral("ByItem"))->isChecked());
    EXPECT_EQ(selectedKey(window), QStringLiteral("gb%1").arg(item));
    EXPECT_EQ(window.tvwBase().SelectedItem().Parent().Key(), QStringLiteral("gi%1").arg(group));
    EXPECT_EQ(window.tvwBase().SelectedItem().Parent().Parent().Key(), QStringLiteral("gi%1").arg(topGroup));
    const QStringList bills = expectedBills(true, item, 0);
    ASSERT_FALSE(bills.isEmpty());
    EXPECT_EQ(column(window), bills);
    EXPECT_EQ(window.browseControls().SSPTitleClass->text(), QStringLiteral("物料信息"));

    // The batch sort keeps the title double-click from sorting.
    doubleClickTitle(window, 10);
    EXPECT_EQ(window.ledgerObject()->recordset()->Sort(), QString());
    EXPECT_EQ(column(window), bills);

    // A group clicked, then a partner in the partner view: back in the item view the group is
    // selected again, not the material.
    controls::Node clicked = window.tvwBase().Nodes().Item(QStringLiteral("gi%1").arg(topGroup));
    const QString clickedText = clicked.Text();
    window.tvwBase().setSelectedItem(clicked);
    emit window.tvwBase().NodeClick(clicked);
    window.toolbarButton(QStringLiteral("ByCompany"))->trigger();
    EXPECT_TRUE(checked(window, "mnuVCompany"));
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), QStringLiteral("客户"));
    EXPECT_EQ(selectedKey(window), QStringLiteral("gc0"));
    EXPECT_EQ(window.ldgBase().Rows(), 1);
    ASSERT_FALSE(clickSomeDetail(window, QString()).isNull());
    EXPECT_EQ(window.ItemID(), 0);
    window.menuItem(QStringLiteral("mnuVBaseICItem"))->trigger();
    EXPECT_TRUE(window.toolbarButton(QStringLiteral("ByItem"))->isChecked());
    EXPECT_FALSE(window.toolbarButton(QStringLiteral("ByCompany"))->isChecked());
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), QStringLiteral("物料"));
    EXPECT_EQ(selectedKey(window), QStringLiteral("gi%1").arg(topGroup));
    EXPECT_EQ(window.browseControls().SSPTitleItem->text(), "[" + clickedText + "]  的物料信息 --共计：0条记录");
    EXPECT_FALSE(window.tvwBase().Nodes().Exists(QStringLiteral("gb%1").arg(item))) << "the rebuild starts afresh";
    testsupport::saveScreenshot(window, QStringLiteral("browse_item_view_after_switch.png"));

    // Closing keeps the view and the batch sort for the next window.
    window.close();
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("blBatchSort"), 0).toInt(), 1);
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 0).toInt(), 2);
}

TEST_F(BrowseWindowOnDemoData, TitleSortAndTheLayoutKeptForTheNextWindow)
{
    const int supplier = demo.itemId(kClassSupplier, samples.supplierNumber);
    ASSERT_NE(supplier, 0);
    tq::BrowseBase& first = open(2, 0, supplier);
    ASSERT_GT(first.ldgBase().Rows(), 2);
    doubleClickTitle(first, 10);
    QStringList sorted = expectedBills(false, 0, supplier);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(column(first), sorted);

    first.ldgBase().LedgerColumn(3).setWidth(2345);
    const QString key = selectedKey(first);
    first.close();
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("tvwKey"), QString()).toString(), key);
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 0).toInt(), 1);

    tq::BrowseBase& second = open(2, 0, supplier);
    EXPECT_EQ(second.ldgBase().LedgerColumn(3).Width(), 2345);
    EXPECT_EQ(second.ldgBase().LedgerColumn(4).Width(), 1200);
}

TEST_F(BrowseWindowOnDemoData, AUserWithoutTheSettingsRightIsTold)
{
    services.switchUser(kSalesClerkUserId);
    tq::BrowseBase& window = open(1, 0, 0);
    fakehost::MsgBoxRecorder boxes;
    window.menuItem(QStringLiteral("mnuProperty"))->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("您没有客户历史销售价格查询设置的权限"));
}

// The file moved and the host's connections dropped while the window is open: a click reports
// the failed query, the ledger keeps what it showed, and once the file is back a refresh lists
// the clicked partner.
TEST_F(BrowseWindowOnDemoData, ADatabaseThatGoesAwayComesBackAtTheNextRefresh)
{
    tq::BrowseBase& window = open(1, 0, demo.itemId(kClassCustomer, samples.customerNumber));
    const QStringList before = column(window);
    ASSERT_FALSE(before.isEmpty());

    fakehost::MsgBoxRecorder boxes;
    hostdb::HostDatabase::closeAll();
    const QString file = services.session.connectString;
    ASSERT_TRUE(QFile::rename(file, file + QStringLiteral(".away")));
    const controls::Node other = clickSomeDetail(window, selectedKey(window));
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(column(window), before);
    EXPECT_EQ(window.statusText(QStringLiteral("Status")), QStringLiteral("就绪"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes().front().text.startsWith(QStringLiteral("查询数据库时出错。原因:")));

    ASSERT_TRUE(QFile::rename(file + QStringLiteral(".away"), file));
    window.Refresh();
    EXPECT_EQ(selectedKey(window), other.Key());
    EXPECT_EQ(column(window), expectedBills(true, 0, other.Key().mid(2).toInt()));
}

} // namespace
