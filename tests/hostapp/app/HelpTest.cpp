// The host's help: the command line the component starts for F1 opens the bundled page of
// its topic.
#include "hostapp/app/HelpTopics.h"
#include "hostapp/app/HelpViewer.h"
#include "platform/com/ComError.h"
#include "platform/win/Shell.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/testsupport/MsgBoxRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

using zelhost::helpTopicOf;
using zelhost::loadHelpPage;

TEST(HelpTopics, TheTopicIsWhatFollowsTheHelpFile)
{
    const struct {
        const char* arguments;
        const char* topic;
    } cases[] = {
        {"/opt/zel/bin\\ZELV12.chm::/销售管理.htm", "销售管理.htm"},
        {"C:\\Program Files\\ZEL\\ZELV12.chm::/采购管理.htm", "采购管理.htm"},
        {"  zelv12.CHM::/采购管理.htm  ", "采购管理.htm"},
        {"/x/ZELV12.chm::/sub page.htm", "sub page.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(helpTopicOf(QString::fromUtf8(c.arguments)), QString::fromUtf8(c.topic)) << c.arguments;
}

TEST(HelpTopics, AnotherFileOrNoTopicIsRefusedClearly)
{
    const struct {
        const char* arguments;
        const char* mentions;
    } cases[] = {
        {"/x/OTHER.chm::/销售管理.htm", "帮助文件“/x/OTHER.chm”不存在"},
        {"/x/ZELV12.chm", "没有指明主题"},
        {"/x/ZELV12.chm::/", "没有指明主题"},
        {"", "不存在"},
    };
    for (const auto& c : cases) {
        try {
            helpTopicOf(QString::fromUtf8(c.arguments));
            ADD_FAILURE() << "accepted " << c.arguments;
        } catch (const com::ComError& e) {
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(c.mentions))) << e.description().toStdString();
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

TEST_F(HelpLauncherTest, TheF1CommandLinePrintsTopicAndTitleWithoutAScreen)
{
    ::testing::internal::CaptureStdout();
    win::Shell(QStringLiteral("hh.exe /opt/zel/bin\\ZELV12.chm::/采购管理.htm"), win::vbNormalFocus);
    const QString printed = QString::fromStdString(::testing::internal::GetCapturedStdout());
    EXPECT_EQ(printed, QStringLiteral("帮助: 采购管理.htm — 供应商历史价格查询\n"));
}

TEST_F(HelpLauncherTest, AnUnknownTopicIsToldAndTheProgramDoesNotStart)
{
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
    // build/bin/test_hostapp -> build/screenshots, for a person to look at.
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(folder);
    viewer.grab().save(folder + QStringLiteral("/zelhost-help.png"));
    // The "see also" link leads to the other page.
    viewer.browser().setSource(QUrl(QStringLiteral("采购管理.htm")));
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("帮助 — 供应商历史价格查询"));
    EXPECT_TRUE(viewer.browser().toPlainText().contains(QStringLiteral("供应商视图")));
}

} // namespace
