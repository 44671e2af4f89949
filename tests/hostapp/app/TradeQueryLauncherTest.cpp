// How the host drives a created component: properties and Show by name, and what a person
// is told when the component cannot be driven or its Show fails.
#include "hostapp/app/TradeQueryLauncher.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/com/ObjectFactory.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/testsupport/MsgBoxRecorder.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {

const QString kProgId = QString::fromLatin1(hostapi::progid::TradeQuery);

// Records what the host sets and calls; Show fails when told to.
class RecordingQuery : public QObject, public com::ComObject {
    Q_OBJECT
    Q_PROPERTY(int QueryType WRITE setQueryType)
    Q_PROPERTY(int ItemID WRITE setItemID)
    Q_PROPERTY(int CompanyID WRITE setCompanyID)
public:
    static inline QStringList calls;
    static inline bool failShow = false;
    void setQueryType(int value) { calls << QStringLiteral("QueryType=%1").arg(value); }
    void setItemID(int value) { calls << QStringLiteral("ItemID=%1").arg(value); }
    void setCompanyID(int value) { calls << QStringLiteral("CompanyID=%1").arg(value); }
    Q_INVOKABLE void Show(QString = QString())
    {
        calls << QStringLiteral("Show");
        if (failShow)
            throw com::ComError(com::E_FAIL_, QStringLiteral("ZELTradeQuery"), QStringLiteral("数据库连接已断开"));
    }
};

class NotAutomatable : public com::ComObject {};

class TradeQueryLauncherTest : public ::testing::Test {
protected:
    TradeQueryLauncherTest()
    {
        RecordingQuery::calls.clear();
        RecordingQuery::failShow = false;
    }
    ~TradeQueryLauncherTest() override { com::ObjectFactory::instance().unregisterClass(kProgId); }
    template <class T>
    void serve()
    {
        com::ObjectFactory::instance().registerClass(kProgId, [] { return std::make_shared<T>(); });
    }
    fakehost::MsgBoxRecorder boxes;
};

TEST_F(TradeQueryLauncherTest, SetsTheThreePropertiesThenCallsShowAndTellsAFailingShow)
{
    serve<RecordingQuery>();
    EXPECT_TRUE(zelhost::openTradeQuery({zelhost::QueryKind::Purchase, 123, 456}));
    EXPECT_EQ(RecordingQuery::calls,
              (QStringList{"QueryType=2", "ItemID=123", "CompanyID=456", "Show"}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    RecordingQuery::failShow = true;
    EXPECT_FALSE(zelhost::openTradeQuery({zelhost::QueryKind::Sales, 1, 2}));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("数据库连接已断开"));
}

TEST_F(TradeQueryLauncherTest, AComponentThatCannotBeCreatedOrDrivenIsTold)
{
    EXPECT_FALSE(zelhost::openTradeQuery({zelhost::QueryKind::Sales, 1, 2}));
    serve<NotAutomatable>();
    EXPECT_FALSE(zelhost::openTradeQuery({zelhost::QueryKind::Sales, 1, 2}));
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_TRUE(boxes.boxes()[0].text.contains(QStringLiteral("ZELTradeQuery.TradeQuery"))) << boxes.boxes()[0].text.toStdString();
    EXPECT_EQ(boxes.boxes()[1].text, QStringLiteral("价格查询组件不支持 按名称调用。"));
}

} // namespace

#include "TradeQueryLauncherTest.moc"
