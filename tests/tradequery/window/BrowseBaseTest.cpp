// The browse window as the query component drives it: properties set by name, the title of
// each flavour and the start-up view run once when loaded, the grid font from the user's
// profile, and unloading.
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "platform/hostapi/ObjectValue.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/window/WindowLifecycle.h"

#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

class Marker : public com::ComObject {};

TEST(BrowseBase, PropertiesSetByName)
{
    tq::BrowseBase window;
    auto filter = std::make_shared<Marker>();
    EXPECT_TRUE(window.setProperty("QueryType", 1));
    EXPECT_TRUE(window.setProperty("ItemID", 123));
    EXPECT_TRUE(window.setProperty("CompanyID", 45));
    EXPECT_TRUE(window.setProperty("Filter", hostapi::objectValue(filter)));
    EXPECT_EQ(window.queryType(), 1);
    EXPECT_EQ(window.itemID(), 123);
    EXPECT_EQ(window.companyID(), 45);
    EXPECT_EQ(window.filter(), filter);
}

TEST(BrowseBase, LoadTitlesTheFlavourAndStartsTheViewOnce)
{
    fakehost::FakeHost host;
    for (const auto& [queryType, title] : {std::pair{1, QStringLiteral("客户历史价格查询")},
                                           std::pair{0, QStringLiteral("供应商历史价格查询")},
                                           std::pair{2, QStringLiteral("供应商历史价格查询")}}) {
        browsetest::TestWindow window(queryType, false);
        EXPECT_TRUE(window->windowTitle().isEmpty());
        window->Load();
        EXPECT_TRUE(window->isLoaded());
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_EQ(window.treeCalls, QStringList{"StartUp"});

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
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(window->tvwBase().font(), font);

    const QFont damaged = tq::GridFontFromProfile(QStringLiteral("FontName=Noto Serif CJK SC|FontBold=maybe|"), QFont());
    EXPECT_EQ(damaged.family(), QStringLiteral("Noto Serif CJK SC"));
    EXPECT_FALSE(damaged.bold());
}

TEST(BrowseBase, UnloadClosesAndReleasesTheWindow)
{
    fakehost::FakeHost host;
    QPointer<tq::BrowseBase> window = new tq::BrowseBase;
    window->Load();
    window->show();
    window->Unload();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
}

} // namespace
