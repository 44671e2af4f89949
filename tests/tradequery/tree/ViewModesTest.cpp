// The start-up view setting and the view commands against a fake host: the layout values it
// reads and start-up going on past failing steps.
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
        {7, 2, "nonsense", false, false, false},  // values the window never writes read as the partner view
        {1, QVariant(), false, false, false, false},
    };
    for (const Case& c : cases) {
        fakehost::FakeHost host;
        const std::pair<const char*, QVariant> stored[] = {
            {"ByCompany", c.byCompany}, {"blBatchSort", c.blBatchSort}, {"ShowViewBy", c.showViewBy}};
        for (const auto& [key, value] : stored) {
            if (value.isValid())
                host.settingsStore().put(kSection, key, value);
        }
        testsupport::FakeBrowseWindow window(2);
        window.viewModes().StartUp();

        SCOPED_TRACE(c.byCompany.toString().toStdString());
        EXPECT_EQ(window.menuItem("mnuVBaseICItem")->isChecked(), c.itemView);
        EXPECT_EQ(window.toolbarButton("ByCompany")->isChecked(), !c.itemView);
        EXPECT_EQ(window.treeBuilder()->blBatchSort, c.batchSort);
        EXPECT_EQ(window.ShowViewBy(), c.shownBy);
        EXPECT_EQ(window.tvwBase().Nodes().Item(1).Text(), c.itemView ? "物料" : "供应商");
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
    EXPECT_EQ(window.calls(), (QStringList{"RestoreColumnWidths", "Refresh"}));
}

TEST(ViewModes, ASwitchEnablesSortingAndRebuildsTheTree)
{
    fakehost::FakeHost host;
    testsupport::FakeBrowseWindow window(1);
    window.viewModes().StartUp();  // partner view
    host.log().clear();
    window.menuItem("mnuView_Sort")->setEnabled(false);
    window.viewModes().ShowItemView();
    window.viewModes().ShowPartnerView();
    EXPECT_TRUE(window.menuItem("mnuView_Sort")->isEnabled());
    EXPECT_EQ(host.sqlSent().count(tq::tvwBuilder::itemTreeStatement()), 1);
    EXPECT_EQ(host.sqlSent().count(tq::tvwBuilder::partnerTreeStatement(1, QString())), 1);
}

} // namespace
