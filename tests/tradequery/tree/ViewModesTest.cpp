// The start-up view setting and the view commands against a fake host: the layout values it
// reads, the captions of the supplier flavour, and start-up going on past failing steps.
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/controls/TreeView.h"
#include "tests/testsupport/FakeBrowseWindow.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/tree/tvwBuilder.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

const QString kSection = QStringLiteral("ComTradeQuery");

TEST(ViewModes, StoredLayoutValuesChooseTheView)
{
    struct Case {
        QVariant byCompany;  // invalid: nothing stored
        QVariant blBatchSort;
        QVariant showViewBy;
        bool itemView;
        bool batchSort;
        bool shownBy;
    } cases[] = {
        {QVariant(), QVariant(), QVariant(), false, false, false},
        {2, 1, "True", true, true, true},
        {"2", "0", "-1", true, false, true},
        {7, 2, "nonsense", false, false, false},  // values the window never writes read as the partner view
        {1, QVariant(), false, false, false, false},
    };
    for (const Case& c : cases) {
        fakehost::FakeHost host;
        if (c.byCompany.isValid())
            host.settingsStore().put(kSection, "ByCompany", c.byCompany);
        if (c.blBatchSort.isValid())
            host.settingsStore().put(kSection, "blBatchSort", c.blBatchSort);
        if (c.showViewBy.isValid())
            host.settingsStore().put(kSection, "ShowViewBy", c.showViewBy);
        testsupport::FakeBrowseWindow window(2);
        window.viewModes().StartUp();

        SCOPED_TRACE(c.byCompany.toString().toStdString());
        EXPECT_EQ(window.menuItem("mnuVBaseICItem")->isChecked(), c.itemView);
        EXPECT_EQ(window.menuItem("mnuVCompany")->isChecked(), !c.itemView);
        EXPECT_EQ(window.toolbarButton("ByItem")->isChecked(), c.itemView);
        EXPECT_EQ(window.toolbarButton("ByCompany")->isChecked(), !c.itemView);
        EXPECT_EQ(window.treeBuilder()->BICItem, c.itemView);
        EXPECT_EQ(window.treeBuilder()->mByCompany, c.itemView ? 2 : 1);
        EXPECT_EQ(window.treeBuilder()->blBatchSort, c.batchSort);
        EXPECT_EQ(window.ShowViewBy(), c.shownBy);
        EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), c.itemView ? "物料" : "供应商");
        // The supplier flavour's captions.
        EXPECT_EQ(window.menuItem("mnuVCompany")->text(), "按供应商分类查询(&C)");
        EXPECT_EQ(window.toolbarButton("ByCompany")->text(), "供应商");
        EXPECT_EQ(window.toolbarButton("ByCompany")->toolTip(), "供应商历史采购价格查询");
    }
}

TEST(ViewModes, StartUpGoesOnPastFailingSteps)
{
    fakehost::FakeHost host;
    // The ledger object cannot be made: the host's profile fails.
    host.systemProfile().failures().fail("GetProfile", com::ComError(-1, "profile", "down"));
    testsupport::FakeBrowseWindow window(1);
    window.viewModes().StartUp();

    EXPECT_EQ(window.ledgerObject(), nullptr);
    ASSERT_NE(window.treeBuilder(), nullptr);
    EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), "客户");
    EXPECT_EQ(window.ldgBase().LedgerGrid().RowHeight(), 240);
    EXPECT_EQ(window.ldgBase().LedgerGrid().BackColor(), 0xFFFFFF);
    EXPECT_NE(window.ldgBase().LedgerGrid().Option(controls::Ledger50Grid::OPTION_ROW_SELECT), 0);
    EXPECT_EQ(window.calls(), (QStringList{"RestoreColumnWidths", "Refresh"}));
    EXPECT_EQ(window.statusText("Status"), "就绪");
}

TEST(ViewModes, CommandForTheViewShownOnlyPressesItsButton)
{
    fakehost::FakeHost host;
    testsupport::FakeBrowseWindow window(1);
    window.viewModes().StartUp();  // partner view
    host.log().clear();
    window.clearCalls();
    window.toolbarButton("ByCompany")->setChecked(false);
    window.viewModes().ShowPartnerView();
    EXPECT_TRUE(window.toolbarButton("ByCompany")->isChecked());
    EXPECT_TRUE(host.sqlSent().isEmpty());
    EXPECT_EQ(window.calls(), QStringList{"ResetQuickSearchPosition"});

    // The real switch enables sorting and rebuilds.
    window.menuItem("mnuView_Sort")->setEnabled(false);
    window.viewModes().ShowItemView();
    window.viewModes().ShowPartnerView();
    EXPECT_TRUE(window.menuItem("mnuView_Sort")->isEnabled());
    EXPECT_EQ(host.sqlSent().count(tq::tvwBuilder::itemTreeStatement()), 1);
    EXPECT_EQ(host.sqlSent().count(tq::tvwBuilder::partnerTreeStatement(1, QString())), 1);
}

} // namespace
