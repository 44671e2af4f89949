// The price query's window, opened through the host on a PostgreSQL server of its own, while
// that server goes away and comes back: the host tells the clerk once, naming the server, the
// window and its tree stay usable, and once the server is back the next click and refresh list
// the right lines again.
#include "hostapp/app/CommandLineOpen.h"
#include "hostapp/database/PostgresDatabase.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "tests/hostapp/app/LiveHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/PrivatePostgresCluster.h"
#include "tests/testsupport/Screenshots.h"

#include <QAbstractItemView>
#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The bill numbers of a customer's newest lines, worked out on the server over a connection of
// its own (the host's must reconnect by itself).
QStringList billsOnServer(const QString& connection, const QString& customerKey)
{
    return hostsvc::testing::linesOf(hostdb::PostgresDatabase::open(hostdb::ConnectionTarget::parse(connection))->execute(
        QStringLiteral("select b.FBillNo from ICSale b join ICSaleEntry e on e.FInterID = b.FInterID where b.FCustID = %1"
                       " and b.FCancellation = 0 order by b.FDate desc, b.FBillNo desc limit %2")
            .arg(customerKey.mid(2)).arg(hostdb::demo::kTradeTimes)));
}

TEST(ServerRestart, TheClerkIsToldOnceTheWindowStaysUsableAndListsAgainWhenTheServerIsBack)
{
    if (const QString why = testsupport::PrivatePostgresCluster::unavailableReason(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    testsupport::PrivatePostgresCluster cluster;
    ASSERT_FALSE(cluster.connection().isEmpty());
    const hostdb::PostgresServer server = hostdb::ConnectionTarget::parse(cluster.connection()).server;
    hostapptest::LiveHost host(hostdb::demo::kAdminUserId, cluster.connection());
    fakehost::MsgBoxRecorder boxes;
    zelhost::HostOptions options;
    options.open = zelhost::QueryKind::Sales;
    options.view = zelhost::StartView::Partner;
    ASSERT_TRUE(zelhost::openRequestedQuery(options, zelhost::serviceConnection()));
    ASSERT_EQ(host.componentWindows().size(), 1);
    const QPointer<QWidget> window = host.componentWindows().front();
    auto& tree = *window->findChild<controls::TreeView*>("tvwBase");
    auto& ledger = *window->findChild<controls::Ledger50*>("ldgBase");
    QAction& refresh = *window->findChild<QAction*>("refresh");
    auto click = [&](const QString& key) {
        QTest::mouseClick(tree.itemView()->viewport(), Qt::LeftButton, {}, tree.nodeRect(tree.Nodes().Item(key)).center());
    };
    auto expectListed = [&](const QString& key) {
        QStringList shown;
        for (long row = 2; row <= ledger.Rows(); ++row)
            shown << ledger.LedgerCell(row, 10).Text();
        const QStringList bills = billsOnServer(cluster.connection(), key);
        EXPECT_TRUE(!bills.isEmpty() && shown == bills) << key.toStdString() << ": " << shown.join(u' ').toStdString();
    };
    // Two customers right under the root, and a region whose customers are read when it opens.
    const QString retail = QStringLiteral("gb516"), online = QStringLiteral("gb517");
    const controls::Node region = tree.Nodes().Item(QStringLiteral("gi468"));
    click(retail);
    expectListed(retail);

    cluster.pause();
    click(online);
    refresh.trigger();
    click(QStringLiteral("gc0"));  // needs no server
    region.setExpanded(true);      // its customers cannot be read now; the window says nothing of it
    // The host tells of the drop once, naming the server; the window's own boxes are its usual
    // ones for a load that failed. No box shows the password.
    QStringList told;
    for (const win::MsgBoxRequest& box : boxes.boxes()) {
        EXPECT_FALSE(box.text.contains(server.password)) << box.text.toStdString();
        if (box.text.contains(server.displayName()) && box.text.contains("PostgreSQL"))
            told << box.text;
    }
    EXPECT_EQ(told.size(), 1) << boxes.boxes().size() << " boxes";
    EXPECT_EQ(tree.SelectedItem().Key(), QStringLiteral("gc0"));
    testsupport::saveScreenshot(*window, QStringLiteral("server_gone.png"));
    const qsizetype boxesWhileGone = boxes.boxes().size();

    cluster.resume();
    click(online);
    expectListed(online);
    refresh.trigger();
    expectListed(online);
    click(retail);
    expectListed(retail);
    const controls::Node otherRegion = tree.Nodes().Item(QStringLiteral("gi481"));
    otherRegion.setExpanded(true);
    EXPECT_GT(otherRegion.Children(), 0);
    EXPECT_EQ(boxes.boxes().size(), boxesWhileGone);
    EXPECT_TRUE(window && window->isVisible());
}

} // namespace
