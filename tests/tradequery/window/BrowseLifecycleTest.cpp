// The browse window's life: loading titles the flavour, starts the view once and applies the
// stored grid font; closing keeps what the user arranged (the column widths of the view shown
// and the four layout values), even past a failing settings store, and a new window gets the
// widths of its view back.
#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/window/GridFont.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

TEST(BrowseBase, LoadTitlesTheFlavourAndStartsTheViewOnce)
{
    fakehost::FakeHost host;
    for (const auto& [queryType, title] : {std::pair{1, QStringLiteral("客户历史价格查询")},
                                           std::pair{0, QStringLiteral("供应商历史价格查询")}}) {
        browsetest::TestWindow window(queryType);
        // Loading again changes nothing, even when the properties changed in between.
        window->setQueryType(queryType == 1 ? 0 : 1);
        window->Load();
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_EQ(window.treeCalls, QStringList{"StartUp"});
    }
}

TEST(BrowseBase, TheStoredGridFontIsAppliedToLedgerAndTreeAndAnUnreadablePartIsSkipped)
{
    fakehost::FakeHost host;
    host.userProfiles().setSection(
        QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase"),
        {{QStringLiteral("GridFont"), QStringLiteral("FontName=Noto Sans CJK SC|FontSize=14|FontBold=True|FontItalic=False|")}});
    browsetest::TestWindow window(1);
    const QFont font = window->ldgBase().font();
    EXPECT_EQ(font.family(), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(font.pointSizeF(), 14.0);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(window->tvwBase().font(), font);

    const QFont damaged = tq::GridFontFromProfile(QStringLiteral("FontName=Noto Serif CJK SC|FontBold=maybe|"), QFont());
    EXPECT_EQ(damaged.family(), QStringLiteral("Noto Serif CJK SC"));
    EXPECT_FALSE(damaged.bold());
}

class BrowseUnloadTest : public ::testing::Test {
protected:
    // An 18-column ledger whose column k is 100 * k + 600 twips wide, with a ledger object.
    static void arrange(tq::BrowseBase& window)
    {
        window.ldgBase().LedgerGrid().setColCount(18);
        for (long k = 1; k <= 18; ++k)
            window.ldgBase().LedgerColumn(k).setWidth(100 * k + 600);
        window.setLedgerObject(std::make_unique<tq::BaseDetail>());
    }
    QVariant stored(const QString& key) { return host.settingsStore().stored(QStringLiteral("ComTradeQuery"), key); }

    fakehost::FakeHost host;
};

TEST_F(BrowseUnloadTest, ClosingSavesTheLayoutValuesAndTheWidthsOfTheViewShown)
{
    browsetest::TestWindow window(1);
    window.selectNode(QStringLiteral("gb12"));
    arrange(*window);
    window->setShowViewBy(true);
    window->toolbarButton(QStringLiteral("ByCompany"))->setChecked(true);
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
    EXPECT_FALSE(stored("ICItemCol1").isValid());
    EXPECT_EQ(window->ledgerObject(), nullptr);

    host.log().clear();
    window->close();
    EXPECT_TRUE(host.log().callsTo(QStringLiteral("SettingsStore")).isEmpty()) << "closing again runs nothing twice";

    // The item view keeps its own widths; no button pressed stores the item view.
    browsetest::TestWindow items(2);
    arrange(*items);
    items->menuItem(QStringLiteral("mnuVBaseICItem"))->setChecked(true);
    items->menuItem(QStringLiteral("mnuVCompany"))->setChecked(false);
    items->close();
    EXPECT_EQ(stored("ByCompany").toInt(), 2);
    EXPECT_EQ(stored("tvwKey").toString(), QString());
    EXPECT_EQ(stored("ICItemCol18").toDouble(), 2400.0);
}

TEST_F(BrowseUnloadTest, ANewWindowRestoresTheWidthsOfItsView)
{
    host.settingsStore().put(QStringLiteral("ComTradeQuery"), QStringLiteral("SupplyCol1"), 2000.0F);
    host.settingsStore().put(QStringLiteral("ComTradeQuery"), QStringLiteral("ICItemCol1"), 3000.0F);
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
    host.settingsStore().failures().fail(QStringLiteral("Save"), com::ComError(0x80004005, "SettingsStore", "磁盘已满"));
    browsetest::TestWindow window(1);
    arrange(*window);
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
