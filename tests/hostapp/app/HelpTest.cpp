// The host's help: the command line the component starts for F1 opens the bundled page of
// its topic.
#include "hostapp/app/HelpTopics.h"
#include "hostapp/app/HelpViewer.h"
#include "platform/com/ComError.h"
#include "platform/win/Shell.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/Screenshots.h"

#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

using zelhost::helpTopicOf;
using zelhost::loadHelpPage;

TEST(HelpTopics, TheTopicIsWhatFollowsTheHelpFileOrTheReasonThereIsNone)
{
    const struct {
        const char* arguments;
        const char* topic;  // null: refused, naming `mentions`
        const char* mentions;
    } cases[] = {
        {"/opt/zel/bin\\ZELV12.chm::/销售管理.htm", "销售管理.htm", nullptr},
        {"C:\\Program Files\\ZEL\\ZELV12.chm::/采购管理.htm", "采购管理.htm", nullptr},
        {"  zelv12.CHM::/采购管理.htm  ", "采购管理.htm", nullptr},
        {"/x/ZELV12.chm::/sub page.htm", "sub page.htm", nullptr},
        {"/x/OTHER.chm::/销售管理.htm", nullptr, "帮助文件“/x/OTHER.chm”不存在"},
        {"/x/ZELV12.chm", nullptr, "没有指明主题"},
        {"/x/ZELV12.chm::/", nullptr, "没有指明主题"},
        {"", nullptr, "不存在"},
    };
    for (const auto& c : cases) {
        try {
            const QString topic = helpTopicOf(QString::fromUtf8(c.arguments));
            EXPECT_EQ(topic, QString::fromUtf8(c.topic ? c.topic : "<refused>")) << c.arguments;
        } catch (const com::ComError& e) {
            EXPECT_TRUE(c.mentions && e.description().contains(QString::fromUtf8(c.mentions))) << e.description().toStdString();
        }
    }
}

TEST(HelpTopics, BothTopicsHaveTheirOwnPage)
{
    const zelhost::HelpPage sales = loadHelpPage(QStringLiteral("销售管理.htm"));
    EXPECT_EQ(sales.title, QStringLiteral("客户历史价格查询"));
    EXPECT_TRUE(sales.html.contains(QStringLiteral("价税合计")));
    EXPECT_TRUE(sales.html.contains(QStringLiteral("客户视图")));
    const zelhost::HelpPage purchase = loadHelpPage(QStringLiteral("采购管理.htm"));
    EXPECT_EQ(purchase.title, QStringLiteral("供应商历史价格查询"));
    EXPECT_TRUE(purchase.html.contains(QStringLiteral("供应商视图")));
    EXPECT_NE(sales.url, purchase.url);
}

TEST(HelpTopics, AnUnknownTopicIsNamed)
{
    for (const char* topic : {"库存管理.htm", "../销售管理.htm", "help.qrc"}) {
        try {
            loadHelpPage(QString::fromUtf8(topic));
            ADD_FAILURE() << "found " << topic;
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.description(), QStringLiteral("帮助中没有“%1”这个主题。").arg(QString::fromUtf8(topic)));
        }
    }
}

class HelpLauncherTest : public ::testing::Test {
protected:
    HelpLauncherTest() { zelhost::installHelpLauncher(); }
    ~HelpLauncherTest() override { zelhost::uninstallHelpLauncher(); }
};

TEST_F(HelpLauncherTest, TheF1CommandLinePrintsTopicAndTitleWithoutAScreenOrTellsAnUnknownTopic)
{
    ::testing::internal::CaptureStdout();
    win::Shell(QStringLiteral("hh.exe /opt/zel/bin\\ZELV12.chm::/采购管理.htm"), win::vbNormalFocus);
    const QString printed = QString::fromStdString(::testing::internal::GetCapturedStdout());
    EXPECT_EQ(printed, QStringLiteral("帮助: 采购管理.htm — 供应商历史价格查询\n"));

    // An unknown topic is told and the program does not start.
    fakehost::MsgBoxRecorder boxes;
    EXPECT_THROW(win::Shell(QStringLiteral("hh.exe /opt\\ZELV12.chm::/库存管理.htm"), win::vbNormalFocus), com::ComError);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("帮助中没有“库存管理.htm”这个主题。"));
}

TEST(HelpViewer, ShowsThePageAndFollowsLinksBetweenPages)
{
    zelhost::HelpViewer viewer;
    viewer.showPage(loadHelpPage(QStringLiteral("销售管理.htm")));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("帮助 — 客户历史价格查询"));
    EXPECT_TRUE(viewer.browser().toPlainText().contains(QStringLiteral("双击列标题")));
    testsupport::saveScreenshot(viewer, QStringLiteral("zelhost-help.png"));
    // The "see also" link leads to the other page.
    viewer.browser().setSource(QUrl(QStringLiteral("采购管理.htm")));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("帮助 — 供应商历史价格查询"));
    EXPECT_TRUE(viewer.browser().toPlainText().contains(QStringLiteral("供应商视图")));
}

} // namespace
