// Closing the browse window keeps what the user arranged: the column widths of the view shown
// and the four layout values; a new window gets the widths back. A settings store that fails
// does not keep the other steps from running.
#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/history/BaseDetail.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

const QString section = QStringLiteral("ComTradeQuery");

class BrowseUnloadTest : public ::testing::Test {
protected:
    // A window with an 18-column ledger whose column k is 100 * k twips wide.
    static void arrangeColumns(tq::BrowseBase& window)
    {
        window.ldgBase().LedgerGrid().setColCount(18);
        for (long k = 1; k <= 18; ++k)
            window.ldgBase().LedgerColumn(k).setWidth(100 * k + 600);
    }

    QVariant stored(const char* key) const
    {
        return const_cast<fakehost::FakeHost&>(host).settingsStore().stored(section, QLatin1String(key));
    }

    fakehost::FakeHost host;
};

TEST_F(BrowseUnloadTest, ClosingSavesTheLayoutValuesAndTheWidths)
{
    browsetest::TestWindow window(1);
    window.selectNode(QStringLiteral("gb12"));
    arrangeColumns(*window);
    window->setShowViewBy(true);
    window->toolbarButton(QStringLiteral("ByCompany"))->setChecked(true);
    window->setAppliedFontSize(10.5);
    window->setLedgerObject(std::make_unique<tq::BaseDetail>());

    window->close();

    EXPECT_EQ(stored("tvwKey").toString(), QStringLiteral("gb12"));
    EXPECT_EQ(stored("ShowViewBy"), QVariant(true));
    EXPECT_EQ(stored("blBatchSort").toInt(), 0);
    EXPECT_EQ(stored("ByCompany").toInt(), 1);
    // The partner view is shown: its widths, as single-precision numbers.
    for (long k = 1; k <= 18; ++k) {
        const QVariant width = stored(qPrintable(QStringLiteral("SupplyCol%1").arg(k)));
        EXPECT_EQ(width.typeId(), QMetaType::Float) << k;
        EXPECT_EQ(width.toDouble(), 100.0 * k + 600) << k;
    }
    EXPECT_FALSE(host.settingsStore().contains(section, QStringLiteral("ICItemCol1")));
    EXPECT_EQ(window->AppliedFontSize(), 0);
    EXPECT_EQ(window->ledgerObject(), nullptr);

    // Closing again runs nothing twice.
    host.log().clear();
    window->close();
    EXPECT_TRUE(host.log().callsTo(QStringLiteral("SettingsStore")).isEmpty());
}

TEST_F(BrowseUnloadTest, TheItemViewStoresItsOwnWidthsAndAButtonNotPressedStoresTwo)
{
    browsetest::TestWindow window(2);
    arrangeColumns(*window);
    window->menuItem(QStringLiteral("mnuVBaseICItem"))->setChecked(true);
    window->menuItem(QStringLiteral("mnuVCompany"))->setChecked(false);
    window->close();
    EXPECT_EQ(stored("ByCompany").toInt(), 2);
    EXPECT_EQ(stored("tvwKey").toString(), QString());
    EXPECT_EQ(stored("ICItemCol18").toDouble(), 2400.0);
    EXPECT_FALSE(host.settingsStore().contains(section, QStringLiteral("SupplyCol18")));
}

TEST_F(BrowseUnloadTest, ANewWindowRestoresTheWidthsOfItsView)
{
    host.settingsStore().put(section, QStringLiteral("SupplyCol1"), 2000.0F);
    host.settingsStore().put(section, QStringLiteral("SupplyCol2"), 777.0F);
    host.settingsStore().put(section, QStringLiteral("ICItemCol1"), 3000.0F);
    browsetest::TestWindow window(1);
    window->ldgBase().LedgerGrid().setColCount(18);

    window->RestoreColumnWidths();
    EXPECT_EQ(window->ldgBase().LedgerColumn(1).Width(), 2000);
    EXPECT_EQ(window->ldgBase().LedgerColumn(2).Width(), 777);
    // Never saved: 1200 twips.
    EXPECT_EQ(window->ldgBase().LedgerColumn(3).Width(), 1200);

    window->menuItem(QStringLiteral("mnuVBaseICItem"))->setChecked(true);
    window->RestoreColumnWidths();
    EXPECT_EQ(window->ldgBase().LedgerColumn(1).Width(), 3000);
    EXPECT_EQ(window->ldgBase().LedgerColumn(2).Width(), 1200);
}

TEST_F(BrowseUnloadTest, ASettingsStoreThatFailsDoesNotStopTheOtherSteps)
{
    host.settingsStore().failures().fail(QStringLiteral("Save"),
                                         com::ComError(0x80004005, QStringLiteral("SettingsStore"),
                                                       QStringLiteral("磁盘已满")));
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
    EXPECT_EQ(keys.first(), QStringLiteral("SupplyCol1"));
    EXPECT_EQ(keys.mid(18), (QStringList{"tvwKey", "ShowViewBy", "blBatchSort", "ByCompany"}));
    EXPECT_EQ(window->ledgerObject(), nullptr);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
