// The browse window's commands: toolbar keys and menu items reach their commands, the refresh
// reloads the selected node, the query options need the settings right.
#include "platform/win/Foreground.h"
#include "platform/win/ModalDialog.h"
#include "platform/win/MsgBox.h"
#include "platform/win/WindowHandles.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/host/FrmQueryProperty.h"
#include "tradequery/window/ToolbarCommands.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace tq::command;

class BrowseCommandsTest : public ::testing::Test {
protected:
    fakehost::FakeHost host;
    browsetest::TestWindow window{1};
};

TEST_F(BrowseCommandsTest, ToolbarKeysAndMenuItemsReachTheirCommands)
{
    QStringList ran;
    for (const char* name : {PartnerView, ItemView, Find, Sort, Filter, Print, PrintPreview, PrintSetup, Export, GridFont,
                             QueryProperty, Refresh, QuickSearch, Close})
        window->commands().setCommand(QLatin1String(name), [&ran, name] { ran << QLatin1String(name); });
    // A sample of both bars; each key or item reaches its command once.
    const std::tuple<bool, const char*, const char*> wiring[] = {
        {true, "ByCompany", PartnerView},  {true, "Property", QueryProperty},  {true, "PrintView", PrintPreview},
        {true, "search", QuickSearch},     {false, "mnuFileOut", Export},      {false, "mnuVBaseICItem", ItemView},
        {false, "mnuSFont", GridFont},     {false, "mnuFilePrintSetup", PrintSetup},
    };
    for (const auto& [button, name, command] : wiring) {
        ran.clear();
        (button ? window->toolbarButton(QLatin1String(name)) : window->menuItem(QLatin1String(name)))->trigger();
        EXPECT_EQ(ran, QStringList{QLatin1String(command)}) << name;
    }
    // The view commands decide the check marks, not the click.
    EXPECT_TRUE(window->menuItem(QStringLiteral("mnuVCompany"))->isChecked());
    EXPECT_FALSE(window->menuItem(QStringLiteral("mnuVBaseICItem"))->isChecked());

    // Keys compare exactly; a separator's or an unknown key does nothing, nor does a switched-off item.
    ran.clear();
    for (const char* key : {"sp2", "REFRESH", "exit", ""})
        window->commands().tbToolBar_ButtonClick(QLatin1String(key));
    window->menuItem(QStringLiteral("mnuView_Filter"))->trigger();
    EXPECT_TRUE(ran.isEmpty()) << ran.join(',').toStdString();
}

TEST_F(BrowseCommandsTest, TheFramesOwnCommandsReachTheTree)
{
    window->Refresh();  // nothing selected: nothing clicked
    const controls::Node node = window.selectNode(QStringLiteral("gb12"));
    emit window->tvwBase().NodeClick(node);
    emit window->tvwBase().Expand(node);
    window->toolbarButton(QStringLiteral("ByItem"))->trigger();
    window->toolbarButton(QStringLiteral("ByCompany"))->trigger();
    window->toolbarButton(QStringLiteral("refresh"))->trigger();
    // Selecting the new node opens its parent first.
    EXPECT_EQ(window.treeCalls, (QStringList{"StartUp", "ForceReload true", "LoadChildNodes gc0", "NodeClick gb12",
                                             "LoadChildNodes gb12", "ShowItemView", "ShowPartnerView", "ForceReload true",
                                             "NodeClick gb12"}));
}

TEST_F(BrowseCommandsTest, QueryOptionsRefusedWithoutTheSettingsRightOrShownThenRefreshed)
{
    int dialogs = 0;
    const auto previous = win::setModalResponder([&](QDialog& dialog) {
        auto* options = qobject_cast<tq::FrmQueryProperty*>(&dialog);
        EXPECT_EQ(options ? options->property("QueryType").toInt() : -1, 1);
        ++dialogs;
        return 0;
    });
    window.selectNode(QStringLiteral("gb7"));
    window->show();
    win::SwitchToThisWindow(win::handleOf(&*window), true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&*window));
    window.treeCalls.clear();
    {
        host.glData().answer = 0;
        fakehost::MsgBoxRecorder boxes;
        window->menuItem(QStringLiteral("mnuProperty"))->trigger();
        QApplication::processEvents();
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("您没有客户历史销售价格查询设置的权限"));
        EXPECT_EQ(boxes.boxes()[0].style, win::vbExclamation);
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("系统提示"));
        EXPECT_EQ(host.log().callsTo(QStringLiteral("GLData"), QStringLiteral("AccessCheck"))[0].args,
                  (QVariantList{1099, 26, 0x400000}));
        EXPECT_EQ(dialogs, 0);
        EXPECT_TRUE(window.treeCalls.isEmpty());
    }
    host.glData().answer = -1;
    window->queryOptions() = tq::QueryOptions{1, 20};
    window->menuItem(QStringLiteral("mnuProperty"))->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(window.treeCalls.isEmpty()) << "the refresh waits for the F5 keystroke";
    QApplication::processEvents();
    EXPECT_EQ(window.treeCalls, (QStringList{"ForceReload true", "NodeClick gb7"}));
    EXPECT_EQ(window->queryOptions(), (tq::QueryOptions{1, 20})) << "the window keeps the options it read at start";
    win::setModalResponder(previous);
}

} // namespace
