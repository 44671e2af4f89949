// The browse window as the query component drives it: properties set by name, the title of
// each flavour, loading and unloading, and the library kept in use while it lives.
#include "platform/hostapi/ObjectValue.h"
#include "tradequery/window/ServerReferences.h"
#include "tradequery/window/BrowseBase.h"

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
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.objectName(), QStringLiteral("BrowseBase"));
}

TEST(BrowseBase, TitleOfEachFlavourIsSetWhenLoaded)
{
    for (const auto& [queryType, title] : {std::pair{1, QStringLiteral("客户历史价格查询")},
                                           std::pair{0, QStringLiteral("供应商历史价格查询")},
                                           std::pair{2, QStringLiteral("供应商历史价格查询")}}) {
        tq::BrowseBase window;
        window.setQueryType(queryType);
        EXPECT_TRUE(window.windowTitle().isEmpty());
        window.Load();
        EXPECT_TRUE(window.isLoaded());
        EXPECT_EQ(window.windowTitle(), title) << queryType;

        // Loading again changes nothing, even when the properties changed in between.
        window.setQueryType(queryType == 1 ? 0 : 1);
        window.Load();
        EXPECT_EQ(window.windowTitle(), title);
    }
}

TEST(BrowseBase, UnloadClosesAndReleasesTheWindow)
{
    const int before = tq::serverReferenceCount();
    QPointer<tq::BrowseBase> window = new tq::BrowseBase;
    EXPECT_EQ(tq::serverReferenceCount(), before + 1);
    window->Load();
    window->show();
    window->Unload();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isLoaded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_EQ(tq::serverReferenceCount(), before);
}

} // namespace
