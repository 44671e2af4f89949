// The tree on the small demo database with the real host services, as a user meets it: the
// start-up in each view, clicks on materials, partners, groups and the root, and switching
// views. Expected ledger sizes are counted straight from the database file with sqlite3.
#include "hostapp/database/DemoData.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "tests/hostapp/services/InstalledServices.h"
#include "tests/testsupport/FakeBrowseWindow.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/tree/tvwBuilder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// One number from the demo file, asked without the host's adapter.
qint64 scalar(const QString& sql)
{
    sqlite3* db = nullptr;
    qint64 value = -1;
    if (sqlite3_open_v2(testsupport::smallDemoDatabase().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK
            && sqlite3_step(statement) == SQLITE_ROW)
            value = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return value;
}

qint64 idOf(const QString& number, int itemClass)
{
    return scalar(QStringLiteral("select FItemID from t_Item where FNumber='%1' and FItemClassID=%2").arg(number).arg(itemClass));
}

qint64 parentOf(qint64 id)
{
    return scalar(QStringLiteral("select FParentID from t_Item where FItemID=%1").arg(id));
}

qint64 salesLinesOfItem(qint64 itemId)
{
    return scalar(QStringLiteral("select count(*) from ICSale u1 join ICSaleEntry u2 on u1.FInterID=u2.FInterID "
                                 "where u1.FCancellation=0 and u2.FItemID=%1")
                      .arg(itemId));
}

qint64 salesLinesOfCustomer(qint64 customerId)
{
    return scalar(QStringLiteral("select count(*) from ICSale u1 join ICSaleEntry u2 on u1.FInterID=u2.FInterID "
                                 "where u1.FCancellation=0 and u1.FCustID=%1")
                      .arg(customerId));
}

// A material two levels or more below the root with fewer lines than the options list.
qint64 quietMaterialDeepDown()
{
    return scalar(QStringLiteral(
        "select u2.FItemID from ICSale u1 join ICSaleEntry u2 on u1.FInterID=u2.FInterID "
        "join t_Item i on i.FItemID=u2.FItemID join t_Item p on p.FItemID=i.FParentID "
        "where u1.FCancellation=0 and p.FParentID<>0 group by u2.FItemID having count(*) between 2 and %1 "
        "order by u2.FItemID limit 1")
                      .arg(hostdb::demo::kTradeTimes - 1));
}

long expectedRows(qint64 lines)
{
    return static_cast<long>(std::min<qint64>(lines, hostdb::demo::kTradeTimes)) + 1;
}

void saveScreenshot(QWidget& window, const QString& name)
{
    // build/bin/test_tradequery -> build/screenshots
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(dir);
    // The tree fits its column to the texts on a timer: let it run before taking the picture.
    window.show();
    QTest::qWait(50);
    window.grab().save(QStringLiteral("%1/%2.png").arg(dir, name));
}

class TreeOnDemoDatabase : public ::testing::Test {
protected:
    long ledgerRows(testsupport::FakeBrowseWindow& w) { return w.ldgBase().LedgerGrid().RowCount(); }
    QString selectedKey(testsupport::FakeBrowseWindow& w)
    {
        const controls::Node node = w.tvwBase().SelectedItem();
        return node.isNull() ? QString() : node.Key();
    }

    hostsvc::testing::InstalledServices services;
    const hostdb::demo::Samples samples = hostdb::demo::samples(hostdb::DemoSize::Small);
};

TEST_F(TreeOnDemoDatabase, FirstStartShowsThePartnerView)
{
    const qint64 customer = idOf(samples.customerNumber, 1);
    ASSERT_GT(customer, 0);
    testsupport::FakeBrowseWindow window(1, 0, static_cast<int32_t>(customer));
    window.viewModes().StartUp();

    EXPECT_TRUE(window.menuItem("mnuVCompany")->isChecked());
    EXPECT_FALSE(window.menuItem("mnuVBaseICItem")->isChecked());
    EXPECT_TRUE(window.toolbarButton("ByCompany")->isChecked());
    EXPECT_FALSE(window.toolbarButton("ByItem")->isChecked());
    EXPECT_TRUE(window.toolbarButton("Sort")->isEnabled());
    EXPECT_EQ(window.menuItem("mnuVCompany")->text(), "按客户分类查询(&C)");
    EXPECT_EQ(window.toolbarButton("ByCompany")->text(), "客户");
    EXPECT_EQ(window.toolbarButton("ByCompany")->statusTip(), "客户");
    EXPECT_EQ(window.toolbarButton("ByCompany")->toolTip(), "客户历史销售价格查询");
    EXPECT_EQ(window.treeBuilder()->mByCompany, 1);
    EXPECT_FALSE(window.treeBuilder()->BICItem);
    EXPECT_FALSE(window.treeBuilder()->blBatchSort);
    EXPECT_EQ(window.queryOptions().TradeTimes, hostdb::demo::kTradeTimes);
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), "客户");
    EXPECT_EQ(window.ldgBase().LedgerGrid().ColCount(), 18);
    EXPECT_EQ(window.ldgBase().LedgerGrid().RowHeight(), 240);

    EXPECT_EQ(selectedKey(window), "gb" + QString::number(customer));
    EXPECT_EQ(ledgerRows(window), expectedRows(salesLinesOfCustomer(customer)));
    EXPECT_EQ(window.calls().mid(window.calls().indexOf("RestoreColumnWidths")),
              (QStringList{"RestoreColumnWidths", "Refresh", "ShowCurrentRowPrice"}));
    EXPECT_EQ(window.statusText("Status"), "就绪");
    EXPECT_TRUE(window.statusText("Passtime").startsWith("取数据时间: "));
    EXPECT_TRUE(window.titleItem().endsWith(QStringLiteral("的物料信息--共计：%1条记录").arg(ledgerRows(window) - 1)));
    saveScreenshot(window, "tree-partner-view");
}

TEST_F(TreeOnDemoDatabase, StoredItemViewStartsOnTheHostsItem)
{
    tq::SaveLayoutSetting("ByCompany", 2);
    tq::SaveLayoutSetting("blBatchSort", 1);
    const qint64 item = quietMaterialDeepDown();
    ASSERT_GT(item, 0);
    testsupport::FakeBrowseWindow window(1, static_cast<int32_t>(item), 0);
    window.viewModes().StartUp();

    EXPECT_TRUE(window.menuItem("mnuVBaseICItem")->isChecked());
    EXPECT_TRUE(window.toolbarButton("ByItem")->isChecked());
    EXPECT_FALSE(window.toolbarButton("ByCompany")->isChecked());
    EXPECT_TRUE(window.treeBuilder()->BICItem);
    EXPECT_TRUE(window.treeBuilder()->blBatchSort);
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), "物料");
    EXPECT_EQ(selectedKey(window), "gb" + QString::number(item));
    EXPECT_EQ(window.tvwBase().SelectedItem().Parent().Key(), "gi" + QString::number(parentOf(item)));
    EXPECT_EQ(ledgerRows(window), expectedRows(salesLinesOfItem(item)));
    EXPECT_EQ(window.titleClass(), "物料信息");
    saveScreenshot(window, "tree-item-view");

    // The popular item lists as many lines as the options allow.
    const qint64 popular = idOf(samples.itemNumber, 4);
    int32_t id = static_cast<int32_t>(popular);
    window.navigation().SelectNodeById(id);
    EXPECT_EQ(selectedKey(window), "gb" + QString::number(popular));
    EXPECT_EQ(ledgerRows(window), hostdb::demo::kTradeTimes + 1);

    // The root empties the ledger.
    window.navigation().NodeClick(window.tvwBase().Nodes().Item(1));
    EXPECT_EQ(ledgerRows(window), 1);
    EXPECT_EQ(window.statusText("Info"), "");
    EXPECT_EQ(window.titleItem(), "[物料]  的 客户信息--共计：0条记录");
}

TEST_F(TreeOnDemoDatabase, SwitchingViewsRebuildsAndComesBackToTheGroup)
{
    tq::SaveLayoutSetting("ByCompany", 2);
    const qint64 item = quietMaterialDeepDown();
    const qint64 group = parentOf(item);
    const qint64 otherGroup = parentOf(group);  // a group above, clicked last in the item view
    testsupport::FakeBrowseWindow window(1, static_cast<int32_t>(item), 0);
    window.viewModes().StartUp();
    ASSERT_EQ(selectedKey(window), "gb" + QString::number(item));

    controls::Node clicked = window.tvwBase().Nodes().Item("gi" + QString::number(otherGroup));
    const int clickedIndex = clicked.Index();
    const QString clickedText = clicked.Text();
    window.tvwBase().setSelectedItem(clicked);
    window.navigation().NodeClick(clicked);
    EXPECT_EQ(window.navigation().ItemClassNodeIndex(), clickedIndex);

    // Choosing the view already shown changes nothing.
    window.clearCalls();
    window.toolbarButton("ByItem")->setChecked(false);  // the user's click let go of the button
    window.viewModes().ShowItemView();
    EXPECT_TRUE(window.toolbarButton("ByItem")->isChecked());
    EXPECT_EQ(window.calls(), QStringList{"ResetQuickSearchPosition"});
    EXPECT_EQ(selectedKey(window), "gi" + QString::number(otherGroup));

    window.viewModes().ShowPartnerView();
    EXPECT_TRUE(window.menuItem("mnuVCompany")->isChecked());
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), "客户");
    EXPECT_EQ(selectedKey(window), "gc0");
    EXPECT_EQ(window.titleClass(), " 客户信息");
    EXPECT_EQ(window.titleItem(), "[客户]  的 客户 信息 --共计：0条记录");
    EXPECT_FALSE(window.ShowViewBy());
    EXPECT_EQ(window.calls(), (QStringList{"ResetQuickSearchPosition", "ResetQuickSearchPosition", "SaveColumnWidths",
                                           "RestoreColumnWidths"}));

    // A partner clicked in between: the item view does not go back to the item.
    const qint64 customer = idOf(samples.customerNumber, 1);
    int32_t customerId = static_cast<int32_t>(customer);
    window.navigation().SelectNodeById(customerId);
    EXPECT_EQ(window.ItemID(), 0);
    EXPECT_EQ(ledgerRows(window), expectedRows(salesLinesOfCustomer(customer)));

    window.viewModes().ShowItemView();
    EXPECT_TRUE(window.menuItem("mnuVBaseICItem")->isChecked());
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), "物料");
    EXPECT_EQ(selectedKey(window), "gi" + QString::number(otherGroup));
    EXPECT_EQ(window.navigation().ItemClassNodeIndex(), clickedIndex);
    EXPECT_EQ(ledgerRows(window), 1);
    EXPECT_EQ(window.titleItem(), "[" + clickedText + "]  的物料信息 --共计：0条记录");
    EXPECT_TRUE(window.ShowViewBy());
    // The rebuild threw away the item loaded under its group before.
    EXPECT_FALSE(window.tvwBase().Nodes().Exists("gb" + QString::number(item)));
    saveScreenshot(window, "tree-item-view-after-switch");
}

} // namespace
