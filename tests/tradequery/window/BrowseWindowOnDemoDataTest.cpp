// The browse window end to end on the small demo database with the real host services: the
// partner view and the item view, clicks, refresh, view switches, selecting a material three
// levels down, the title sort, the layout kept across windows and the settings right.
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/HostServices.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tests/testsupport/DemoDatabaseFixture.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/Security.h"
#include "tradequery/window/BrowseBase.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using hostdb::demo::kAdminUserId;

QString screenshotPath(const QString& name)
{
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    dir.mkpath(QStringLiteral("."));
    return dir.absoluteFilePath(name);
}

class BrowseWindowOnDemoData : public ::testing::Test {
protected:
    BrowseWindowOnDemoData()
    {
        tq::testing::resetGLDataObject();
        session.connectString = testsupport::copySmallDemoDatabase(folder.path());
        session.userId = kAdminUserId;
        session.settingsFile = folder.filePath(QStringLiteral("settings.ini"));
        hostsvc::validateLogin(session);
        hostsvc::installHostServices(session);
        samples = hostdb::demo::samples(hostdb::DemoSize::Small);
    }

    ~BrowseWindowOnDemoData() override
    {
        for (tq::BrowseBase* window : windows)
            delete window;
        tq::testing::resetGLDataObject();
        hostsvc::uninstallHostServices();
        hostdb::HostDatabase::closeAll();
    }

    // The FItemID of a code in an item class.
    static int32_t idOf(int itemClass, const QString& number)
    {
        auto rows = tq::CnExecute(QStringLiteral("select FItemID from t_Item where FItemClassID=%1 and FNumber='%2'")
                                      .arg(itemClass)
                                      .arg(number));
        return rows->RecordCount() ? rows->value(QStringLiteral("FItemID")).toInt() : 0;
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

    static QStringList column(tq::BrowseBase& window, long col)
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

    // Clicks the first detail node ("gb") under the tree's groups that is not `except`.
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

    QTemporaryDir folder;
    hostsvc::LoginSession session;
    hostdb::demo::Samples samples;
    QList<tq::BrowseBase*> windows;
};

TEST_F(BrowseWindowOnDemoData, PartnerViewListsTheStartPartner)
{
    const int32_t customer = idOf(hostdb::demo::kClassCustomer, samples.customerNumber);
    ASSERT_NE(customer, 0);
    tq::BrowseBase& window = open(1, 0, customer);
    window.ldgBase().grab();
    window.grab().save(screenshotPath(QStringLiteral("browse_partner_view.png")));

    EXPECT_TRUE(checked(window, "mnuVCompany"));
    EXPECT_TRUE(window.toolbarButton(QStringLiteral("ByCompany"))->isChecked());
    EXPECT_EQ(selectedKey(window), QStringLiteral("gb%1").arg(customer));
    ASSERT_GT(window.ldgBase().Rows(), 1);
    EXPECT_EQ(window.ldgBase().Rows() - 1, hostdb::demo::kTradeTimes);
    EXPECT_EQ(window.statusText(QStringLiteral("Status")), QStringLiteral("就绪"));
    EXPECT_TRUE(window.statusText(QStringLiteral("Passtime")).startsWith(QStringLiteral("取数据时间: ")));
    EXPECT_TRUE(window.browseControls().SSPTitleItem->text().contains(QStringLiteral("共计：50条记录")));
    EXPECT_EQ(window.browseControls().SSPTitleClass->text(), QStringLiteral(" 客户信息"));

    // Another partner; then refresh keeps it.
    const controls::Node other = clickSomeDetail(window, selectedKey(window));
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(window.CompanyID(), other.Key().mid(2).toInt());
    const long rows = window.ldgBase().Rows();
    window.Refresh();
    EXPECT_EQ(window.ldgBase().Rows(), rows);
    EXPECT_EQ(selectedKey(window), other.Key());
}

TEST_F(BrowseWindowOnDemoData, ItemViewFromTheStoredLayout)
{
    tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 2);
    const int32_t item = idOf(hostdb::demo::kClassMaterial, samples.itemNumber);
    ASSERT_NE(item, 0);
    tq::BrowseBase& window = open(1, item, 0);
    window.grab().save(screenshotPath(QStringLiteral("browse_item_view.png")));

    EXPECT_TRUE(checked(window, "mnuVBaseICItem"));
    EXPECT_FALSE(checked(window, "mnuVCompany"));
    EXPECT_EQ(selectedKey(window), QStringLiteral("gb%1").arg(item));
    const QStringList codes = column(window, 1);
    ASSERT_FALSE(codes.isEmpty());
    EXPECT_EQ(codes.count(samples.itemNumber), codes.size());

    // A click on another material lists its history.
    const controls::Node other = clickSomeDetail(window, selectedKey(window));
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(window.ItemID(), other.Key().mid(2).toInt());
    EXPECT_EQ(window.CompanyID(), 0);

    // To the partner view and back: the menu and the buttons follow.
    window.toolbarButton(QStringLiteral("ByCompany"))->trigger();
    EXPECT_TRUE(checked(window, "mnuVCompany"));
    EXPECT_TRUE(window.tvwBase().Nodes().Item(1).Text() == QStringLiteral("客户"));
    const controls::Node partner = clickSomeDetail(window, QString());
    ASSERT_FALSE(partner.isNull());
    EXPECT_EQ(window.CompanyID(), partner.Key().mid(2).toInt());
    window.menuItem(QStringLiteral("mnuVBaseICItem"))->trigger();
    EXPECT_TRUE(checked(window, "mnuVBaseICItem"));
    EXPECT_TRUE(window.toolbarButton(QStringLiteral("ByItem"))->isChecked());
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), QStringLiteral("物料"));
}

TEST_F(BrowseWindowOnDemoData, AMaterialThreeLevelsDownIsSelectedWithItsGroups)
{
    auto rows = tq::CnExecute(QStringLiteral(
        "select t3.FItemID, t3.FNumber from t_Item t3 inner join t_ICItem c on c.FItemID = t3.FItemID "
        "inner join t_Item t2 on t2.FItemID = t3.FParentID inner join t_Item t1 on t1.FItemID = t2.FParentID "
        "where t3.FItemClassID = 4 and t1.FParentID = 0 order by t3.FNumber"));
    ASSERT_GT(rows->RecordCount(), 0) << "the demo classification has three levels";
    const int32_t item = rows->value(QStringLiteral("FItemID")).toInt();
    const QString number = rows->value(QStringLiteral("FNumber")).toString();
    tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 2);
    tq::BrowseBase& window = open(2, item, 0);

    EXPECT_EQ(selectedKey(window), QStringLiteral("gb%1").arg(item));
    const controls::Node selected = window.tvwBase().SelectedItem();
    ASSERT_FALSE(selected.isNull());
    EXPECT_TRUE(selected.Parent().Key().startsWith(QLatin1String("gi")));
    const QStringList codes = column(window, 1);
    EXPECT_EQ(codes.count(number), codes.size());
}

TEST_F(BrowseWindowOnDemoData, TitleSortAndTheLayoutKeptForTheNextWindow)
{
    const int32_t supplier = idOf(hostdb::demo::kClassSupplier, samples.supplierNumber);
    ASSERT_NE(supplier, 0);
    tq::BrowseBase& first = open(2, 0, supplier);
    ASSERT_GT(first.ldgBase().Rows(), 2);

    QHeaderView* titles = first.ldgBase().tableView()->horizontalHeader();
    QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {},
                       QPoint(titles->sectionViewportPosition(9) + 5, 5));
    const QStringList bills = column(first, 10);
    QStringList sorted = bills;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(bills, sorted);
    EXPECT_EQ(first.ledgerObject()->recordset()->Sort(), QStringLiteral("FBillNo ASC"));

    first.ldgBase().LedgerColumn(3).setWidth(2345);
    const QString key = selectedKey(first);
    first.close();
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("tvwKey"), QString()).toString(), key);
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 0).toInt(), 1);

    tq::BrowseBase& second = open(2, 0, supplier);
    EXPECT_EQ(second.ldgBase().LedgerColumn(3).Width(), 2345);
    EXPECT_EQ(second.ldgBase().LedgerColumn(4).Width(), 1200);
}

TEST_F(BrowseWindowOnDemoData, NoTitleSortInTheItemViewWithTheBatchSort)
{
    tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 2);
    tq::SaveLayoutSetting(QStringLiteral("blBatchSort"), 1);
    const int32_t item = idOf(hostdb::demo::kClassMaterial, samples.itemNumber);
    tq::BrowseBase& window = open(1, item, 0);
    ASSERT_GT(window.ldgBase().Rows(), 2);
    const QStringList before = column(window, 10);
    QHeaderView* titles = window.ldgBase().tableView()->horizontalHeader();
    QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {},
                       QPoint(titles->sectionViewportPosition(9) + 5, 5));
    EXPECT_EQ(window.ledgerObject()->recordset()->Sort(), QString());
    EXPECT_EQ(column(window, 10), before);

    // The batch sort travels unchanged to the stored layout.
    window.close();
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("blBatchSort"), 0).toInt(), 1);
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 0).toInt(), 2);
}

TEST_F(BrowseWindowOnDemoData, AUserWithoutTheSettingsRightIsTold)
{
    session.userId = hostdb::demo::kSalesClerkUserId;
    hostsvc::validateLogin(session);
    hostsvc::installHostServices(session);
    tq::BrowseBase& window = open(1, 0, 0);
    fakehost::MsgBoxRecorder boxes;
    window.menuItem(QStringLiteral("mnuProperty"))->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("您没有客户历史销售价格查询设置的权限"));
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("系统提示"));
}

} // namespace

// The database goes away while the window is open (its file moved, the host's connections
// dropped): a click reports the failed query, changes nothing on the ledger and leaves the
// window usable; once the file is back, a refresh lists the clicked partner.
TEST_F(BrowseWindowOnDemoData, ADatabaseThatGoesAwayComesBackAtTheNextRefresh)
{
    const int32_t customer = idOf(hostdb::demo::kClassCustomer, samples.customerNumber);
    tq::BrowseBase& window = open(1, 0, customer);
    const QStringList before = column(window, 6);
    ASSERT_FALSE(before.isEmpty());

    fakehost::MsgBoxRecorder boxes;
    hostdb::HostDatabase::closeAll();
    const QString away = session.connectString + QStringLiteral(".away");
    ASSERT_TRUE(QFile::rename(session.connectString, away));

    const controls::Node other = clickSomeDetail(window, selectedKey(window));
    ASSERT_FALSE(other.isNull());
    EXPECT_EQ(column(window, 6), before) << "the ledger keeps what it showed";
    EXPECT_EQ(window.statusText(QStringLiteral("Status")), QStringLiteral("就绪"));
    // The statement cannot be built without the database, so the load that follows reports
    // the failed query in the window's own words.
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes().front().text.startsWith(QStringLiteral("查询数据库时出错。原因:")));

    ASSERT_TRUE(QFile::rename(away, session.connectString));
    window.Refresh();
    EXPECT_EQ(selectedKey(window), other.Key());
    ASSERT_GT(window.ldgBase().Rows(), 1);
    const QString otherName = other.Text().section(QLatin1Char('('), 1).chopped(1);
    EXPECT_EQ(column(window, 6).count(otherName), window.ldgBase().Rows() - 1);
}
