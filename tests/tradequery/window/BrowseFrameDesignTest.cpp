// The browse window as a person first sees it: the title of each flavour, the menus with their
// captions, shortcuts and check marks, the toolbar's sixteen buttons, the status bar panels.
#include "platform/controls/ImageList.h"
#include "platform/controls/Ledger50.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/window/WindowLifecycle.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

class BrowseFrameDesignTest : public ::testing::Test {
protected:
    fakehost::FakeHost host;
};

TEST_F(BrowseFrameDesignTest, MenusCarryTheirCaptionsShortcutsAndMarks)
{
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool checked;
        bool enabled;
    };
    const Item items[] = {
        {"mnuFile", "文件(&F)", "", false, true},
        {"mnuFilePrint", "打印(&P)", "Ctrl+P", false, true},
        {"mnuFilePrintSetup", "打印设置(&S)...", "", false, true},
        {"mnuFilePreview", "打印预览(&L)", "", false, true},
        {"mnuFileOut", "引出(&O)...", "", false, true},
        {"mnuFileClose", "退出(&X)", "Ctrl+X", false, true},
        {"mnuView", "查看(&V)", "", false, true},
        {"mnuView_Find", "搜索(&F)...", "F3", false, true},
        {"mnuView_Sort", "排序(&S)...", "F6", false, true},
        {"mnuView_Filter", "过滤(&L)", "F9", false, false},
        {"mnuVCompany", "按仓库分类查询(&C)", "", true, true},
        {"mnuVBaseICItem", "按物料分类查询(&W)", "", false, true},
        {"mnuProperty", "查询属性设置(&Q)", "", false, true},
        {"mnuStyle", "格式(&O)", "", false, true},
        {"mnuSFont", "表格字体(&F)...", "", false, true},
        {"mnuWindow", "视图(&I)", "", false, true},
        {"mnuViewToolbar", "工具栏(&T)", "", true, true},
        {"mnuViewToolbarLable", "工具条标签(&L)", "", true, true},
        {"mnuViewStatusBar", "状态栏(&B)", "", true, true},
        {"mnuVHide", "显示/隐藏列(&H)", "", false, false},
        {"mnuViewRefresh", "刷新(&R)", "F5", false, true},
        {"mnuHelp", "帮助(&H)", "", false, false},
        {"mnuHelpContents", "目录(&C)", "", false, true},
    };
    browsetest::TestWindow window(1);
    for (const Item& item : items) {
        QAction* action = window->menuItem(QLatin1String(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(item.shortcut))) << item.name;
        EXPECT_EQ(action->isChecked(), item.checked) << item.name;
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
        EXPECT_EQ(action->objectName(), QLatin1String(item.name));
    }

    // The five menus in order, each item under its own menu, separators where the design has them.
    QStringList menus;
    for (QAction* top : window->browseControls().menuBar->actions())
        menus << top->objectName();
    EXPECT_EQ(menus, (QStringList{"mnuFile", "mnuView", "mnuStyle", "mnuWindow", "mnuHelp"}));
    QStringList viewMenu;
    for (QAction* item : window->menuItem(QStringLiteral("mnuView"))->menu()->actions())
        viewMenu << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
    EXPECT_EQ(viewMenu, (QStringList{"mnuView_Find", "mnuView_Sort", "mnuView_Filter", "-", "mnuVCompany",
                                     "mnuVBaseICItem", "-", "mnuProperty"}));
}

TEST_F(BrowseFrameDesignTest, ToolbarHasSixteenButtonsInOrder)
{
    struct Button {
        const char* key;  // "-" for a separator without key
        const char* caption;
        const char* toolTip;
    };
    const Button buttons[] = {
        {"sp2", "", ""},           {"ByCompany", "客户", "客户历史销售价格查询"},
        {"ByItem", "物料", "按物料分类列表"}, {"-", "", ""},
        {"Print", "打印", "打印"},   {"PrintView", "预览", "打印预览"},
        {"-", "", ""},             {"Property", "设置", "查询设置"},
        {"-", "", ""},             {"Find", "搜索", "搜索"},
        {"Sort", "排序", "排序"},    {"Filter", "过滤", "过滤"},
        {"refresh", "刷新", "刷新"}, {"search", "定位", "定位"},
        {"sp3", "", ""},           {"Exit", "退出", "退出"},
    };
    const QList<int> separators{1, 4, 7, 9, 15};
    browsetest::TestWindow window(1);
    const QList<QAction*> actions = window->browseControls().tbToolBar->actions();
    ASSERT_EQ(actions.size(), 16);
    for (int index = 1; index <= 16; ++index) {
        const Button& expected = buttons[index - 1];
        QAction* action = actions[index - 1];
        EXPECT_EQ(action->isSeparator(), separators.contains(index)) << index;
        if (action->isSeparator()) {
            if (QLatin1String(expected.key) != QLatin1String("-"))
                EXPECT_EQ(window->toolbarButton(QLatin1String(expected.key)), action) << index;
            continue;
        }
        EXPECT_EQ(window->toolbarButton(QLatin1String(expected.key)), action) << index;
        EXPECT_EQ(action->text(), QString::fromUtf8(expected.caption)) << index;
        EXPECT_EQ(action->toolTip(), QString::fromUtf8(expected.toolTip)) << index;
        EXPECT_FALSE(action->icon().isNull()) << index;
        // Only the two view buttons keep a pressed state.
        const bool viewButton = index == 2 || index == 3;
        EXPECT_EQ(action->isCheckable(), viewButton) << index;
    }
}

TEST_F(BrowseFrameDesignTest, WindowControlsAndPanels)
{
    browsetest::TestWindow window(2);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("供应商历史价格查询"));
    const tq::BrowseControls& c = window->browseControls();
    EXPECT_EQ(c.tvwBase->imageList(), c.imlHot);
    EXPECT_EQ(c.imlHot->Count(), 26);
    QStringList panels;
    for (QLabel* panel : c.sbStatusBar->findChildren<QLabel*>())
        panels << panel->objectName();
    EXPECT_EQ(panels, (QStringList{"Status", "Passtime", "Info"}));
    for (QLabel* title : {c.SSPTitleClass, c.SSPTitleItem})
        EXPECT_EQ(title->frameShadow(), QFrame::Sunken) << title->objectName().toStdString();
    EXPECT_TRUE(c.lblFont->isHidden());
    EXPECT_TRUE(c.picSplitVer->isHidden());

    window->setStatusText(QStringLiteral("Passtime"), QStringLiteral("取数据时间: 250.00 毫秒"));
    EXPECT_EQ(window->statusText(QStringLiteral("Passtime")), QStringLiteral("取数据时间: 250.00 毫秒"));
    EXPECT_EQ(window->statusText(QStringLiteral("NoSuchPanel")), QString());
}

TEST_F(BrowseFrameDesignTest, LoadRunsTheStartUpViewAfterTheCaptions)
{
    browsetest::TestWindow window(1, false);
    EXPECT_TRUE(window.treeCalls.isEmpty());
    window->Load();
    EXPECT_EQ(window.treeCalls, QStringList{"StartUp"});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("客户历史价格查询"));
    window->Load();
    EXPECT_EQ(window.treeCalls, QStringList{"StartUp"});
}

} // namespace

namespace {

TEST_F(BrowseFrameDesignTest, TheStoredGridFontIsAppliedToLedgerAndTree)
{
    host.userProfiles().setSection(
        QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase"),
        {{QStringLiteral("GridFont"),
          QStringLiteral("FontName=Noto Sans CJK SC|FontSize=14|FontBold=True|FontItalic=False|")}});
    browsetest::TestWindow window(1);
    const QFont font = window->ldgBase().font();
    EXPECT_EQ(font.family(), QStringLiteral("Noto Sans CJK SC"));
    EXPECT_EQ(font.pointSizeF(), 14.0);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(font.italic());
    EXPECT_EQ(window->tvwBase().font(), font);
}

TEST_F(BrowseFrameDesignTest, WithoutAStoredGridFontTheDefaultStays)
{
    browsetest::TestWindow window(1);
    window->setAppliedFontSize(9);
    EXPECT_EQ(window->ldgBase().font().bold(), false);
    // An unreadable Boolean is skipped with its step; the name still applies.
    const QFont font = tq::GridFontFromProfile(QStringLiteral("FontName=Noto Serif CJK SC|FontBold=maybe|"), QFont());
    EXPECT_EQ(font.family(), QStringLiteral("Noto Serif CJK SC"));
}

} // namespace
