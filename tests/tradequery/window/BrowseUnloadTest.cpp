// Closing the browse window keeps what the user arranged: the column widths of the view shown
// and the four layout values; a new window gets the widths of its view back. A settings store
// that fails does not keep the other steps from running.
#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/history/BaseDetail.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

const QString kSection = QStringLiteral("ComTradeQuery");

class BrowseUnloadTest : public ::testing::Test {
protected:
    // An 18-column ledger whose column k is 100 * k + 600 twips wide.
    static void arrangeColumns(tq::BrowseBase& window)
    {
        window.ldgBase().LedgerGrid().setColCount(18);
        for (long k = 1; k <= 18; ++k)
            window.ldgBase().LedgerColumn(k).setWidth(100 * k + 600);
    }
    QVariant stored(const QString& key) { return host.settingsStore().stored(kSection, key); }

    fakehost::FakeHost host;
};

TEST_F(BrowseUnloadTest, ClosingSavesTheLayoutValuesAndTheWidthsOfTheViewShown)
{
    browsetest::TestWindow window(1);
    window.selectNode(QStringLiteral("gb12"));
    arrangeColumns(*window);
    window->setShowViewBy(true);
    window->toolbarButton(QStringLiteral("ByCompany"))->setChecked(true);
    window->setLedgerObject(std::make_unique<tq::BaseDetail>());
    window->close();

    EXPECT_EQ(stored("tvwKey").toString(), QStringLiteral("gb12"));
    EXPECT_EQ(stored("ShowViewBy"), QVariant(true));
    EXPECT_EQ(stored("blBatchSort").toInt(), 0);
    EXPECT_EQ(stored("ByCompany").toInt(), 1);
    for (long k = 1; k <= 18; ++k) {
        const QVariant width = stored(QStringLiteral("SupplyCol%1").arg(k));
        EXPECT_EQ(width.typeId(), QMetaType::Float) << k;  // single precision, as the host keeps it
        EXPECT_EQ(width.toDouble(), 100.0 * k + 600) << k;
    }
    EXPECT_FALSE(host.settingsStore().contains(kSection, QStringLiteral("ICItemCol1")));
    EXPECT_EQ(window->ledgerObject(), nullptr);

    host.log().clear();
    window->close();
    EXPECT_TRUE(host.log().callsTo(QStringLiteral("SettingsStore")).isEmpty()) << "closing again runs nothing twice";

    // The item view keeps its own widths; no button pressed stores the item view.
    browsetest::TestWindow items(2);
    arrangeColumns(*items);
    items->menuItem(QStringLiteral("mnuVBaseICItem"))->setChecked(true);
    items->menuItem(QStringLiteral("mnuVCompany"))->setChecked(false);
    items->close();
    EXPECT_EQ(stored("ByCompany").toInt(), 2);
    EXPECT_EQ(stored("tvwKey").toString(), QString());
    EXPECT_EQ(stored("ICItemCol18").toDouble(), 2400.0);
}

TEST_F(BrowseUnloadTest, ANewWindowRestoresTheWidthsOfItsView)
{
    host.settingsStore().put(kSection, QStringLiteral("SupplyCol1"), 2000.0F);
    host.settingsStore().put(kSection, QStringLiteral("ICItemCol1"), 3000.0F);
    browsetest::TestWindow window(1);
    window->ldgBase().LedgerGrid().setColCount(18);
    window->RestoreColumnWidths();
    EXPECT_EQ(window->ldgBase().LedgerColumn(1).Width(), 2000);
    EXPECT_EQ(window->ldgBase().LedgerColumn(2).Width(), 1200) << "never saved: 1200 twips";

    window->menuItem(QStringLiteral("mnuVBaseICItem"))->setChecked(true);
    window->RestoreColumnWidths();
    EXPECT_EQ(window->ldgBase().LedgerColumn(1).Width(), 3000);
}

TEST_F(BrowseUnloadTest, ASettingsStoreThatFailsDoesNotStopTheOtherSteps)
{
    host.settingsStore().failures().fail(
        QStringLiteral("Save"), com::ComError(0x80004005, QStringLiteral("SettingsStore"), QStringLiteral("磁盘已满")));
    browsetest::TestWindow window(1);
    window.selectNode(QStringLiteral("gb3"));
    arrangeColumns(*window);
    window->setLedgerObject(std::make_unique<tq::BaseDetail>());
    host.log().clear();
    window->close();

    QStringList keys;
    for (const fakehost::Call& call : host.log().callsTo(QStringLiteral("SettingsStore"), QStringLiteral("Save")))
        keys << call.args.value(1).toString();
    ASSERT_EQ(keys.size(), 18 + 4);
    EXPECT_EQ(keys.mid(18), (QStringList{"tvwKey", "ShowViewBy", "blBatchSort", "ByCompany"}));
    EXPECT_EQ(window->ledgerObject(), nullptr);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
