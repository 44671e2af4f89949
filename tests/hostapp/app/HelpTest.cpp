// The host's help: the command line the component starts for F1 opens the bundled page of
// its topic.
#include "hostapp/app/HelpTopics.h"
#include "hostapp/app/HelpViewer.h"
#include "platform/com/ComError.h"
#include "platform/win/Shell.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/testsupport/MsgBoxRecorder.h"

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
        {"C:\\Program Files\\ZEL\\ZELV12.chm::/采购管理.htm", "采购管理.htm", nullptr},
        {"  zelv12.CHM::/sub page.htm  ", "sub page.htm", nullptr},
        {"/x/OTHER.chm::/销售管理.htm", nullptr, "帮助文件“/x/OTHER.chm”不存在"},
        {"/x/ZELV12.chm::/", nullptr, "没有指明主题"},
    };
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(helpTopicOf(QString::fromUtf8(c.arguments)), QString::fromUtf8(c.topic ? c.topic : "<refused>")) << c.arguments;
        } catch (const com::ComError& e) {
            EXPECT_TRUE(c.mentions && e.description().contains(QString::fromUtf8(c.mentions))) << e.description().toStdString();
        }
    }
    // Only the bundled pages are topics; nothing beside them is reached.
    for (const char* topic : {"../销售管理.htm", "help.qrc"})
        EXPECT_THROW(loadHelpPage(QString::fromUtf8(topic)), com::ComError) << topic;
}

TEST(HelpLauncher, TheF1CommandLinePrintsTopicAndTitleWithoutAScreenOrTellsAnUnknownTopic)
{
    zelhost::installHelpLauncher();
    ::testing::internal::CaptureStdout();
    win::Shell(QStringLiteral("hh.exe /opt/zel/bin\\ZELV12.chm::/采购管理.htm"), win::vbNormalFocus);
    EXPECT_EQ(QString::fromStdString(::testing::internal::GetCapturedStdout()),
              QStringLiteral("帮助: 采购管理.htm — 供应商历史价格查询\n"));
    fakehost::MsgBoxRecorder boxes;
    EXPECT_THROW(win::Shell(QStringLiteral("hh.exe /opt\\ZELV12.chm::/库存管理.htm"), win::vbNormalFocus), com::ComError);
    zelhost::uninstallHelpLauncher();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("帮助中没有“库存管理.htm”这个主题。"));
}

} // namespace
