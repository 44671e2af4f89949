// What a headless run prints of a window: its title, and what the window describes of itself
// through the method the host calls by name.
#include "hostapp/app/WindowTextDump.h"
#include "tests/hostapp/database/QtPrinters.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace {

// A window that tells what it shows, as a component's window does.
class DescribingWindow : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE QString describeForScreenshot() const { return QStringLiteral("状态栏: 就绪 | 取数据时间: 0.01"); }
};

TEST(WindowTextDump, AWindowThatDescribesItselfIsAskedByName)
{
    DescribingWindow window;
    window.setWindowTitle(QStringLiteral("客户历史价格查询"));
    EXPECT_EQ(zelhost::describeWindow(window),
              QStringLiteral("窗口标题: 客户历史价格查询\n状态栏: 就绪 | 取数据时间: 0.01\n"));
}

TEST(WindowTextDump, APlainWindowGivesItsTitle)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("供应商历史价格查询"));
    EXPECT_EQ(zelhost::describeWindow(window), QStringLiteral("窗口标题: 供应商历史价格查询\n"));
}

TEST(WindowTextDump, AMainWindowGivesItsMenusAndStatusBar)
{
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ZEL 进销存 — administrator"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addAction(QStringLiteral("切换用户(&U)…"));
    file->addSeparator();
    file->addAction(QStringLiteral("退出(&X)"));
    window.menuBar()->addMenu(QStringLiteral("&Tools && more"))->addAction(QStringLiteral("&Options"));
    window.statusBar()->addWidget(new QLabel(QStringLiteral("数据库: /tmp/demo.db")));
    window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("用户: administrator (1)")));
    EXPECT_EQ(zelhost::describeWindow(window),
              QStringLiteral("窗口标题: ZEL 进销存 — administrator\n"
                             "菜单 文件: 切换用户… | 退出\n"
                             "菜单 Tools & more: Options\n"
                             "状态栏: 数据库: /tmp/demo.db | 用户: administrator (1)\n"));
}

} // namespace

#include "WindowTextDumpTest.moc"
