// The browse window's commands: toolbar keys and menu items reach their commands, the refresh
// reloads the selected node, the query options need the settings right, F1 opens the help.
#include "platform/win/Foreground.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/MsgBox.h"
#include "platform/win/Shell.h"
#include "platform/win/WindowHandles.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/find/LedgerConditions.h"
#include "tradequery/host/FrmQueryProperty.h"
#include "tradequery/window/HelpTopic.h"
#include "tradequery/window/ToolbarCommands.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const char* const kCommands[] = {
    tq::command::PartnerView, tq::command::ItemView,     tq::command::Find,
    tq::command::Sort,        tq::command::Filter,       tq::command::Print,
    tq::command::PrintPreview, tq::command::PrintSetup,  tq::command::Export,
    tq::command::GridFont,    tq::command::QueryProperty, tq::command::Refresh,
    tq::command::QuickSearch, tq::command::Close,
};

class BrowseCommandsTest : public ::testing::Test {
protected:
    // Every command records its name instead of running.
    void recordCommands()
    {
        for (const char* name : kCommands)
            window->commands().setCommand(QLatin1String(name), [this, name] { ran << QLatin1String(name); });
    }

    fakehost::FakeHost host;
    browsetest::TestWindow window{1};
    QStringList ran;
};

TEST_F(BrowseCommandsTest, ToolbarKeysAndMenuItemsReachTheirCommands)
{
    recordCommands();
    const std::pair<const char*, const char*> keys[] = {
        {"ByCompany", tq::command::PartnerView}, {"ByItem", tq::command::ItemView},
        {"Find", tq::command::Find},             {"Property", tq::command::QueryProperty},
        {"Sort", tq::command::Sort},             {"Filter", tq::command::Filter},
        {"Print", tq::command::Print},           {"PrintView", tq::command::PrintPreview},
        {"Exit", tq::command::Close},            {"refresh", tq::command::Refresh},
        {"search", tq::command::QuickSearch},
    };
    for (const auto& [key, command] : keys) {
        ran.clear();
        window->toolbarButton(QLatin1String(key))->trigger();
        EXPECT_EQ(ran, QStringList{QLatin1String(command)}) << key;
    }
    const std::pair<const char*, const char*> items[] = {
        {"mnuFilePrint", tq::command::Print},          {"mnuFilePrintSetup", tq::command::PrintSetup},
        {"mnuFilePreview", tq::command::PrintPreview}, {"mnuFileOut", tq::command::Export},
        {"mnuFileClose", tq::command::Close},          {"mnuView_Find", tq::command::Find},
        {"mnuView_Sort", tq::command::Sort},           {"mnuVCompany", tq::command::PartnerView},
        {"mnuVBaseICItem", tq::command::ItemView},     {"mnuProperty", tq::command::QueryProperty},
        {"mnuSFont", tq::command::GridFont},           {"mnuViewRefresh", tq::command::Refresh},
    };
    for (const auto& [name, command] : items) {
        ran.clear();
        window->menuItem(QLatin1String(name))->trigger();
        EXPECT_EQ(ran, QStringList{QLatin1String(command)}) << name;
    }
    // The view commands decide the check marks, not the click.
    EXPECT_TRUE(window->menuItem(QStringLiteral("mnuVCompany"))->isChecked());
    EXPECT_FALSE(window->menuItem(QStringLiteral("mnuVBaseICItem"))->isChecked());

    // Keys compare exactly; a separator's or an unknown key does nothing, nor does a switched-off item.
    ran.clear();
    for (const char* key : {"sp2", "sp3", "REFRESH", "exit", ""})
        window->commands().tbToolBar_ButtonClick(QLatin1String(key));
    window->menuItem(QStringLiteral("mnuView_Filter"))->trigger();
    EXPECT_TRUE(ran.isEmpty()) << ran.join(',').toStdString();
}

TEST_F(BrowseCommandsTest, TheFramesOwnCommandsReachTheTree)
{
    window->Refresh();  // nothing selected: nothing clicked
    EXPECT_EQ(window.treeCalls, (QStringList{"StartUp", "ForceReload true"}));
    window.selectNode(QStringLiteral("gb12"));
    window.treeCalls.clear();
    window->toolbarButton(QStringLiteral("ByItem"))->trigger();
    window->toolbarButton(QStringLiteral("ByCompany"))->trigger();
    window->toolbarButton(QStringLiteral("refresh"))->trigger();
    EXPECT_EQ(window.treeCalls, (QStringList{"ShowItemView", "ShowPartnerView", "ForceReload true", "NodeClick gb12"}));
    ASSERT_NE(window->conditions(), nullptr);
    EXPECT_TRUE(window->conditions()->ResetFindCount());
}

TEST_F(BrowseCommandsTest, QueryOptionsRefusedWithoutTheSettingsRight)
{
    for (const auto& [queryType, name] : {std::pair{1, QStringLiteral("客户历史销售价格查询")},
                                          std::pair{2, QStringLiteral("供应商历史采购价格查询")}}) {
        browsetest::TestWindow typed(queryType);
        typed.selectNode(QStringLiteral("gb7"));
        typed.treeCalls.clear();
        host.glData().answer = 0;
        host.log().clear();
        int dialogs = 0;
        const auto previous = win::setModalResponder([&](QDialog&) { ++dialogs; return 0; });
        fakehost::MsgBoxRecorder boxes;

        typed->menuItem(QStringLiteral("mnuProperty"))->trigger();
        QApplication::processEvents();

        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("您没有%1设置的权限").arg(name));
        EXPECT_EQ(boxes.boxes()[0].style, win::vbExclamation);
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("系统提示"));
        EXPECT_EQ(dialogs, 0);
        EXPECT_TRUE(typed.treeCalls.isEmpty());
        const auto checks = host.log().callsTo(QStringLiteral("GLData"), QStringLiteral("AccessCheck"));
        ASSERT_EQ(checks.size(), 1);
        EXPECT_EQ(checks[0].args, (QVariantList{1099, queryType == 1 ? 26 : 25, 0x400000}));
        win::setModalResponder(previous);
    }
}

TEST_F(BrowseCommandsTest, QueryOptionsOpenTheDialogThenRefresh)
{
    window.selectNode(QStringLiteral("gb7"));
    window->queryOptions() = tq::QueryOptions{1, 20};
    window->show();
    win::SwitchToThisWindow(win::handleOf(&*window), true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
    window.treeCalls.clear();

    int queryType = 0;
    QString title;
    const auto previous = win::setModalResponder([&](QDialog& dialog) {
        auto* options = qobject_cast<tq::FrmQueryProperty*>(&dialog);
        if (options)
            queryType = options->property("QueryType").toInt();
        title = dialog.windowTitle();
        return 0;
    });
    window->menuItem(QStringLiteral("mnuProperty"))->trigger();
    // The dialog was shown; the refresh waits for the F5 keystroke.
    EXPECT_EQ(queryType, 1);
    EXPECT_EQ(title, QStringLiteral("查询属性设置"));
    EXPECT_TRUE(window.treeCalls.isEmpty());
    QApplication::processEvents();
    EXPECT_EQ(window.treeCalls, (QStringList{"ForceReload true", "NodeClick gb7"}));
    // The window keeps the options it read at start.
    EXPECT_EQ(window->queryOptions(), (tq::QueryOptions{1, 20}));
    win::setModalResponder(previous);
}

TEST_F(BrowseCommandsTest, F1OpensTheHelpTopicOfTheFlavour)
{
    QStringList started;
    win::registerShellHandler(QStringLiteral("hh.exe"), [&](const QString& arguments) {
        started << arguments;
        return true;
    });
    for (int queryType : {1, 2, 0}) {
        browsetest::TestWindow typed(queryType);
        QTest::keyClick(&*typed, Qt::Key_F1);
    }
    win::unregisterShellHandler(QStringLiteral("hh.exe"));
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('\\');
    EXPECT_EQ(started, (QStringList{folder + QStringLiteral("ZELV12.chm::/销售管理.htm"),
                                    folder + QStringLiteral("ZELV12.chm::/采购管理.htm"),
                                    folder + QStringLiteral("ZELV12.chm::/采购管理.htm")}));

    // Without a help viewer F1 does nothing, and says nothing.
    fakehost::MsgBoxRecorder boxes;
    QTest::keyClick(&*window, Qt::Key_F1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

} // namespace
